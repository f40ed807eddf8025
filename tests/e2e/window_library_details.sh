#!/usr/bin/env bash
# A trailer's details typed in the library window with real input: the trailer chosen through
# the filter, a plate and a customer typed into the form, Alt+S saves them on the library's
# thread, `haulmetry library list` (another program on the same library) shows them, and the
# filter then finds the trailer by its plate written another way. HM_SHOTS_DIR keeps the
# screenshots.
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
plate_of() {  # plate_of IDENT: the plate `library list` gives the trailer
    "$HM_BIN_DIR/haulmetry" library list --format csv |
        python3 -c 'import csv, sys
for r in csv.DictReader(sys.stdin):
    if r["ident"] == sys.argv[1]:
        print(r["plate"] + "|" + r["customer"])' "$1"
}

export XDG_DATA_HOME="$work/data" LANGUAGE=en HW_KEYBOARD=de  # de: the customer has a ü
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
unset HAULMETRY_LIBRARY
"$py" "$HM_SOURCE_DIR/tests/e2e/sample_datafile.py" "$work/base.asc"
"$py" "$HM_SOURCE_DIR/tests/e2e/library_files.py" "$work/base.asc" "$work/trl" 4 2
"$HM_BIN_DIR/haulmetry" library import "$work/trl" >/dev/null || fail "import"
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/atspi.log" 2>&1 &
xs_pids+=($!)
hw_start_demo
xs_key "$main" ctrl+l
libwin=$(xs_wait_window '^Trailer Library$') || fail "Ctrl+L opened no library window"
sleep 1

filter TRL00001
xdotool key Tab Tab Home  # past the field's clear button to the fleet
walk --require 'label:^&?History of TRL00001 \(downloads: 2\)$' || fail "TRL00001 is not chosen"
xs_key "$libwin" alt+p
xdotool type --delay 20 'AB-12 CD'
xs_key "$libwin" alt+c
xdotool type --delay 20 'Spedition Süd'
xs_key "$libwin" alt+s
for _ in $(seq 30); do
    [ "$(plate_of TRL00001)" = 'AB-12 CD|Spedition Süd' ] && break
    sleep 0.5
done
[ "$(plate_of TRL00001)" = 'AB-12 CD|Spedition Süd' ] ||
    fail "library list does not show the details typed: '$(plate_of TRL00001)'"
[ "$(plate_of TRL00000)" = '|' ] || fail "another trailer got details: $(plate_of TRL00000)"
walk --require 'table cell:^AB-12 CD$' || fail "the fleet row does not show the plate"
keep library-details-saved
# The filter finds the trailer by its plate, in another case, without blank and hyphen.
filter ab12cd
walk --require 'table cell:^TRL00001$' || fail "the filter does not find the plate"
grep -q 'TRL00000' "$work/tree.txt" && fail "the plate filter shows TRL00000 too"
xs_key "$libwin" Escape
xs_wait_gone "$libwin" || fail "Escape did not close the library window"
hw_quit
echo "window library details: ok"
