#!/usr/bin/env bash
# Installs what is missing, builds, and starts Haulmetry. Extra arguments go to the program;
# without any, it starts with the built-in virtual ECU first in the port table (--demo).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
"$root/scripts/build.sh" "$root/build"
if [ $# -eq 0 ]; then
    set -- --demo
fi
exec "$root/build/haulmetry" "$@"
