#!/usr/bin/env bash
# Configures and builds one build tree: scripts/build.sh [DIR] [extra cmake arguments...]
# Warnings are errors here (HM_WERROR=ON), as in CI; a later -DHM_WERROR=OFF overrides it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=${1:-$root/build}
shift || true
cmake -S "$root" -B "$dir" -G Ninja -DHM_WERROR=ON "$@" >/dev/null
cmake --build "$dir" -j2
