#!/usr/bin/env bash
# Saving and the erase's backup with real X input, in the default data folder (no settings):
# the write button's erase first saves the downloaded data and names the file in its
# confirmation (answered No: nothing is erased); Ctrl+S twice in the same minute keeps both
# files. HM_SHOTS_DIR keeps the screenshots of the two questions.
set -euo pipefail
. "$HM_SOURCE_DIR/tests/support/xsession.sh"
. "$HM_SOURCE_DIR/tests/support/haulwin.sh"
hw_begin
data="$work/home/Documents/Haulmetry/Vehicle Data Files"
count() { find "$data" -maxdepth 1 -name '*.asc' -size 2484c 2>/dev/null | wc -l; }

cd "$work"  # nothing may be written into the current folder
hw_start_demo

# Erase: the selection dialog (Enter confirms it), then the confirmation after the backup.
hw_click "$main" write
select=$(xs_wait_window 'Select Data to Erase') || fail "the write button opened no selection"
xs_key "$select" Return
question=$(xs_wait_window '^Haulmetry$') || fail "no confirmation before the erase"
[ "$(count)" = 1 ] || fail "the backup was not written before the confirmation"
keep erase-confirmation
xs_key "$question" Escape
xs_wait_gone "$question"
sleep 1
xdotool getwindowname "$main" | grep -q 'ECU Data' || fail "answering No still started an operation"
[ -z "$(xdotool search --onlyvisible --name 'Haulmetry \[ \.\.\. \]' 2>/dev/null)" ] || fail "erase started"

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
echo "backup before erase, two saves in a row: all kept in the documents folder; F5 reloads"
