#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test of the project (CTest).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
"$root/scripts/build.sh" "$root/build"
cd "$root/build"
ctest --output-on-failure -j2 --timeout 300
