#!/usr/bin/env bash
# What a screen reader sees of the window: the AT-SPI accessibility bus runs in a private D-Bus
# session on the test's X server, the window runs with Qt's accessibility bridge on, and
# tests/support/a11y_tree.py walks the running window's tree as an assistive-technology client
# and prints every control it checked (role, name, states, description). In each main state
# (no ECU with the retry question open, offline, a file loaded, the virtual ECU's data, the erase
# selection, the information, stability and about dialogs, the print preview, a download) every
# control has a name, the buttons say what they do and are enabled as the state calls for, the
# lamp says the connection state, the chart's bars say their range and value, the progress bar
# its value, and Tab reaches every enabled button. HM_SHOTS_DIR, when set, keeps the screenshots.
set -euo pipefail
. "$HM_SOURCE_DIR/tests/support/a11y_session.sh"
tree() { echo "== $1"; shift; "$py" "$HM_SOURCE_DIR/tests/support/a11y_tree.py" haulmetry "$@"; }
walk() { tree "$@" || fail "accessibility tree: $1"; }

mkdir -p "$work/home"
export XDG_RUNTIME_DIR="$work" HOME="$work/home" HAULMETRY_SETTINGS="$work/haulmetry.ini"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
printf '[HLM+]\r\n\r\n[MAKE XL FILE]\r\nNo\r\n[INFO POP UP]\r\nNo' >"$work/haulmetry.ini"
"$py" "$HM_SOURCE_DIR/tests/e2e/sample_datafile.py" "$work/trip.asc"
xs_start "$work"
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/atspi.log" 2>&1 &
xs_pids+=($!)

main_buttons=("Stability snapshots" "Reload from ECU" "Erase or write ECU data" "Save data file"
    "Load data file" "Graph information" "Print preview" "Close" "Previous graph" "Next graph")
# buttons ENABLED...: --enabled for those named, --disabled for the other main-window buttons.
buttons() {
    local b e args=()
    for b in "${main_buttons[@]}"; do
        args+=(--disabled "$b")
        for e in "$@"; do [ "$e" = "$b" ] && args[-2]=--enabled; done
    done
    echo "${args[@]@Q}"
}

# No ECU on the only port: the retry question over the empty window.
"$HM_BIN_DIR/haulmetry" --port "$work/none" >"$work/app.log" 2>&1 &
app=$!
main=$(xs_wait_window 'Haulmetry \[ No Data Loaded \]') || fail "no main window"
question=$(xs_wait_window '^Haulmetry$') || fail "no retry question"
eval "args=($(buttons "Load data file" "Close"))"
walk "no ECU, retry question" --window 'No Data Loaded' --window '^Haulmetry$' "${args[@]}" \
    --require 'status bar:^Connection: ' --require 'push button:Yes' --require 'push button:No'
xs_key "$question" Escape
xs_wait_gone "$question"

# Offline with a file handed over by a second start.
"$HM_BIN_DIR/haulmetry" "$work/trip.asc" >>"$work/app.log" 2>&1 || fail "the file was not handed over"
xs_wait_window 'Haulmetry \[ File: trip.asc' >/dev/null || fail "the file was not loaded"
sleep 1
keep a11y-file
eval "args=($(buttons "Load data file" "Stability snapshots" "Graph information" "Print preview" \
    "Close" "Next graph"))"
xdotool windowactivate --sync "$main"  # Tab goes to the main window
walk "a file loaded" --window 'File: trip.asc' "${args[@]}" --bars 16 \
    --require 'status bar:^Connection: not connected$' --require 'chart:^Chart: 1\.' --tab 8
kill "$app"
wait "$app" 2>/dev/null || true

# The virtual ECU's data.
"$HM_BIN_DIR/haulmetry" --demo >"$work/app.log" 2>&1 &
app=$!
main=$(xs_wait_window 'Haulmetry \[ ECU Data \]') || fail "no download"
sleep 1
keep a11y-ecu-data
eval "args=($(buttons "${main_buttons[@]:0:8}" "Next graph"))"
walk "ECU data" --window 'ECU Data' "${args[@]}" --bars 16 \
    --require 'status bar:^Connection: connected to the ECU$'

# The dialogs the buttons open, one at a time.
dialog() {  # dialog TITLE-REGEX WALK-ARGS...: walks the dialog that is open, then closes it
    local id
    id=$(xs_wait_window "$1") || fail "no dialog '$1'"
    sleep 0.5
    walk "dialog $1" --window "$@"
    xs_key "$id" Escape
    xs_wait_gone "$id"
}
hw_click "$main" erase
dialog 'Select Data to Erase' --require 'combo box:.' --require 'push button:^OK$' \
    --require 'push button:^Cancel$'
hw_click "$main" information
dialog '^Display Information$' --require 'text:^Explanation$' --require 'push button:^OK$'
hw_click "$main" stability
dialog 'Stability Snaphot' --require 'push button:^Snapshot 1$' \
    --require 'progress bar:^Stability sensor output of snapshot 1$'
xs_key "$main" F1
dialog 'About'
# The context menu from the keyboard (the Menu key), and its "Link Trace..." by its accelerator.
xs_key "$main" Menu
sleep 0.3
xdotool key t
dialog '^Link Trace$' --require 'push button:^Save\.\.\.$' --require 'push button:^Clear$'
# The library window by its key (an empty library: the controls, named).
xs_key "$main" ctrl+l
dialog '^Trailer Library$' --require 'text:^Filter$' --require 'table:^Fleet$' \
    --require 'table:^History$' --require 'push button:^Export$' --require 'combo box:^1\.  Average'
xs_key "$main" ctrl+p
preview=$(xs_wait_window 'Print Preview') || fail "no preview"
sleep 0.5
keep a11y-preview
tree "print preview" --window 'Print Preview' --require '.*:^Printed page$' >"$work/preview.txt" ||
    { cat "$work/preview.txt"; fail "accessibility tree: print preview"; }
cat "$work/preview.txt"
grep -q "'Printed page' | .*focused" "$work/preview.txt" || fail "the preview's page does not have the focus"
xs_key "$preview" Escape
xs_wait_gone "$preview"
# While a reload downloads (about four seconds from the virtual ECU): the progress bar and the
# notice that the earlier download was saved.
xs_key "$main" F5
xs_wait_window 'Haulmetry \[ \.\.\. \]' >/dev/null || fail "F5 started no download"
walk "downloading" --window '\[ \.\.\. \]' --require 'progress bar:^Download progress$'
xs_wait_window 'Haulmetry \[ ECU Data \]' >/dev/null || fail "the reload did not complete"
notice=$(xs_wait_window '^Haulmetry$') || fail "no notice of the saved download"
xs_key "$notice" Escape
# In German the names come from the translation.
kill "$app"
wait "$app" 2>/dev/null || true
"$HM_BIN_DIR/haulmetry" --language de --demo >"$work/app.log" 2>&1 &
app=$!
xs_wait_window 'Haulmetry \[ ECU-Daten \]' >/dev/null || fail "no German download"
sleep 1
walk "German" --bars 16 --require 'push button:^Datendatei laden$' \
    --require 'status bar:^Verbindung: mit dem ECU verbunden$' --require 'chart:^Diagramm: 1\.'
echo "every control named; buttons, lamp, chart, dialogs and preview as a screen reader sees them"
