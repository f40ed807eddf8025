#!/usr/bin/env bash
# Saving and the erase's backup with real X input, in the default data folder (the settings
# name none): the erase button's erase first saves the downloaded data and names the file in its
# confirmation (answered No: nothing is erased); a second erase names the file saved already;
# Ctrl+S twice in the same minute keeps both files; Ctrl+O loads one, and the summary shown
# after the load (its option is on) has its values in one column and stands over the new title.
# HM_SHOTS_DIR keeps the screenshots of the questions and the summary.
set -euo pipefail
. "$HM_SOURCE_DIR/tests/support/xsession.sh"
. "$HM_SOURCE_DIR/tests/support/haulwin.sh"
hw_begin
data="$work/home/Documents/Haulmetry/Vehicle Data Files"
count() { find "$data" -maxdepth 1 -name '*.asc' -size 2484c 2>/dev/null | wc -l; }

cd "$work"  # nothing may be written into the current folder
printf '[HLM+]\r\n\r\n[MAKE XL FILE]\r\nNo\r\n[INFO POP UP]\r\nYes' >"$work/haulmetry.ini"
hw_start_demo

# Erase: the selection dialog (Enter confirms it), then the confirmation after the backup.
hw_click "$main" erase
select=$(xs_wait_window 'Select Data to Erase') || fail "the erase button opened no selection"
xs_key "$select" Return
question=$(xs_wait_window '^Haulmetry$') || fail "no confirmation before the erase"
[ "$(count)" = 1 ] || fail "the backup was not written before the confirmation"
keep erase-confirmation
xs_key "$question" Escape
xs_wait_gone "$question"
sleep 1
xdotool getwindowname "$main" | grep -q 'ECU Data' || fail "answering No still started an operation"
[ -z "$(xdotool search --onlyvisible --name 'Haulmetry \[ \.\.\. \]' 2>/dev/null)" ] || fail "erase started"

# A second erase: nothing new to back up, and the confirmation names the file saved before
# (a click into the question's text, Ctrl+A and Ctrl+C copy it).
backup=$(find "$data" -maxdepth 1 -name '*.asc')
hw_click "$main" erase
select=$(xs_wait_window 'Select Data to Erase') || fail "the erase button opened no selection again"
xs_key "$select" Return
question=$(xs_wait_window '^Haulmetry$') || fail "no confirmation before the second erase"
keep erase-confirmation-again
xs_click "$question" 60 20
xs_key "$question" ctrl+a ctrl+c
asked=$(timeout 5 xclip -o -selection clipboard) || fail "the question has no text to copy"
grep -qF "has already been saved to" <<<"$asked" && grep -qF "$backup" <<<"$asked" ||
    fail "the second confirmation does not name $backup: $asked"
[ "$(count)" = 1 ] || fail "the second erase wrote another backup"
xs_key "$question" Escape
xs_wait_gone "$question"

# Two saves (Ctrl+S, Enter answers Yes) never replace each other or the backup.
xs_key "$main" ctrl+s
question=$(xs_wait_window '^Haulmetry$') || fail "Ctrl+S asked nothing"
keep save-question
xs_key "$question" Return
xs_wait_gone "$question"
xs_key "$main" ctrl+s
question=$(xs_wait_window '^Haulmetry$') || fail "the second Ctrl+S asked nothing"
xs_key "$question" Return
xs_wait_gone "$question"
sleep 0.3
[ "$(count)" = 3 ] || fail "expected 3 data files, found: $(ls "$data")"
[ -z "$(find "$work" -maxdepth 1 -name '*.asc')" ] || fail "a file went into the current folder"
ls "$data"

# F5 reloads from the ECU: the download runs again ("[ ... ]") and ends with the data.
xs_key "$main" F5
xs_wait_window 'Haulmetry \[ \.\.\. \]' >/dev/null || fail "F5 did not start a download"
xs_wait_window 'Haulmetry \[ ECU Data \]' >/dev/null || fail "the reload did not complete"

# Ctrl+O and the backup's path typed into the open dialog: the summary follows the load, each
# of its eight lines a label and a value, the values starting in one column.
xs_key "$main" ctrl+o
dialog=$(xs_wait_window 'Open File') || fail "Ctrl+O opened no file dialog"
hw_type_path "$backup"
box=$(xs_wait_window '^Haulmetry$') || fail "no summary after the load"
sleep 0.3
keep load-summary
# The title names the file already while the summary is up, not the ECU data shown before.
title=$(xdotool getwindowname "$main")
grep -qF "[ File: $(basename "$backup") ]" <<<"$title" || fail "title under the summary: $title"
read -r bx by bw bh < <(xs_geometry "$box")
cells=$(python3 "$shot_tool" cells "$work/load-summary.ppm" "$bx" "$by" "$bw" "$bh" | awk 'NF >= 2')
[ "$(wc -l <<<"$cells")" = 8 ] || fail "the summary does not show eight label-value lines: $cells"
# (within 2 pixels: the first inked column of a digit varies by a pixel)
awk 'NR == 1 || $2 < lo { lo = $2 } NR == 1 || $2 > hi { hi = $2 } END { exit hi - lo > 2 }' <<<"$cells" ||
    fail "the summary's values do not start in one column (label and value starts): $cells"
xs_key "$box" Escape
xs_wait_gone "$box"
xs_wait_window 'Haulmetry \[ File: ' >/dev/null || fail "the file was not loaded"
echo "backup before erase, named again by the second erase; two saves in a row: all kept in the"
echo "documents folder; F5 reloads; the summary after a load lines up"
