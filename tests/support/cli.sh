# The frame of a command-line end-to-end script. Source it right after `set -euo pipefail`:
#
#   . "${HM_SOURCE_DIR:?}/tests/support/cli.sh"
#   ... checks, each failing with `fail "what went wrong"` (counted, the script goes on) ...
#   cli_end "download"            # prints the count and exits 1 if any check failed
#
# Sets $bin and $sim (the two programs), $work (a scratch folder removed at exit, with every
# virtual ECU started through sim_start), and runs without a display. A script that needs more
# clean-up defines cli_cleanup_extra before the exit.
bin="${HM_BIN_DIR:?}/haulmetry"
sim="${HM_BIN_DIR:?}/haulmetry-ecusim"
work=$(mktemp -d)
. "${HM_SOURCE_DIR:?}/tests/support/ecusim.sh"
cli_cleanup() {
    if declare -F cli_cleanup_extra >/dev/null; then cli_cleanup_extra || true; fi
    sim_stop_all
    rm -rf "$work"
}
trap cli_cleanup EXIT
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
fails=0
fail() {
    echo "FAIL: $*"
    fails=$((fails + 1))
}

cli_end() {
    if [ "$fails" -ne 0 ]; then
        echo "$fails check(s) failed"
        exit 1
    fi
    echo "all $1 checks passed"
}
