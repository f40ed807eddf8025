#!/usr/bin/env bash
# Every subcommand writes the same bytes in a German and a French locale (decimal comma) as in
# the C locale: export (JSON that parses, CSV rows of one column count), table, graph, records,
# summary, the text export, pages as PNG and the report's text. The locales are compiled with
# localedef into the scratch folder and used through LOCPATH, so no system locale is needed.
set -euo pipefail
. "${HM_SOURCE_DIR:?}/tests/support/cli.sh"
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work/run"
mkdir -m 700 "$work/run"

command -v localedef >/dev/null && [ -f /usr/share/i18n/locales/de_DE ] &&
    [ -f /usr/share/i18n/locales/fr_FR ] || { echo "locale_numbers: localedef or locales missing"; exit 77; }
mkdir "$work/locales"
for l in de_DE fr_FR; do
    # localedef exits 1 after mere warnings; the check below judges the result.
    localedef -i "$l" -f UTF-8 "$work/locales/$l.UTF-8" >"$work/localedef-$l.log" 2>&1 &
done
wait
export LOCPATH="$work/locales"
for l in de_DE fr_FR; do
    point=$(LC_ALL=$l.UTF-8 locale -k decimal_point 2>&1)
    [ "$point" = 'decimal_point=","' ] || { cat "$work/localedef-$l.log"; echo "no $l locale: $point"; exit 1; }
done

data="$work/t.asc"
python3 "$HM_SOURCE_DIR/tests/e2e/sample_datafile.py" "$data"

# outputs LOCALE DIR: every output of the data file under LOCALE, one file each in DIR.
outputs() {
    local dir=$2 n
    mkdir "$dir"
    (
        export LC_ALL=$1
        "$bin" export "$data" --format json -o "$dir/export.json"
        "$bin" export "$data" --format csv -o "$dir/export.csv"
        "$bin" table "$data" --format json -o "$dir/table.json"
        "$bin" table "$data" -o "$dir/table.csv"
        "$bin" export-text "$data" -o "$dir/export.txt"
        for n in 0 1 2 3 4 5 6 7 8 9 10; do "$bin" graph "$data" "$n" >"$dir/graph-$n"; done
        "$bin" records "$data" >"$dir/records"
        "$bin" summary "$data" >"$dir/summary"
        for n in 1 4 10; do "$bin" page "$data" --graph "$n" -o "$dir/graph-$n.png"; done
        "$bin" page "$data" --record 1 -o "$dir/record-1.png"
        "$bin" report "$data" -o "$dir/report.pdf"
        pdftotext -layout "$dir/report.pdf" "$dir/report.txt"
        rm "$dir/report.pdf"  # its bytes hold the time of writing
    ) 2>"$dir.err" || { cat "$dir.err"; fail "$1: a command failed"; }
}

outputs C "$work/C"
grep -q '"stabilitySensorOutput": -0.35' "$work/C/export.json" || fail "no fractional number to compare"
for l in de_DE.UTF-8 fr_FR.UTF-8; do
    outputs "$l" "$work/$l"
    for f in "$work/C"/*; do
        cmp -s "$f" "$work/$l/${f##*/}" || fail "$l: ${f##*/} differs from the C locale's"
    done
    for f in export.json table.json; do
        python3 -m json.tool "$work/$l/$f" >/dev/null 2>&1 || fail "$l: $f is not JSON"
    done
    for f in export.csv table.csv; do
        counts=$(python3 -c 'import csv, sys
print(sorted({len(r) for r in csv.reader(open(sys.argv[1], newline=""))}))' "$work/$l/$f")
        [[ $counts =~ ^\[[0-9]+\]$ ]] || fail "$l: $f rows have $counts columns"
    done
done
cli_end "locale"
