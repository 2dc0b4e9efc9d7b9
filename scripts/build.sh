#!/usr/bin/env bash
# Configures and builds the project in ./build (or $ZK_BUILD_DIR).
set -euo pipefail
cd "$(dirname "$0")/.."
"$PWD/scripts/install-dependencies.sh"
build_dir="${ZK_BUILD_DIR:-build}"
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE="${ZK_BUILD_TYPE:-RelWithDebInfo}" "$@"
cmake --build "$build_dir" -j"$(nproc)"
