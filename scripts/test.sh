#!/usr/bin/env bash
# Installs dependencies, builds and runs every test under CTest without a display, then builds
# everything again with the sanitizers in ./build-sanitize (or $ZK_SANITIZE_BUILD_DIR) and runs
# the whole suite there, where any sanitizer report fails its test. ZK_SKIP_SANITIZE=1 leaves the
# second run out.
set -euo pipefail
cd "$(dirname "$0")/.."
top="$PWD"

"$top/scripts/build.sh" "$@"
(cd "${ZK_BUILD_DIR:-build}" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)")

[ "${ZK_SKIP_SANITIZE:-0}" = 1 ] && exit 0

sanitize_dir="${ZK_SANITIZE_BUILD_DIR:-build-sanitize}"
ZK_BUILD_DIR="$sanitize_dir" "$top/scripts/build.sh" -DZK_SANITIZE=ON -DZK_BUILD_BENCHMARKS=OFF "$@"
# The tests set these themselves; the exports cover whatever CTest starts besides them.
export ASAN_OPTIONS="detect_leaks=1:strict_init_order=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$top/cmake/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
cd "$sanitize_dir"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
