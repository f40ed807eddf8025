#!/usr/bin/env bash
# The link trace with real X input. The window runs with --trace FILE against the demo ECU; a
# right-click and the menu entry "Link Trace..." open the view, which shows the download's
# frames; its Save... button and the file dialog (keys: a bare file name) write a file equal to
# the --trace file, in the data folder of the settings (not the current folder);
# Clear empties the view; frames of a reload reach the open view, and the menu entry raises that
# view instead of opening a second one. A trace file that cannot be written gives a message and
# the window still runs. HM_SHOTS_DIR, when set, keeps the screenshots as PNG files.
set -euo pipefail
. "$HM_SOURCE_DIR/tests/support/xsession.sh"
. "$HM_SOURCE_DIR/tests/support/haulwin.sh"
hw_begin

# An unwritable trace file: the message (printed under the test script), and the window runs on.
printf 'sleep 300\nstate\nclose\n' >"$work/script.txt"
XDG_RUNTIME_DIR="$work" HOME="$work" HAULMETRY_SETTINGS="$work/haulmetry.ini" \
    HAULMETRY_TEST_SCRIPT="$work/script.txt" QT_QPA_PLATFORM=offscreen \
    "$HM_BIN_DIR/haulmetry" --port /nonexistent --trace "$work/missing/run.trace" \
    >"$work/app.log" 2>&1 ||
    fail "the window did not run without its trace file"
grep -q '^message: Haulmetry cannot write the trace file .*missing/run.trace' "$work/app.log" ||
    fail "no message about the trace file"
grep -q '^title=' "$work/app.log" || fail "the window did not go on"

# Waits until FILE has not grown for a second (the link is idle).
settled() {
    local before after
    after=$(stat -c %s "$1")
    while sleep 1; do
        before=$after
        after=$(stat -c %s "$1")
        [ "$after" = "$before" ] && return 0
    done
}
# Opens the context menu of the main window and chooses "Link &Trace..." by its key.
menu_link_trace() {
    local id menu=
    xs_click "$main" 8 8 3
    sleep 0.3
    for id in $(xdotool search --onlyvisible --class 'haulmetry' 2>/dev/null); do
        [ "$id" != "$main" ] && [ "$id" != "${view:-}" ] && menu=$id
    done
    [ -n "$menu" ] || fail "no context menu"
    xdotool key t
    sleep 0.5
}
# Black (text) pixels in the rows of the view; keeps the screenshot as NAME.
row_ink() {
    local x y w h
    keep "$1"
    read -r x y w h < <(xs_geometry "$view")
    python3 "$shot_tool" count "$work/$1.ppm" "$x" $((y + 40)) "$w" $((h - 90)) 000000
}

mkdir "$work/data" "$work/cwd"
printf '[HLM+]\r\n%s/data/\r\n[MAKE XL FILE]\r\nNo\r\n[INFO POP UP]\r\nNo' "$work" >"$work/haulmetry.ini"
cd "$work/cwd"
hw_start_demo --trace "$work/run.trace"
settled "$work/run.trace"
grep -q ' RX 14 61 39 1F ' "$work/run.trace" || fail "the trace file lacks the last record"

view=
menu_link_trace
view=$(xs_wait_window '^Link Trace$') || fail "the menu entry opened no view"
[ "$(row_ink link-trace-download)" -gt 500 ] || fail "the view shows no frames"

# Save... (the button at the bottom left), then a file name typed into the file dialog: the
# dialog starts in the data folder.
read -r _ _ _ vh < <(xs_geometry "$view")
xs_click "$view" 40 $((vh - 24))
dialog=$(xs_wait_window 'Save Link Trace') || fail "Save... opened no file dialog"
hw_type_path "saved.trace"
saved="$work/data/saved.trace"
xs_wait_gone "$dialog" || fail "the file dialog is still open"
xs_wait_file "$saved" || fail "nothing saved in the data folder (current folder: $(ls "$work/cwd"))"
cmp "$saved" "$work/run.trace" || fail "the saved trace differs from the --trace file"

# Clear (right of Save...) empties the view.
xs_click "$view" 130 $((vh - 24))
[ "$(row_ink link-trace-cleared)" = 0 ] || fail "Clear left rows in the view"

# A reload (F5 in the main window, which comes to the front) while the view is open: its frames
# reach the view; the menu entry brings the same view to the front again.
cleared=$(wc -l <"$work/run.trace")
xs_key "$main" F5
# The unsaved download is saved first; the notice naming the file is closed.
notice=$(xs_wait_window '^Haulmetry$') || fail "F5 named no backup of the download"
xs_key "$notice" Return
xs_wait_gone "$notice"
sleep 2
settled "$work/run.trace"
[ "$(wc -l <"$work/run.trace")" -gt $((cleared + 80)) ] || fail "the reload sent no frames"
menu_link_trace
[ "$(xdotool search --onlyvisible --name '^Link Trace$' | wc -l)" = 1 ] ||
    fail "a second view opened"
sleep 0.3
xs_above "$view" "$main" || fail "the menu entry did not raise the view"
[ "$(row_ink link-trace-reload)" -gt 500 ] || fail "the reload's frames did not reach the view"

# Escape closes the view; Ctrl+Q ends the program.
xs_key "$view" Escape
xs_wait_gone "$view" || fail "Escape did not close the view"
hw_quit
echo "window link trace: ok ($(wc -l <"$saved") lines saved)"
