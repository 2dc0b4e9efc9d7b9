#!/usr/bin/env bash
# Installs dependencies, builds and runs the demo application; arguments go to the demo.
set -euo pipefail
cd "$(dirname "$0")/.."
"$PWD/scripts/build.sh"
exec "${ZK_BUILD_DIR:-build}/apps/demo/zkDemo" "$@"
