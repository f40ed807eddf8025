#!/usr/bin/env bash
# no_test_hooks.sh PROGRAM [TEST-PROGRAM]: fails when PROGRAM holds any trace of the test hooks
# (the variables only the test build reads, the command script's command names, the scripted
# answers' log lines); with TEST-PROGRAM, also checks that the test build does hold them all.
# The variables are every "HAULMETRY_..." string literal of the test build's own sources
# (support/window/), so a variable added there for tests is checked without a list to keep.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
mapfile -t variables < <(cat "$here"/window/*.cpp "$here"/window/*.h |
    grep -oE '"HAULMETRY_[A-Z0-9_]+"' | tr -d '"' | sort -u)
[ "${#variables[@]}" -gt 0 ] || { echo "no_test_hooks: no variables in $here/window" >&2; exit 1; }
marks=("${variables[@]}" wait-title hover-bar load-saved elapsed-ms= main-modal=
    'open-dialog' 'question (yes)' 'status-tip=')
# Both 8-bit strings and UTF-16 ones (QStringLiteral).
found() { { strings -a "$1"; strings -a -e l "$1"; } | grep -F -c -e "$2" >/dev/null; }
status=0
for mark in "${marks[@]}"; do
    if found "$1" "$mark"; then
        echo "no_test_hooks: '$mark' is in $1" >&2
        status=1
    fi
    if [ $# -gt 1 ] && ! found "$2" "$mark"; then
        echo "no_test_hooks: '$mark' is not in the test build $2 (a stale list?)" >&2
        status=1
    fi
done
exit $status
