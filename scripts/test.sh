#!/usr/bin/env bash
# Installs dependencies, builds and runs every test under CTest without a display.
set -euo pipefail
cd "$(dirname "$0")/.."
"$PWD/scripts/build.sh" "$@"
cd "${ZK_BUILD_DIR:-build}"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
