#!/usr/bin/env bash
# `haulmetry SUBCOMMAND --help`, for every subcommand that `haulmetry --help` lists and every
# action that `haulmetry library --help` lists, started by its whole build path as CTest does:
# the usage line names the command as it is typed ("Usage: haulmetry export [options] FILE"),
# never the path the program was started from, and Qt's --help-all (Qt's own options, which no
# subcommand takes) is not offered. In German too, where Qt's own words are translated.
set -euo pipefail
. "${HM_SOURCE_DIR:?}/tests/support/cli.sh"

# check_help "export" [--language de]: the help of `haulmetry export`.
check_help() {
    local command=$1
    shift
    local out status=0
    # shellcheck disable=SC2086  # the command's words are separate arguments
    out=$("$bin" "$@" $command --help 2>"$work/stderr") || status=$?
    local first
    first=$(head -n 1 <<<"$out")
    [ "$status" -eq 0 ] || fail "$command --help $*: exit $status"
    grep -qE "^[^ ]+: haulmetry $command( |$)" <<<"$first" ||
        fail "$command --help $*: usage line is '$first'"
    if grep -qF -- "$HM_BIN_DIR" <<<"$out"; then fail "$command --help $*: names the build path"; fi
    if grep -qF -- "--help-all" <<<"$out"; then fail "$command --help $*: offers --help-all"; fi
}

subcommands=$("$bin" --help | sed -n '/^Subcommands/,$p' | awk 'NR > 1 { print $1 }')
actions=$("$bin" library --help | awk 'NR > 1 { print $1 }')
[ "$(wc -w <<<"$subcommands")" -ge 10 ] || fail "too few subcommands in --help: $subcommands"
[ "$(wc -w <<<"$actions")" -ge 5 ] || fail "too few library actions in --help: $actions"
commands=()
for sub in $subcommands; do
    [ "$sub" = library ] || commands+=("$sub")
done
for action in $actions; do commands+=("library $action"); done
for command in "${commands[@]}"; do
    check_help "$command"
    check_help "$command" --language de
done

# An unknown option names the subcommand and ends with status 1, as before.
status=0
err=$("$bin" export --no-such-option 2>&1 >/dev/null) || status=$?
[ "$status" -eq 1 ] || fail "export --no-such-option: exit $status"
grep -q "^haulmetry export: .*no-such-option" <<<"$err" || fail "export --no-such-option said '$err'"
status=0
err=$("$bin" library list --format 2>&1 >/dev/null) || status=$?
[ "$status" -eq 1 ] || fail "library list --format: exit $status"
grep -q "^haulmetry library list: .*format" <<<"$err" || fail "library list --format said '$err'"
cli_end "subcommand help (${#commands[@]} commands)"
