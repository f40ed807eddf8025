#!/usr/bin/env bash
# Installs what running needs (not the test tools), builds the two programs, and starts
# Haulmetry. Extra arguments go to the program; without any, it starts with the built-in virtual
# ECU first in the port table (--demo).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh" run
if [ -f "$root/build/CMakeCache.txt" ]; then
    cmake --build "$root/build" -j2 --target haulmetry haulmetry-ecusim
else
    "$root/scripts/build.sh" "$root/build" -DHM_BUILD_TESTS=OFF
fi
if [ $# -eq 0 ]; then
    set -- --demo
fi
exec "$root/build/haulmetry" "$@"
