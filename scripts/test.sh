#!/usr/bin/env bash
# Installs what is missing, builds everything, and runs every test of the project (CTest).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh" test
"$root/scripts/build.sh" "$root/build" -DHM_BUILD_TESTS=ON
cd "$root/build"
ctest --output-on-failure -j2 --timeout 300
