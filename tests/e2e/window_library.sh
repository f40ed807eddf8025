#!/usr/bin/env bash
# The trailer library window with real X input, against a virtual ECU on a pty. A download of a
# trailer is in the library; Ctrl+L opens the library window, whose fleet shows the trailer and
# whose history the download (read through the accessibility tree, as a screen reader sees
# it). A second download of the same trailer with more use (the virtual ECU's --vehicle): the
# history shows two downloads, the difference of graph 1 (averages: both visits) and, chosen
# with the keyboard, of graph 2 (counting: the usage between the visits). Enter on the fleet
# row shows the download in the main window; while the main window downloads it is refused
# with a message. The context menu's entry raises the same window; Export... writes the
# downloads into the folder chosen. HM_SHOTS_DIR keeps the screenshots.
set -euo pipefail
. "$HM_SOURCE_DIR/tests/support/a11y_session.sh"
# Walks the library window until what is required is shown (the window reads the library on a
# thread of its own, later under load), for up to 15 tries a second apart.
walk() {
    for _ in $(seq 15); do
        "$py" "$HM_SOURCE_DIR/tests/support/a11y_tree.py" haulmetry --window '^Trailer Library$' \
            "$@" >"$work/tree.txt" && return 0
        sleep 1
    done
    cat "$work/tree.txt"
    return 1
}

mkdir -p "$work/home" "$work/data"
export XDG_RUNTIME_DIR="$work" HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config"
export XDG_DATA_HOME="$work/data" HAULMETRY_SETTINGS="$work/haulmetry.ini" LANGUAGE=en
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
unset HAULMETRY_LIBRARY
printf '[HLM+]\r\n%s/saved/\r\n[MAKE XL FILE]\r\nNo\r\n[INFO POP UP]\r\nNo' "$work" >"$work/haulmetry.ini"
# Two visits of trailer TRL00000, the second with more brake applications and distance. Each
# download goes into the library by itself.
"$py" "$HM_SOURCE_DIR/tests/e2e/sample_datafile.py" "$work/base.asc"
"$py" "$HM_SOURCE_DIR/tests/e2e/library_files.py" "$work/base.asc" "$work/visits" 2 1
visits=("$work"/visits/*.asc)
[ "${#visits[@]}" = 2 ] || fail "no visit files"
xs_start "$work"
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/atspi.log" 2>&1 &
xs_pids+=($!)

start_ecu() {  # start_ecu VEHICLE-FILE [OPTION...]: the virtual ECU serves that vehicle
    rm -f "$work/ecu"
    "$HM_BIN_DIR/haulmetry-ecusim" --link "$work/ecu" --vehicle "$@" >"$work/sim.out" \
        2>"$work/sim.err" &
    sim=$!
    for _ in $(seq 100); do [ -e "$work/ecu" ] && return 0; sleep 0.1; done
    fail "the virtual ECU did not start: $(cat "$work/sim.err")"
}

start_ecu "${visits[0]}"
"$HM_BIN_DIR/haulmetry" --port "$work/ecu" >"$work/app.log" 2>&1 &
app=$!
main=$(xs_wait_window 'Haulmetry \[ ECU Data \]') || fail "no first download"

# Ctrl+L opens the window: the trailer's row, its one download.
xs_key "$main" ctrl+l
lib=$(xs_wait_window '^Trailer Library$') || fail "Ctrl+L opened no library window"
sleep 1
walk --require 'table cell:^TRL00000$' --require 'label:^&?History of TRL00000 \(downloads: 1\)$' ||
    fail "the first download is not in the library window"
keep library-first

# The second download of the same trailer, with more use; the same window comes to the front
# by the context menu's entry, read again.
kill "$sim"
wait "$sim" 2>/dev/null || true
start_ecu "${visits[1]}"
xs_key "$main" F5
notice=$(xs_wait_window '^Haulmetry$') || fail "F5 named no backup of the first download"
xs_key "$notice" Return
xs_wait_gone "$notice"
xs_wait_window 'Haulmetry \[ ECU Data \]' >/dev/null || fail "no second download"
xs_key "$main" Menu
sleep 0.3
xdotool key l
sleep 1
[ "$(xdotool search --onlyvisible --name '^Trailer Library$' | wc -l)" = 1 ] ||
    fail "a second library window opened"
walk --require 'label:^&?History of TRL00000 \(downloads: 2\)$' \
    --require 'label:^Older visit: [0-9-]+ [0-9:]+$' --require 'label:^Newer visit: [0-9-]+ [0-9:]+$' \
    --require 'table cell:^download$' \
    --require 'chart:^Older visit chart$' ||
    fail "the history does not show two downloads side by side for graph 1"
keep library-averages
# Graph 2 by its mnemonic and the arrow key: the usage between the visits, 10 per bar.
xs_key "$lib" alt+g
xdotool key Down
sleep 1
walk --require 'label:^Usage between [0-9-]+ [0-9:]+ and [0-9-]+ [0-9:]+ \(in all: 160\)$' \
    --require 'chart:^Usage chart$' || fail "graph 2 does not show the usage"
keep library-counting

# Enter on the fleet row while the main window downloads (slowly): refused with a message;
# then taken.
kill "$sim"
wait "$sim" 2>/dev/null || true
start_ecu "${visits[1]}" --delay 40
xs_key "$main" F5
notice=$(xs_wait_window '^Haulmetry$') || fail "F5 named no backup of the second download"
xs_key "$notice" Return
xs_wait_gone "$notice"
xs_wait_window 'Haulmetry \[ \.\.\. \]' >/dev/null || fail "F5 started no download"
xs_key "$lib" alt+f
xdotool key Tab Return
sleep 0.5
walk --require 'label:^The main window is busy' || fail "no refusal while the main window downloads"
xs_wait_window 'Haulmetry \[ ECU Data \]' >/dev/null || fail "the third download did not end"
xs_key "$lib" alt+f
xdotool key Tab Return
xs_wait_window 'Haulmetry \[ File: TRL00000 [0-9-]+ [0-9:]+ \]' >/dev/null ||
    fail "Enter on the fleet row did not show the download in the main window"
keep library-opened
# Export... (Alt+E) and a folder typed into the folder dialog: both downloads as data files that
# load.
mkdir "$work/export"
xs_key "$lib" alt+e
dialog=$(xs_wait_window 'Export the Downloads') || fail "Export... opened no folder dialog"
hw_type_path "$work/export"
xs_wait_gone "$dialog" || fail "the folder dialog is still open"
for _ in $(seq 50); do [ "$(ls "$work/export" | wc -l)" = 2 ] && break; sleep 0.1; done
[ "$(ls "$work/export" | wc -l)" = 2 ] || fail "the export wrote $(ls "$work/export" | wc -l) files"
for f in "$work"/export/*.asc; do
    "$HM_BIN_DIR/haulmetry" summary "$f" >/dev/null || fail "the exported $f does not load"
done
xs_key "$lib" Escape
xs_wait_gone "$lib" || fail "Escape did not close the library window"
hw_quit
echo "window library: ok"
