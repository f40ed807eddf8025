#!/usr/bin/env bash
# The spreadsheets opened by a real spreadsheet program in a German locale (decimal comma):
# LibreOffice Calc, headless, converts the xlsx of export, table and library list, and the CSV table imported
# as docs/export.md tells (UTF-8, comma, quoted fields as text, English (USA) numbers), to flat
# OpenDocument, and calc_cells.py checks what Calc made of each cell against the JSON of the
# same files: decimals are numbers of the same value (shown with a comma), 00123, 12E5, 1.63,
# 2024-03-01, =1+1 and bytes that are not UTF-8 in an identification stay the texts they are,
# saved times are dates. Skipped (exit 77) without LibreOffice Calc or localedef, except in CI.
set -euo pipefail
. "${HM_SOURCE_DIR:?}/tests/support/cli.sh"
export XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config LANGUAGE=en
unset HAULMETRY_LIBRARY

if ! command -v soffice >/dev/null || ! command -v localedef >/dev/null ||
    [ ! -f /usr/share/i18n/locales/de_DE ]; then
    if [ -n "${CI:-}" ]; then
        echo "FAIL: soffice or localedef missing (scripts/deps.sh test installs libreoffice-calc, locales)"
        exit 1
    fi
    echo "SKIP: no LibreOffice Calc (soffice) or no localedef"
    exit 77
fi
mkdir "$work/locales"
localedef -i de_DE -f UTF-8 "$work/locales/de_DE.UTF-8" >"$work/localedef.log" 2>&1 || true
point=$(LOCPATH="$work/locales" LC_ALL=de_DE.UTF-8 locale -k decimal_point 2>&1)
[ "$point" = 'decimal_point=","' ] || { cat "$work/localedef.log"; echo "no German locale: $point"; exit 1; }

# calc FILE FORMAT [FILTER]: FILE converted by Calc in the German locale to $work/calc/, with a
# fresh profile of its own; Calc's messages in $work/calc.log.
calc() {
    local filter=()
    [ $# -lt 3 ] || filter=("--infilter=$3")
    LOCPATH="$work/locales" LC_ALL=de_DE.UTF-8 LANG=de_DE.UTF-8 HOME="$work/home" \
        timeout 180 soffice --headless --norestore "-env:UserInstallation=file://$work/profile" \
        "${filter[@]}" --convert-to "$2" --outdir "$work/calc" "$1" >>"$work/calc.log" 2>&1 ||
        fail "Calc could not convert ${1##*/}: $(tail -3 "$work/calc.log")"
}

# german COMMAND...: runs COMMAND in the German locale, as a workshop in Germany writes its
# spreadsheets (numbers must not take the locale's decimal comma).
german() { LOCPATH="$work/locales" LC_ALL=de_DE.UTF-8 "$@"; }

python3 "$HM_SOURCE_DIR/tests/e2e/sample_datafile.py" "$work/base.asc"
python3 "$HM_SOURCE_DIR/tests/e2e/overloaded_trailer.py" "$work/base.asc" "$work/heavy.asc"
python3 "$HM_SOURCE_DIR/tests/e2e/ident_datafiles.py" "$work/base.asc" "$work/idents"

# export: every sheet's numbers, texts and dates, and the findings of an overloaded trailer.
german "$bin" export "$work/heavy.asc" --format xlsx -o "$work/export.xlsx" || fail "export xlsx: exit $?"
"$bin" export "$work/heavy.asc" --format json -o "$work/export.json" || fail "export json: exit $?"
calc "$work/export.xlsx" fods
python3 "$HM_SOURCE_DIR/tests/e2e/calc_cells.py" export "$work/calc/export.fods" "$work/export.json" ||
    fail "export.xlsx as Calc reads it"

# table: identifications that look like numbers, dates or formulas, and a 200-character path.
german "$bin" table "$work/idents" --format xlsx -o "$work/table.xlsx" || fail "table xlsx: exit $?"
"$bin" table "$work/idents" --format json -o "$work/table.json" || fail "table json: exit $?"
"$bin" table "$work/idents" -o "$work/table.csv" || fail "table csv: exit $?"
calc "$work/table.xlsx" fods
python3 "$HM_SOURCE_DIR/tests/e2e/calc_cells.py" table "$work/calc/table.fods" "$work/table.json" \
    "$work/idents.json" || fail "table.xlsx as Calc reads it"

# library list: every column of every trailer (identifications as above, visits, figures).
"$bin" library import "$work/idents" >/dev/null || fail "library import: exit $?"
german "$bin" library list --format xlsx -o "$work/list.xlsx" || fail "library list xlsx: exit $?"
"$bin" library list --format json -o "$work/list.json" || fail "library list json: exit $?"
calc "$work/list.xlsx" fods
python3 "$HM_SOURCE_DIR/tests/e2e/calc_cells.py" list "$work/calc/list.fods" "$work/list.json" ||
    fail "list.xlsx as Calc reads it"

# The CSV, imported with the options of docs/export.md: separator comma (44), string delimiter
# " (34), character set UTF-8 (76), from line 1, language English (USA) (1033), quoted field as
# text, no special numbers.
import="Text - txt - csv (StarCalc):44,34,76,1,,1033,true,false"
mv "$work/calc/table.fods" "$work/calc/table-xlsx.fods"
calc "$work/table.csv" fods "$import"
python3 "$HM_SOURCE_DIR/tests/e2e/calc_cells.py" csv "$work/calc/table.fods" "$work/table.json" \
    "$work/idents.json" || fail "table.csv as Calc imports it"
"$bin" export "$work/heavy.asc" -o "$work/export.csv" || fail "export csv: exit $?"
mv "$work/calc/export.fods" "$work/calc/export-xlsx.fods"
calc "$work/export.csv" fods "$import"
python3 "$HM_SOURCE_DIR/tests/e2e/calc_cells.py" export-csv "$work/calc/export.fods" \
    "$work/export.json" || fail "export.csv as Calc imports it"

cli_end "LibreOffice"
