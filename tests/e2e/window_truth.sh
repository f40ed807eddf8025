#!/usr/bin/env bash
# What the window shows stays true, with real X input and a virtual ECU on a real pty:
#  1. F5 over an unsaved download first saves it and names the file in a notice.
#  2. A second start handing over a file that is not a data file leaves the ECU's data behind
#     the bars: Ctrl+S saves the vehicle, not an empty image.
#  3. After a file load an erase shows the ECU's type again; save and reload look disabled
#     while it runs (as during a download).
#  4. The ECU killed while idle: at once the title says nothing is shown, the trace names the
#     hang-up, the unsaved download is kept in a file.
#  5. Close during a download: "Closing..." at once, the window ends as soon as the ECU stops.
#  6. No port at all: the lamp is grey at the first attempt; started with a file, a search that
#     finds nothing goes offline without a question.
# HM_SHOTS_DIR, when set, keeps the screenshots as PNG files.
set -euo pipefail
. "$HM_SOURCE_DIR/tests/support/xsession.sh"
. "$HM_SOURCE_DIR/tests/support/haulwin.sh"
hw_begin
bin="$HM_BIN_DIR/haulmetry"
data="$work/home/Documents/Haulmetry/Vehicle Data Files"
count() { find "$data" -maxdepth 1 -name 'Haulmetry *.asc' 2>/dev/null | wc -l; }
mkdir -p "$work/home" "$work/nodev"
export XDG_RUNTIME_DIR="$work" HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config"
export HAULMETRY_SETTINGS="$work/haulmetry.ini"
xs_start "$work"

# A virtual ECU that answers a little late, so that downloads and erases take seconds.
start_ecu() {
    rm -f "$work/ecu"
    "$HM_BIN_DIR/haulmetry-ecusim" --link "$work/ecu" --ident TRUTH1 --delay 30 "$@" \
        >"$work/sim.out" 2>"$work/sim.err" &
    sim=$!
    for _ in $(seq 100); do [ -e "$work/ecu" ] && return 0; sleep 0.1; done
    fail "the virtual ECU did not start: $(cat "$work/sim.err")"
}
# Screenshot regions: the lamp, the save and reload buttons, the ECU type field.
region() { read -r x y w h < <(hw_rect "$1"); echo "$x $y $w $h"; }
ecu_field=$(hw_du_rect 9 11 26 11)
same() { # same SHOT-A SHOT-B X Y W H: the rectangle of the window is unchanged
    local a=$1 b=$2 ox oy
    shift 2
    read -r ox oy _ _ < <(xs_geometry "$main")
    [ "$(python3 "$shot_tool" diff "$a" "$b" $(($1 + ox)) $(($2 + oy)) "$3" "$4")" = 0 ]
}
shot() { xdotool mousemove 0 0; sleep 0.3; xs_shot_ppm "$work/$1.ppm"; keep "$1"; }
grey_lamp() { # grey_lamp SHOT: the lamp of the window is the unlit grey one (icon 127)
    local ox oy x y w h
    read -r ox oy _ _ < <(xs_geometry "$main")
    read -r x y w h < <(hw_rect status)
    [ "$(python3 "$shot_tool" count "$1" $((x + ox)) $((y + oy)) "$w" "$h" 9a9a9a)" -ge 100 ]
}

start_ecu
"$bin" --port "$work/ecu" --trace "$work/run.trace" >"$work/app.log" 2>&1 &
app=$!
main=$(xs_wait_window 'Haulmetry \[ ECU Data \]') || fail "no download"
shot truth-downloaded

# 1. F5 over the unsaved download: the backup is written and named, then the reload runs.
xs_key "$main" F5
notice=$(xs_wait_window '^Haulmetry$') || fail "F5 named no backup of the unsaved download"
[ "$(count)" = 1 ] || fail "F5 wrote no backup before the reload"
ls "$data" | grep -q '^Haulmetry TRUTH1 - ' || fail "the backup is not the vehicle's: $(ls "$data")"
keep truth-reload-notice
xs_key "$notice" Return
xs_wait_gone "$notice"
xs_wait_window 'Haulmetry \[ \.\.\. \]' >/dev/null || fail "F5 did not start the download"
shot truth-downloading  # save and reload disabled
xs_wait_window 'Haulmetry \[ ECU Data \]' >/dev/null || fail "the reload did not complete"

# 2. A second start hands over a file that is not a data file: "File Error", and what is
# saved next is still the vehicle on screen. (The load makes the file's folder the data folder.)
printf 'not a data file\n' >"$data/junk.asc"
timeout 30 "$bin" "$data/junk.asc" >"$work/second.out" 2>&1 || fail "hand-over of a bad file"
xs_wait_window 'Haulmetry \[ \*\*\*  File Error  \*\*\* \]' >/dev/null || fail "no file error"
box=$(xs_wait_window '^Haulmetry$') || fail "the file error gave no message"
xs_key "$box" Return
xs_wait_gone "$box"
shot truth-file-error
same "$work/truth-downloaded.ppm" "$work/truth-file-error.ppm" $(region chart) ||
    fail "the bars changed after a failed load"
xs_key "$main" ctrl+s
question=$(xs_wait_window '^Haulmetry$') || fail "Ctrl+S asked nothing"
xs_key "$question" Return
xs_wait_gone "$question"
sleep 0.3
saved=$(ls -t "$data" | head -n 1)
[ "$(count)" = 2 ] && [[ $saved == "Haulmetry TRUTH1 - "* ]] ||
    fail "after the failed load the save wrote '$saved', not the vehicle"

