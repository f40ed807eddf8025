#!/usr/bin/env bash
# The hand-written man pages and bash completions name every subcommand and option the programs
# list in their --help, and the usage line of haulmetry --help names every option of the window
# program, so that they cannot fall behind the programs unnoticed.
set -euo pipefail
man1="$HM_SOURCE_DIR/packaging/man/haulmetry.1"
ecusim1="$HM_SOURCE_DIR/packaging/man/haulmetry-ecusim.1"
completion="$HM_SOURCE_DIR/packaging/completion"
status=0
missing() { echo "manual_pages: $*" >&2; status=1; }

subcommands=$("$HM_BIN_DIR/haulmetry" --help | sed -n '/^Subcommands/,$p' | awk 'NR > 1 { print $1 }')
[ -n "$subcommands" ] || missing "no subcommands in haulmetry --help"
for sub in $subcommands; do
    grep -q "^\.BI\? ${sub//-/\\\\-}\( \|$\)" "$man1" || missing "haulmetry(1) lacks the subcommand $sub"
    grep -q "subcommands=\".*\b$sub\b" "$completion/haulmetry" || missing "completion lacks $sub"
done
# Every option of the window program is in the usage line, the man page and the completion.
help=$("$HM_BIN_DIR/haulmetry" --help)
usage=$(head -n 1 <<<"$help")
for option in $(sed -n '/^Options of the window program/,/^$/p' <<<"$help" | grep -o '^  --[a-z-]*'); do
    grep -qF -- "[$option" <<<"$usage" || missing "the usage line of haulmetry --help lacks $option"
    grep -q -- "${option//-/\\\\-}" "$man1" || missing "haulmetry(1) lacks $option"
    grep -q -- "$option\b" "$completion/haulmetry" || missing "completion lacks $option"
done
for option in $("$HM_BIN_DIR/haulmetry-ecusim" --help | grep -o '^  --[a-z-]*'); do
    grep -q -- "${option//-/\\\\-}" "$ecusim1" || missing "haulmetry-ecusim(1) lacks $option"
    grep -q -- "$option\b" "$completion/haulmetry-ecusim" || missing "ecusim completion lacks $option"
done
[ "$status" -eq 0 ] && echo "manual pages: ok"
exit "$status"
