#!/usr/bin/env bash
# Identifications with every kind of byte (controls, bytes that are not UTF-8, U+FFFE, = + - @
# first, quotes and separators) and a 200-character file name that starts with "=", through
# every output that names a trailer: export as CSV, JSON and xlsx, findings as JSON, the report's
# PDF text, table as CSV and JSON, library list and library findings as text, CSV and JSON. hostile_idents.py checks
# that none holds a raw control character or invalid UTF-8, that no row breaks and no formula
# gets through, and that each shows the identification escaped as documented.
set -euo pipefail
. "${HM_SOURCE_DIR:?}/tests/support/cli.sh"
export XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config LANGUAGE=en QT_QPA_PLATFORM=offscreen
unset HAULMETRY_LIBRARY
py=python3
$py -c 'import openpyxl' 2>/dev/null || py=/usr/bin/python3
python3 "$HM_SOURCE_DIR/tests/e2e/sample_datafile.py" "$work/base.asc"
python3 "$HM_SOURCE_DIR/tests/e2e/ident_datafiles.py" "$work/base.asc" "$work/idents"
mkdir "$work/out"

# run NAME COMMAND...: COMMAND must exit 0 (findings: 0 or 4, by whether there are any).
run() {
    local name=$1 status=0
    shift
    timeout 120 "$@" 2>>"$work/stderr" </dev/null || status=$?
    [ "$status" = 0 ] || [ "$status" = 4 ] || fail "$name: exit $status: $(tail -2 "$work/stderr")"
}
for f in "$work"/idents/*.asc; do
    o=$work/out/$(basename "$f" .asc | cut -c1-40)
    for format in csv json xlsx; do
        run "export $format ${o##*/}" "$bin" export "$f" --format $format -o "$o.export.$format"
    done
    run "findings ${o##*/}" "$bin" findings "$f" --format json >"$o.findings.json"
    run "report ${o##*/}" "$bin" report "$f" -o "$o.report.pdf"
    pdftotext "$o.report.pdf" "$o.report.txt" || fail "pdftotext ${o##*/}"
done
run "table csv" "$bin" table "$work/idents" -o "$work/out/table.csv"
run "table json" "$bin" table "$work/idents" --format json -o "$work/out/table.json"
run "library import" "$bin" library import "$work/idents" >/dev/null
run "library list" "$bin" library list -o "$work/out/list.txt"
run "library list csv" "$bin" library list --format csv -o "$work/out/list.csv"
run "library list json" "$bin" library list --format json -o "$work/out/list.json"
run "library findings" "$bin" library findings >"$work/out/findings.txt"
run "library findings json" "$bin" library findings --format json >"$work/out/findings.json"
$py "$HM_SOURCE_DIR/tests/e2e/hostile_idents.py" "$work/out" "$work/idents.json" ||
    fail "the outputs of hostile identifications"

cli_end "hostile identification"