# 3. Load that file (hand-over), then erase the stability records: during the erase save and
# reload look as during a download; at its end the ECU field shows the type, not "---".
timeout 30 "$bin" "$data/$saved" >"$work/third.out" 2>&1 || fail "hand-over of the saved file"
xs_wait_window "Haulmetry \[ File: " >/dev/null || fail "the saved file did not load"
shot truth-file-loaded
! same "$work/truth-downloaded.ppm" "$work/truth-file-loaded.ppm" $ecu_field ||
    fail "the ECU field did not change to --- for a file"
hw_click "$main" erase
select=$(xs_wait_window 'Select Data to Erase') || fail "the erase button opened no selection"
xs_key "$select" Down Return  # the second entry: the stability records
question=$(xs_wait_window '^Haulmetry$') || fail "no confirmation before the erase"
xs_key "$question" Return
xs_wait_gone "$question"
sleep 1
shot truth-erasing
for b in save reload; do
    same "$work/truth-downloading.ppm" "$work/truth-erasing.ppm" $(region $b) ||
        fail "the $b button does not look disabled during the erase"
done
xs_wait_window 'Haulmetry \[ ECU Data \]' >/dev/null || fail "the erase did not complete"
sleep 0.5
shot truth-erased
same "$work/truth-downloaded.ppm" "$work/truth-erased.ppm" $ecu_field ||
    fail "after the erase the ECU field does not show the type"

# 4. The ECU goes away while idle (its process killed: the pty hangs up).
backups=$(count)
kill -9 "$sim"
wait "$sim" 2>/dev/null || true
sim=
XS_TIMEOUT=3 xs_wait_window 'Haulmetry \[ No Data Loaded \]' >/dev/null ||
    fail "3 s after the ECU was unplugged the title still says: $(xdotool getwindowname "$main")"
grep -q -- '-- connection lost on COM 1 .*: line hung up' "$work/run.trace" ||
    fail "the trace does not name the hang-up"
[ "$(count)" = $((backups + 1)) ] || fail "the unsaved download was not kept when the ECU went"
question=$(xs_wait_window '^Haulmetry$') || fail "no notice or retry question after the loss"
sleep 1
shot truth-unplugged
grey_lamp "$work/truth-unplugged.ppm" || fail "the lamp is not grey after the unplug"
# Close every box (the notice and the retry question: No), then the window.
for _ in 1 2 3; do
    box=$(xdotool search --onlyvisible --name '^Haulmetry$' 2>/dev/null | head -n 1) || true
    [ -n "$box" ] || break
    xs_key "$box" Escape
done
xs_key "$main" Escape
xs_wait_gone "$main" || fail "the window did not close offline"
wait "$app" 2>/dev/null || true
app=

# 5. Close while a download runs: "Closing..." at once, gone as soon as the ECU stopped.
# Each answer takes 0.4 s: the whole download would take about 20 s.
start_ecu --delay 400
"$bin" --port "$work/ecu" >"$work/app2.log" 2>&1 &
app=$!
main=$(xs_wait_window 'Haulmetry \[ \.\.\. \]') || fail "no download"
hw_click "$main" close
title=$(xdotool getwindowname "$main")
keep truth-closing
[ "$title" = " Haulmetry [ Closing... ]" ] || fail "the title after close: $title"
XS_TIMEOUT=2 xs_wait_gone "$main" || fail "the window waited for the download to finish"
wait "$app" 2>/dev/null || true
app=
kill "$sim" 2>/dev/null || true
wait "$sim" 2>/dev/null || true
sim=

# 6. No serial port at all (an empty device folder): the retry question, with the lamp grey.
export HAULMETRY_DEVICE_DIR="$work/nodev"
"$bin" >"$work/app3.log" 2>&1 &
app=$!
main=$(xs_wait_window 'Haulmetry \[ No Data Loaded \]') || fail "no window"
question=$(xs_wait_window '^Haulmetry$') || fail "no retry question without ports"
sleep 0.5
xs_shot_ppm "$work/no-ports.ppm"
grey_lamp "$work/no-ports.ppm" || fail "with no port the lamp is not grey"
xs_key "$question" Escape
xs_wait_gone "$question"
xs_key "$main" Escape
xs_wait_gone "$main"
wait "$app" 2>/dev/null || true
app=

# Started with a file and no port: the file, the grey lamp, no question over it.
"$bin" "$data/$saved" >"$work/app4.log" 2>&1 &
app=$!
main=$(xs_wait_window "Haulmetry \[ File: ") || fail "the file argument did not load"
sleep 2
[ -z "$(xdotool search --onlyvisible --name '^Haulmetry$' 2>/dev/null)" ] ||
    { keep truth-question-over-file; fail "a question was asked over the file just opened"; }
xs_shot_ppm "$work/file-offline.ppm"
grey_lamp "$work/file-offline.ppm" || fail "offline with a file, the lamp is not grey"
read -r bx by _ _ < <(hw_du_rect 20 150 1 1)
xs_click "$main" "$bx" "$by" 3
sleep 0.5
keep truth-file-offline-menu
xdotool key Escape
echo "window truth: backup before F5, failed load keeps data, erase buttons and type," \
    "unplug seen at once, quick close, grey lamp and no question over a file"
