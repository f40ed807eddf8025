#!/usr/bin/env bash
# The window with FIFOs where files are expected, under Xvfb: a settings file or a --trace file
# that is a FIFO does not stop the start (the trace FIFO is named in a message and the window
# runs untraced), and a FIFO given to the load button (a real click; the open-file dialog
# answers through the test script) gives a message instead of a frozen window.
set -euo pipefail
. "$HM_SOURCE_DIR/tests/support/xsession.sh"
. "$HM_SOURCE_DIR/tests/support/haulwin.sh"
hw_begin
# The settings file hw_start_demo names is a FIFO here, and so is the file chosen for the load.
mkfifo "$work/haulmetry.ini" "$work/trailer.asc" "$work/trace.fifo"
cat >"$work/script.txt" <<SCRIPT
wait-title  [ ECU Data ]
where load
choose $work/trailer.asc
sync $work/clicked
state
close
SCRIPT
export HAULMETRY_TEST_SCRIPT="$work/script.txt"
hw_start_demo --trace "$work/trace.fifo"
grep -qxF "message: Haulmetry cannot write the trace file $work/trace.fifo: is a FIFO, not a \
regular file. The link is not traced to a file." "$work/app.log" || fail "no trace FIFO message"
[ -p "$work/trace.fifo" ] || fail "the trace FIFO was replaced"
for _ in $(seq 300); do [ -e "$work/clicked" ] && break; sleep 0.1; done
IFS=, read -r x y < <(sed -n 's/^where load=//p' "$work/app.log")
xs_click "$main" "$x" "$y"
for _ in $(seq 300); do grep -q '^message: Could not' "$work/app.log" && break; sleep 0.1; done
grep -qxF "message: Could not open $work/trailer.asc: is a FIFO, not a regular file" \
    "$work/app.log" || fail "no FIFO message after the load button"
keep after-fifo-load
rm "$work/clicked"
for _ in $(seq 300); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
wait "$app" || fail "haulmetry exit $?"
app=
# The downloaded data is still shown and the load button is back.
grep -qx 'title= Haulmetry \[ ECU Data \]' "$work/app.log" || fail "title changed"
grep -q '^enabled=load,' "$work/app.log" || fail "load button not enabled again"
# The load writes the settings file: a FIFO there is left as it is, not replaced by a file.
[ -p "$work/haulmetry.ini" ] || fail "the settings FIFO was replaced"
echo "fifo window: ok"
