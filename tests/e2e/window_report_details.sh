#!/usr/bin/env bash
# The report the window saves carries what the library knows, with real input: a plate typed
# into the library window's details form (Alt+P, Alt+S) stands on the cover of the report saved
# from the print preview (Alt+F, R, the file name typed), and its findings page lists every
# finding `haulmetry library findings` gives the trailer (an overloaded trailer with two visits).
# HM_SHOTS_DIR keeps the screenshots and the cover and findings page as PNG.
set -euo pipefail
bin="${HM_BIN_DIR:?}/haulmetry"
here=$(cd "$(dirname "$0")" && pwd)
. "$HM_SOURCE_DIR/tests/support/xsession.sh"
. "$HM_SOURCE_DIR/tests/support/haulwin.sh"
hw_begin
export XDG_RUNTIME_DIR="$work/run" HOME="$work" HAULMETRY_SETTINGS="$work/haulmetry.ini"
export XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config" LANGUAGE=en
export HAULMETRY_PORTS= HAULMETRY_DEVICE_DIR="$work/dev"
unset HAULMETRY_LIBRARY
mkdir -m 700 "$work/run"
mkdir "$work/dev"
python3 "$here/two_visits.py" "$work"
"$bin" library import "$work/v1.asc" "$work/v2.asc" >/dev/null || fail "import"
xs_start "$work"
hw_start_offline_with "$work/v2.asc"

# The plate, typed into the library window's form for the trailer chosen through the filter.
xs_key "$main" ctrl+l
libwin=$(xs_wait_window '^Trailer Library$') || fail "Ctrl+L opened no library window"
sleep 1
xs_key "$libwin" alt+f
xdotool type --delay 20 OVL00001
sleep 0.5
xdotool key Tab Tab Home
sleep 0.5
xs_key "$libwin" alt+p
xdotool type --delay 20 'HH-NW 4711'
xs_key "$libwin" alt+s
plate() {
    "$bin" library list --format csv | python3 -c 'import csv, sys
print("".join(r["plate"] for r in csv.DictReader(sys.stdin) if r["ident"] == "OVL00001"))'
}
for _ in $(seq 30); do [ "$(plate)" = 'HH-NW 4711' ] && break; sleep 0.5; done
[ "$(plate)" = 'HH-NW 4711' ] || fail "the plate was not saved: '$(plate)'"
keep report-details-plate-saved
xs_key "$libwin" Escape
xs_wait_gone "$libwin" || fail "Escape did not close the library window"

# The report, saved from the print preview.
xs_click "$main" "${print_at%,*}" "${print_at#*,}"
preview=$(xs_wait_window "Print Preview") || fail "the print button opened no preview"
xs_key "$preview" alt+f
sleep 0.3
xdotool key r
dialog=$(xs_wait_window "Save Report as PDF") || fail "no save dialog"
hw_type_path "$work/report.pdf"
for _ in $(seq 100); do [ -s "$work/report.pdf" ] && break; sleep 0.1; done
[ -s "$work/report.pdf" ] || fail "no report saved"
xs_wait_gone "$dialog" || fail "save dialog still open"
keep report-details-saved

pdftotext -f 1 -l 1 "$work/report.pdf" "$work/cover.txt"
grep -qxF 'HH-NW 4711' "$work/cover.txt" || fail "the plate is not on the cover: $(cat "$work/cover.txt")"
# Every finding of the trailer (its sentence; pdftotext may break it over lines) is on page 2.
status=0
"$bin" library findings OVL00001 >"$work/findings.txt" || status=$?
[ "$status" = 4 ] || fail "library findings OVL00001: exit $status"
pdftotext -f 2 -l 2 "$work/report.pdf" "$work/page2.txt"
python3 - "$work/findings.txt" "$work/page2.txt" <<'PY' || fail "findings page differs from library findings"
import re, sys
found = [l.strip().split(": ", 1) for l in open(sys.argv[1]) if l.startswith("  ")]
page = " ".join(open(sys.argv[2]).read().split())
assert found, "no findings listed"
for severity, sentence in found:
    assert " ".join(sentence.split()) in page, sentence
    assert severity in page, severity
print(len(found), "findings on the findings page")
PY
if [ -n "${HM_SHOTS_DIR:-}" ]; then
    pdftoppm -r 80 -f 1 -l 2 -png "$work/report.pdf" "$HM_SHOTS_DIR/report-details-page"
fi
xs_key "$preview" ctrl+w
xs_wait_gone "$preview" || fail "the preview did not close"
hw_quit
echo "window report details: ok"
