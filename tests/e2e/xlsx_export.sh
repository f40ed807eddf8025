#!/usr/bin/env bash
# `--format xlsx` of export, table and library list, read back with openpyxl: numbers are numeric
# cells, identifications and paths text (also 00123, 12E5, =1+1, a date shape, bytes that are not
# UTF-8, control characters), dates date cells, header rows frozen. The CSV quotes every
# identification and path. A spreadsheet goes by the output rules of every command: a FIFO or an
# existing file as CSV does, never raw to a terminal.
set -euo pipefail
. "${HM_SOURCE_DIR:?}/tests/support/cli.sh"
export XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config LANGUAGE=en
unset HAULMETRY_LIBRARY
py=python3
$py -c 'import openpyxl' 2>/dev/null || py=/usr/bin/python3
cells=$HM_SOURCE_DIR/tests/e2e/xlsx_cells.py
python3 "$HM_SOURCE_DIR/tests/e2e/sample_datafile.py" "$work/base.asc"

# Data files with identifications a spreadsheet would misread, and what a cell must show.
python3 "$HM_SOURCE_DIR/tests/e2e/ident_datafiles.py" "$work/base.asc" "$work/idents"

# export: every sheet, with an identification shaped like a number; the figures and findings
# those of the JSON export (an overloaded trailer, so that there is a finding).
python3 "$HM_SOURCE_DIR/tests/e2e/overloaded_trailer.py" "$work/idents/id01.asc" "$work/heavy.asc"
python3 - "$work/heavy.asc" <<'PY'
import sys
b = bytearray(open(sys.argv[1], "rb").read())
b[8:28] = b"12E5".ljust(20, b"\0")
open(sys.argv[1], "wb").write(b)
PY
"$bin" export "$work/heavy.asc" --format xlsx -o "$work/export.xlsx" || fail "export xlsx: exit $?"
"$bin" export "$work/heavy.asc" --format json -o "$work/export.json" || fail "export json: exit $?"
$py "$cells" export "$work/export.xlsx" 12E5 "$work/export.json" || fail "export cells"

# table: one row per file, each identification as the text it is.
"$bin" table "$work/idents" --format xlsx -o "$work/table.xlsx" || fail "table xlsx: exit $?"
$py "$cells" table "$work/table.xlsx" "$work/idents.json" || fail "table cells"

# The CSV of the same files: every identification and path in quotes, values unchanged.
"$bin" table "$work/idents" -o "$work/table.csv" || fail "table csv: exit $?"
grep -qF ',"00123",' "$work/table.csv" || fail "00123 not quoted: $(grep 00123 "$work/table.csv")"
grep -qF ',"a;b,c",' "$work/table.csv" || fail "a;b,c not quoted"
grep -qF ",\"'=1+1\"," "$work/table.csv" || fail "=1+1 not guarded"
python3 - "$work/table.csv" <<'PY' || fail "CSV rows differ"
import csv, sys
rows = list(csv.reader(open(sys.argv[1], newline="", encoding="utf-8")))
assert len({len(r) for r in rows}) == 1 and len(rows) == 17, [len(r) for r in rows]
idents = {r[1] for r in rows}
for ident in ("00123", "12E5", "2024-03-01", " 007 ", "a;b,c", "'=1+1", "A\\x1B[2J\u00ff"):
    assert ident in idents, (ident, idents)
PY

# library list: the same identifications from a library.
"$bin" library import "$work/idents" >/dev/null || fail "import: exit $?"
"$bin" library list --format xlsx -o "$work/list.xlsx" || fail "library list xlsx: exit $?"
$py "$cells" list "$work/list.xlsx" "$work/idents.json" || fail "library list cells"
# A trailer's details are text cells, whatever they look like.
"$bin" library set 00123 --plate '=1+1' --fleet-number 12E5 --customer '+49 -0.37' >/dev/null ||
    fail "library set"
"$bin" library list --format xlsx -o "$work/details.xlsx" || fail "library list xlsx with details"
$py - "$work/details.xlsx" <<'PY' || fail "details cells"
import openpyxl, sys
sheet = openpyxl.load_workbook(sys.argv[1])["Trailers"]
rows = list(sheet.iter_rows())
col = {c.value: i for i, c in enumerate(rows[0])}
row = [r for r in rows[1:] if r[0].value == "00123"][0]
for key, want in (("plate", "=1+1"), ("fleet_number", "12E5"), ("customer", "+49 -0.37")):
    cell = row[col[key]]
    assert cell.data_type == "s" and cell.value == want, (key, cell.data_type, cell.value)
PY
"$bin" library list --format ods 2>"$work/err" && fail "library list --format ods succeeded"
grep -q "xlsx" "$work/err" || fail "unknown format message: $(cat "$work/err")"

# Output rules: what CSV does with an existing file and a FIFO, xlsx does too; a terminal is
# refused.
for format in csv xlsx; do
    printf 'old\n' >"$work/existing.$format"
    status=0
    "$bin" export "$work/base.asc" --format $format -o "$work/existing.$format" 2>"$work/err.$format" ||
        status=$?
    echo "$status" >"$work/status.$format"
    mkfifo "$work/fifo.$format"
    status=0
    timeout 20 "$bin" export "$work/base.asc" --format $format -o "$work/fifo.$format" \
        2>"$work/fifoerr.$format" </dev/null || status=$?
    [ "$status" != 124 ] || fail "$format to a FIFO hangs"
    echo "$status $(stat -c %F "$work/fifo.$format")" >"$work/fifo-status.$format"
done
cmp -s "$work/status.csv" "$work/status.xlsx" ||
    fail "over an existing file: csv exit $(cat "$work/status.csv"), xlsx $(cat "$work/status.xlsx")"
cmp -s "$work/fifo-status.csv" "$work/fifo-status.xlsx" ||
    fail "FIFO: csv '$(cat "$work/fifo-status.csv")', xlsx '$(cat "$work/fifo-status.xlsx")'"
if [ "$(cat "$work/status.xlsx")" = 0 ]; then
    $py -c 'import openpyxl, sys; openpyxl.load_workbook(sys.argv[1])' "$work/existing.xlsx" ||
        fail "the replaced file is no workbook"
else
    [ "$(cat "$work/existing.xlsx")" = old ] || fail "a refused xlsx changed the existing file"
fi
status=0
script -qec "$bin export $work/base.asc --format xlsx" /dev/null >"$work/tty.out" 2>&1 || status=$?
[ "$status" = 1 ] || fail "xlsx to a terminal: exit $status"
grep -q "not written to a terminal" "$work/tty.out" || fail "terminal message: $(head -c 300 "$work/tty.out")"
! grep -qa "PK" "$work/tty.out" || fail "workbook bytes reached the terminal"
"$bin" export "$work/base.asc" --format xls 2>"$work/err" && fail "--format xls succeeded"
grep -qF "csv, json or xlsx" "$work/err" || fail "format message: $(cat "$work/err")"

cli_end "xlsx export"
