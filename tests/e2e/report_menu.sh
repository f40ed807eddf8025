#!/usr/bin/env bash
# The print preview's "Save Report as PDF..." and "Print All Pages..." with real input: the print
# button clicked, the File menu opened with Alt+F, the entry chosen by its mnemonic, the file
# dialog and the print dialog (Qt's print-to-file printer) answered with keys. Both outputs
# hold the cover, ten graph pages and one page per record, and the saved report's pages equal
# those of `haulmetry report` for the same file.
set -euo pipefail
bin="${HM_BIN_DIR:?}/haulmetry"
here=$(cd "$(dirname "$0")" && pwd)
. "$HM_SOURCE_DIR/tests/support/xsession.sh"
. "$HM_SOURCE_DIR/tests/support/haulwin.sh"
hw_begin
export XDG_RUNTIME_DIR="$work/run" HOME="$work" HAULMETRY_SETTINGS="$work/haulmetry.ini"
# No serial device at all (an empty folder stands in for /dev): the search fails at once and
# the script's "no" to the retry question leaves the window offline before the file is loaded.
export HAULMETRY_PORTS= HAULMETRY_DEVICE_DIR="$work/dev"
mkdir -m 700 "$work/run"
mkdir "$work/dev"
python3 "$here/sample_datafile.py" "$work/trip.asc"
xs_start "$work"
cd "$work"
hw_start_offline_with "$work/trip.asc"
xs_click "$main" "${print_at%,*}" "${print_at#*,}"
preview=$(xs_wait_window "Print Preview") || fail "the print button opened no preview"

# Save Report as PDF...: Alt+F, R, then the file name typed into the save dialog.
xs_key "$preview" alt+f
sleep 0.3
xs_shot "$work/file-menu.png"
xdotool key r
dialog=$(xs_wait_window "Save Report as PDF") || fail "no save dialog"
hw_type_path "$work/saved-report.pdf"
for _ in $(seq 100); do [ -s "$work/saved-report.pdf" ] && break; sleep 0.1; done
[ -s "$work/saved-report.pdf" ] || fail "no report saved"
xs_wait_gone "$dialog" || fail "save dialog still open"

# Print All Pages...: Alt+F, A, then Return in the print dialog.
xs_key "$preview" alt+f
xdotool key a
printdlg=$(xs_wait_window "^Print") || fail "no print dialog"
sleep 0.5
xs_shot "$work/print-dialog.png"
# The only printer here is Qt's print-to-file printer; its output file defaults to print.pdf
# in the current folder, which is $work.
xdotool key Return
for _ in $(seq 100); do [ -s "$work/print.pdf" ] && break; sleep 0.1; done
[ -s "$work/print.pdf" ] || fail "nothing printed to $work/print.pdf"
xs_wait_gone "$printdlg" || fail "print dialog still open"

rm -f "$work/ready"
wait "$app" || fail "haulmetry exit status $?"
app=

pages() { pdfinfo "$1" | awk '/^Pages:/ {print $2}'; }
[ "$(pages "$work/saved-report.pdf")" = 16 ] || fail "saved report has $(pages "$work/saved-report.pdf") pages"
[ "$(pages "$work/print.pdf")" = 16 ] || fail "printed report has $(pages "$work/print.pdf") pages"
QT_QPA_PLATFORM=offscreen "$bin" report "$work/trip.asc" -o "$work/cli-report.pdf"
# On paper the footer goes to the foot of the printer's printable area.
python3 "$here/footer_at_foot.py" "$work/print.pdf" || fail "printed report: footer"
for n in $(seq 1 16); do
    a=$(pdftotext -f "$n" -l "$n" "$work/saved-report.pdf" -)
    b=$(pdftotext -f "$n" -l "$n" "$work/cli-report.pdf" -)
    [ "$a" = "$b" ] || fail "saved page $n differs from haulmetry report"
    pdftotext -f "$n" -l "$n" "$work/print.pdf" - | grep -qxF "$n of 16" || fail "printed page $n has no footer"
done
echo "report menu: ok"
