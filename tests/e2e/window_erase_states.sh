#!/usr/bin/env bash
# What the window shows around an unsupported ECU and around erases, with real X input and a
# virtual ECU on a real pty:
#  1. An ECU of a type the program does not support (A999): "ECU Does Not Support Haulmetry",
#     then the title shown before the download (" [ No Data Loaded ]"), not " [ ... ]".
#  2. A record erase: whenever "Write To ECU" looks enabled, a click on it opens the erase
#     selection (it is off while the records are read back).
#  3. A fleet erase started over a loaded file of another trailer: what is saved afterwards is
#     the ECU's trailer.
#  4. The line lost during an erase started over a loaded file: the title says no data is
#     shown, not " [ File: ... ]" over a blank graph.
# HM_SHOTS_DIR, when set, keeps the screenshots as PNG files.
set -euo pipefail
. "$HM_SOURCE_DIR/tests/support/xsession.sh"
. "$HM_SOURCE_DIR/tests/support/haulwin.sh"
hw_begin
bin="$HM_BIN_DIR/haulmetry"
mkdir -p "$work/home"
export XDG_RUNTIME_DIR="$work" HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config"
export HAULMETRY_SETTINGS="$work/haulmetry.ini"
xs_start "$work"

start_ecu() {
    rm -f "$work/ecu"
    "$HM_BIN_DIR/haulmetry-ecusim" --link "$work/ecu" --ident ERASE1 "$@" \
        >"$work/sim.out" 2>"$work/sim.err" &
    sim=$!
    for _ in $(seq 100); do [ -e "$work/ecu" ] && return 0; sleep 0.1; done
    fail "the virtual ECU did not start: $(cat "$work/sim.err")"
}
stop_ecu() {
    kill -9 "$sim"
    wait "$sim" 2>/dev/null || true
    sim=
}
shot() { xdotool mousemove 0 0; sleep 0.3; keep "$1"; }
same() { # same SHOT-A SHOT-B CONTROL: the control looks the same in both screenshots
    local ox oy x y w h
    read -r ox oy _ _ < <(xs_geometry "$main")
    read -r x y w h < <(hw_rect "$3")
    [ "$(python3 "$shot_tool" diff "$work/$1.ppm" "$work/$2.ppm" $((ox + x)) $((oy + y)) "$w" "$h")" = 0 ]
}
answer() { # answer KEYS...: the message or question box that opened gets KEYS
    local box
    box=$(xs_wait_window '^Haulmetry$') || fail "no message box"
    xs_key "$box" "$@"
    xs_wait_gone "$box" || fail "the message box stayed"
}
load_file() { # load_file PATH: Ctrl+O and the path typed into the file dialog
    xs_key "$main" ctrl+o
    xs_wait_window '^Open File$' >/dev/null || fail "Ctrl+O opened no file dialog"
    hw_type_path "$1"
    xs_wait_window "Haulmetry \\[ File: $(basename "$1" .asc)" >/dev/null || fail "$1 did not load"
}
erase() { # erase fleet|records: the erase button, the entry, Yes to the question
    hw_click "$main" erase
    local select
    select=$(xs_wait_window 'Select Data to Erase') || fail "the erase button opened no selection"
    # The entries: the fleet data (chosen when the dialog opens), the stability records. The
    # first Down takes the focus from the option to the list if it is not there yet, and the
    # list stops at its last entry.
    if [ "$1" = records ]; then xs_key "$select" Down Down; fi
    xs_key "$select" Return
    answer Return
}

# 1. The unsupported ECU.
start_ecu --type A999
"$bin" --port "$work/ecu" >"$work/app.log" 2>&1 &
app=$!
main=$(xs_wait_window ' Haulmetry') || fail "no window"
box=$(xs_wait_window '^Haulmetry$') || fail "no message for the unsupported ECU"
keep unsupported-message
xs_key "$box" Return
xs_wait_gone "$box" || fail "the message stayed"
sleep 0.5
title=$(xdotool getwindowname "$main")
[ "$title" = " Haulmetry [ No Data Loaded ]" ] || fail "after the unsupported ECU the title is '$title'"
shot unsupported-after
hw_quit
stop_ecu

# 2. The record erase of a supported ECU, answering a little late so that it takes seconds.
start_ecu --delay 120  # each phase of an erase takes seconds
"$bin" --port "$work/ecu" >"$work/app.log" 2>&1 &
app=$!
main=$(xs_wait_window 'Haulmetry \[ ECU Data \]') || fail "no download"
shot erase-downloaded  # Write To ECU enabled
erase records
opened=
for _ in $(seq 60); do
    shot erase-running
    if same erase-downloaded erase-running erase; then
        hw_click "$main" erase
        select=$(XS_TIMEOUT=10 xs_wait_window 'Select Data to Erase') ||
            fail "Write To ECU looked enabled during the erase, but a click did nothing"
        xs_key "$select" Escape
        xs_wait_gone "$select" || fail "the erase selection stayed"
        opened=1
        break
    fi
    sleep 0.2
done
[ -n "$opened" ] || fail "Write To ECU stayed off after the erase"

# 3. A file of another trailer, then the fleet erase: the save names the ECU's trailer.
python3 "$HM_SOURCE_DIR/tests/e2e/sample_datafile.py" "$work/other.asc"
load_file "$work/other.asc"
erase fleet
sleep 1
for _ in $(seq 60); do  # the erase and its read are over once Save looks enabled again
    shot erase-over-file-done
    same erase-downloaded erase-over-file-done save && break
    sleep 0.2
done
xdotool getwindowname "$main" | grep -q 'Haulmetry \[ ECU Data \]' || fail "the erase did not end"
touch "$work/before-save"
sleep 1
xs_key "$main" ctrl+s
answer Return
sleep 0.5
saved=$(find "$work" -name 'Haulmetry *.asc' -newer "$work/before-save" -printf '%f\n')
[[ $saved == "Haulmetry ERASE1 - "*.asc && $saved != *$'\n'* ]] ||
    fail "after the erase over the file the save wrote '$saved'"

# 4. The file again, an erase, and the ECU gone during it.
load_file "$work/other.asc"
erase fleet
sleep 1
stop_ecu
XS_TIMEOUT=20 xs_wait_window 'Haulmetry \[ No Data Loaded \]' >/dev/null ||
    fail "after the line was lost the title says: $(xdotool getwindowname "$main")"
shot erase-line-lost
same erase-downloaded erase-line-lost stability && fail "the stability button is still on"
answer Escape  # the retry question: work offline
hw_quit
echo "unsupported ECU: title restored; erase button and erase agree; erases over files stay true"
