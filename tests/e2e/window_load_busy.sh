#!/usr/bin/env bash
# Real X input during a slow download (the virtual ECU answers after 250 ms each): a click on
# the load button and Ctrl+O open nothing while the ECU fills the image; once the download is
# complete the same click opens the file dialog. HM_SHOTS_DIR keeps the screenshot.
set -euo pipefail
. "$HM_SOURCE_DIR/tests/support/xsession.sh"
. "$HM_SOURCE_DIR/tests/support/haulwin.sh"
hw_begin
opened() { xdotool search --onlyvisible --name '^Open File$' 2>/dev/null | head -n 1; }

export XDG_RUNTIME_DIR="$work" HOME="$work" HAULMETRY_SETTINGS="$work/haulmetry.ini"
"$HM_BIN_DIR/haulmetry-ecusim" --delay 250 >"$work/sim.out" 2>"$work/sim.err" &
sim=$!
for _ in $(seq 100); do [ -s "$work/sim.out" ] && break; sleep 0.1; done
device=$(head -n 1 "$work/sim.out")
[ -e "$device" ] || fail "the virtual ECU did not start"

xs_start "$work"
"$HM_BIN_DIR/haulmetry" --port "$device" >"$work/app.log" 2>&1 &
app=$!
main=$(xs_wait_window 'Haulmetry \[ \.\.\. \]') || fail "the download did not start"

hw_click "$main" load
xs_key "$main" ctrl+o
sleep 1.5
[ -z "$(opened)" ] || fail "the load button opened the file dialog during the download"
xs_shot_ppm "$work/busy.ppm"
[ -z "${HM_SHOTS_DIR:-}" ] || python3 "$shot_tool" png "$work/busy.ppm" "$HM_SHOTS_DIR/load-during-download.png"
xdotool getwindowname "$main" | grep -q '\[ \.\.\. \]' || fail "the download was not running any more"

XS_TIMEOUT=90 xs_wait_window 'Haulmetry \[ ECU Data \]' >/dev/null || fail "the download did not complete"
hw_click "$main" load
dialog=$(xs_wait_window '^Open File$') || fail "after the download the load button opened nothing"
xs_key "$dialog" Escape
xs_wait_gone "$dialog" || fail "the file dialog did not close"
xdotool getwindowname "$main" | grep -q 'ECU Data' || fail "cancelling the load changed the window"
echo "load during a slow download: refused; after it: the file dialog"
