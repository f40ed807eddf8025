#!/usr/bin/env bash
# Printing as the installed program does it: the product program (not the test build, which
# carries the printing code itself) starts without Qt's print support, SVG, image plugins and
# xlsx libraries, loads the printing module when a page, a report or the print preview is first
# asked for, and says plainly when the module is missing or broken. The window part uses real X
# input.
# HM_SHOTS_DIR keeps the screenshots.
set -euo pipefail
. "$HM_SOURCE_DIR/tests/support/xsession.sh"
. "$HM_SOURCE_DIR/tests/support/haulwin.sh"
hw_begin
product=$(cd "$HM_BIN_DIR/.." && pwd)
prog="$product/haulmetry"
[ -x "$prog" ] && [ -f "$product/haulmetry-print.so" ] || fail "no product program or module in $product"
needed() { readelf -d "$1" | sed -n 's/.*NEEDED.*\[\(.*\)\]/\1/p'; }
loaded() { grep -c "$2" "/proc/$1/maps" || true; }

# Linked: the program needs none of the printing or spreadsheet libraries; the module does.
for lib in libQt6PrintSupport libQt6Svg libxlsxwriter; do
    needed "$prog" | grep -q "^$lib" && fail "the program is linked with $lib"
done
needed "$product/haulmetry-print.so" | grep -q '^libQt6PrintSupport' ||
    fail "the module does not need libQt6PrintSupport (is this check looking at the right file?)"

# The commands load what they need: a page, a report, a workbook.
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work" HOME="$work"
python3 "$HM_SOURCE_DIR/tests/e2e/sample_datafile.py" "$work/s.asc"
"$prog" page "$work/s.asc" --graph 3 -o "$work/p.pdf" || fail "page to PDF"
"$prog" page "$work/s.asc" --record 1 -o "$work/p.png" || fail "page to PNG"
"$prog" report "$work/s.asc" -o "$work/r.pdf" 2>"$work/report.err" || fail "report: $(cat "$work/report.err")"
[ "$(pdfinfo "$work/p.pdf" | awk '/^Pages:/ {print $2}')" = 1 ] || fail "the page PDF is not one page"
[ "$(pdfinfo "$work/r.pdf" | awk '/^Pages:/ {print $2}')" -gt 10 ] || fail "the report is short"
file "$work/p.png" | grep -q 'PNG image' || fail "the page PNG is no PNG"
# The module translates its texts as the program does.
LANGUAGE=de "$prog" page "$work/s.asc" --graph 1 -o "$work/de.pdf" || fail "German page"
pdftotext "$work/de.pdf" - | grep -q 'Fahrzeug-Identnummer' || fail "the German page is not in German"
"$prog" export "$work/s.asc" --format xlsx -o "$work/x.xlsx" || fail "export to xlsx"
[ "$(head -c 2 "$work/x.xlsx")" = PK ] || fail "the workbook is no zip file"

# Without the module, or with a broken one: a message and a failure status, nothing written.
mkdir "$work/alone"
cp "$prog" "$work/alone/haulmetry"
for broken in missing garbage; do
    [ "$broken" = garbage ] && head -c 4096 /dev/urandom >"$work/alone/haulmetry-print.so"
    for cmd in "page $work/s.asc --graph 1 -o $work/alone/p.pdf" "report $work/s.asc -o $work/alone/r.pdf"; do
        # shellcheck disable=SC2086
        if "$work/alone/haulmetry" $cmd 2>"$work/err.txt"; then
            fail "$broken module: '$cmd' succeeded"
        fi
        [ "$broken" = missing ] && ! grep -q 'the printing module is missing' "$work/err.txt" &&
            fail "missing module: '$cmd' said: $(cat "$work/err.txt")"
        grep -q "^haulmetry \(page\|report\): ." "$work/err.txt" ||
            fail "$broken module: '$cmd' said: $(cat "$work/err.txt")"
        ls "$work/alone"/*.pdf >/dev/null 2>&1 && fail "$broken module: '$cmd' wrote a file"
    done
done
rm "$work/alone/haulmetry-print.so"
unset QT_QPA_PLATFORM

# The window: printing is loaded by the first print, not at the start.
HM_BIN_DIR=$product
hw_start_demo
[ "$(loaded "$app" haulmetry-print.so)" = 0 ] || fail "the window loaded the printing module at its start"
[ "$(loaded "$app" libQt6PrintSupport)" = 0 ] || fail "the window loaded Qt's print support at its start"
# Nor the image plugins (each PNG read without its format named loads them all, and SVG with them).
[ "$(loaded "$app" /imageformats/)" = 0 ] || fail "the window loaded the image plugins at its start"
[ "$(loaded "$app" libQt6Svg)" = 0 ] || fail "the window loaded the SVG library at its start"
hw_click "$main" print
preview=$(xs_wait_window 'Print Preview') || fail "the print button opened no preview"
[ "$(loaded "$app" haulmetry-print.so)" -gt 0 ] || fail "the preview is open but the module is not loaded"
keep print-module-preview
xs_key "$preview" Escape
xs_wait_gone "$preview" || fail "Escape did not close the preview"
hw_quit

# A window without the module: the print button tells why, and the window goes on.
HM_BIN_DIR="$work/alone"
hw_start_demo
hw_click "$main" print
box=$(xs_wait_window '^Haulmetry$') || fail "the print button without the module showed no message"
keep print-module-missing
xdotool search --onlyvisible --name 'Print Preview' >/dev/null && fail "a preview opened without the module"
xs_key "$box" Return
xs_wait_gone "$box" || fail "Enter did not close the message"
hw_quit
echo "print module: ok"
