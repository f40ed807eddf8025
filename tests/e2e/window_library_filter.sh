#!/usr/bin/env bash
# The library window's filter with real input: the history, the difference and Export...
# always belong to a trailer the list shows. A trailer is chosen, then a filter typed that
# hides it: the history no longer shows it; a filter that hides every trailer leaves no history
# and Export... off, so Alt+E exports nothing. HM_SHOTS_DIR keeps the screenshots.
set -euo pipefail
. "$HM_SOURCE_DIR/tests/support/a11y_session.sh"
walk() {  # walk ARGS...: the library window's tree until it shows what is required (15 tries)
    for _ in $(seq 15); do
        "$py" "$HM_SOURCE_DIR/tests/support/a11y_tree.py" haulmetry --window '^Trailer Library$' \
            "$@" >"$work/tree.txt" && return 0
        sleep 1
    done
    cat "$work/tree.txt"
    return 1
}
filter() {  # filter TEXT: types TEXT into the filter field, replacing what it held
    xs_key "$libwin" alt+f
    xdotool key --clearmodifiers ctrl+a BackSpace
    xdotool type --delay 20 "$1"
    sleep 0.5
}

export XDG_DATA_HOME="$work/data" LANGUAGE=en
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
unset HAULMETRY_LIBRARY
"$py" "$HM_SOURCE_DIR/tests/e2e/sample_datafile.py" "$work/base.asc"
"$py" "$HM_SOURCE_DIR/tests/e2e/library_files.py" "$work/base.asc" "$work/trl" 4 2
"$py" "$HM_SOURCE_DIR/tests/e2e/library_files.py" "$work/base.asc" "$work/xyz" 1 1 0 XYZ
"$HM_BIN_DIR/haulmetry" library import "$work/trl" "$work/xyz" >/dev/null || fail "import"
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/atspi.log" 2>&1 &
xs_pids+=($!)
hw_start_demo
xs_key "$main" ctrl+l
libwin=$(xs_wait_window '^Trailer Library$') || fail "Ctrl+L opened no library window"
sleep 1

# Choose TRL00001: typed into the filter, then its row taken with the keyboard.
filter TRL00001
xdotool key Tab Tab Home  # past the field's clear button to the fleet
walk --require 'label:^&?History of TRL00001 \(downloads: 2\)$' --enabled Export ||
    fail "TRL00001 is not chosen"
keep library-filter-chosen
# A filter that hides it: its history is no longer shown.
filter XYZ
walk --require 'table cell:^XYZ00000$' --require 'label:^&?History( of XYZ00000 \(downloads: 1\))?$' ||
    fail "the history after the filter hid the chosen trailer"
grep -q 'TRL00001' "$work/tree.txt" && fail "the window still shows TRL00001: $(grep TRL00001 "$work/tree.txt")"
# A filter that hides every trailer: no history, Export... off; Alt+E opens nothing.
filter nothing-matches
walk --require 'label:^History$' --disabled Export || fail "a history is shown for no trailer"
keep library-filter-none
xs_key "$libwin" alt+e
sleep 1
xdotool search --onlyvisible --name 'Export the Downloads' >/dev/null &&
    fail "Export... opened a folder dialog with no trailer listed"
xs_key "$libwin" Escape
xs_wait_gone "$libwin" || fail "Escape did not close the library window"
hw_quit
echo "window library filter: ok"
