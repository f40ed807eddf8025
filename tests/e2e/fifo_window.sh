#!/usr/bin/env bash
# The window with FIFOs where files are expected, under Xvfb: a settings file that is a FIFO
# does not stop the start, and a FIFO given to the load button (a real click; the open-file
# dialog answers through the test script) gives a message instead of a frozen window.
set -euo pipefail
bin="${HM_BIN_DIR:?}/haulmetry"
work=$(mktemp -d)
. "${HM_SOURCE_DIR:?}/tests/support/xsession.sh"
app=
cleanup() {
    [ -n "$app" ] && kill "$app" 2>/dev/null || true
    xs_stop
    [ -n "${HM_SHOT_DIR:-}" ] && cp "$work"/*.png "$HM_SHOT_DIR"/ 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; cat "$work/out.txt"; exit 1; }
export XDG_RUNTIME_DIR="$work" HOME="$work"
mkfifo "$work/settings.ini" "$work/trailer.asc"
export HAULMETRY_SETTINGS="$work/settings.ini"
cat >"$work/script.txt" <<SCRIPT
wait-title  [ ECU Data ]
where load
choose $work/trailer.asc
sync $work/clicked
state
close
SCRIPT
xs_start "$work"
HAULMETRY_TEST_SCRIPT="$work/script.txt" "$bin" --demo >"$work/out.txt" 2>&1 &
app=$!
main=$(xs_wait_window " Haulmetry \[ ECU Data \]") || fail "no window with the downloaded data"
for _ in $(seq 300); do [ -e "$work/clicked" ] && break; sleep 0.1; done
IFS=, read -r x y < <(sed -n 's/^where load=//p' "$work/out.txt")
xs_click "$main" "$x" "$y"
for _ in $(seq 300); do grep -q '^message: ' "$work/out.txt" && break; sleep 0.1; done
grep -qxF "message: Could not open $work/trailer.asc: is a FIFO, not a regular file" \
    "$work/out.txt" || fail "no FIFO message after the load button"
xs_shot "$work/after-fifo-load.png"
rm "$work/clicked"
for _ in $(seq 300); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
wait "$app" || fail "haulmetry exit $?"
app=
# The downloaded data is still shown and the load button is back.
grep -qx 'title= Haulmetry \[ ECU Data \]' "$work/out.txt" || fail "title changed"
grep -q '^enabled=load,' "$work/out.txt" || fail "load button not enabled again"
# The load writes the settings file: a FIFO there is left as it is, not replaced by a file.
[ -p "$work/settings.ini" ] || fail "the settings FIFO was replaced"
echo "fifo window: ok"
