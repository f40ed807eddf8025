#!/usr/bin/env bash
# The trailer library in its SQLite file: `haulmetry library` import, list, history, diff and
# export against real files, and what must not break it: hostile identifications, repeated and
# invalid files, a damaged or newer library file, two importers at once, kill -9 in the middle
# of an import, a full disk and a read-only library.
set -euo pipefail
. "${HM_SOURCE_DIR:?}/tests/support/cli.sh"
export XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config
unset HAULMETRY_LIBRARY
lib=$XDG_DATA_HOME/haulmetry/library.sqlite
files=$HM_SOURCE_DIR/tests/e2e/library_files.py
python3 "$HM_SOURCE_DIR/tests/e2e/sample_datafile.py" "$work/base.asc"
count() { sqlite3 "${2:-$lib}" "SELECT count(*) FROM downloads${1:+ WHERE $1}"; }

# Two visits of one trailer; the workshop comes from the settings.
mkdir -p "$XDG_CONFIG_HOME/haulmetry"
printf 'workshop=North Depot\n' >"$XDG_CONFIG_HOME/haulmetry/library.conf"
python3 "$files" "$work/base.asc" "$work/two" 2 1
"$bin" library import "$work/two" >"$work/out" || fail "import of two visits: exit $?"
grep -qx "2 added, 0 already in the library, 0 waiting in the local queue, 0 skipped" "$work/out" ||
    fail "import summary: $(cat "$work/out")"
[ "$(sqlite3 "$lib" 'PRAGMA journal_mode')" = wal ] || fail "the library is not in WAL mode"
[ "$(count "workshop = 'North Depot' AND source = 'import'")" = 2 ] || fail "workshop or source not stored"
"$bin" library list >"$work/list" || fail "list: exit $?"
grep -Eq '^TRL00000 +2026-01-02T10:00:00 +2 +9912 +3 +100 +160 +0 +North Depot +' "$work/list" ||
    fail "list row: $(cat "$work/list")"
"$bin" library diff TRL00000 >"$work/diff" || fail "diff: exit $?"
grep -q "^graph 2: .*(usage between the downloads)" "$work/diff" || fail "graph 2 is not usage"
grep -qx "  1.5 - 2.0  Bar: 10 (8220 -> 8230)" "$work/diff" || fail "graph 2 usage of one bar"
grep -q "^graph 4: .*(averages, older and newer side by side)" "$work/diff" ||
    fail "graph 4 is not side by side"
"$bin" library diff TRL00000 --from 2026-01-02 >/dev/null 2>"$work/err" &&
    fail "a diff with one download in range succeeded"
grep -q "fewer than two downloads" "$work/err" || fail "diff range message: $(cat "$work/err")"

# Messages follow --language, from the command and from the store alike; data stays as it is.
"$bin" --language de library import "$work/two" >"$work/out" || fail "German import: exit $?"
grep -qx "0 hinzugefügt, 2 bereits im Archiv, 0 warten in der lokalen Warteschlange, 0 übersprungen" \
    "$work/out" || fail "German import summary: $(cat "$work/out")"
"$bin" --language de library history NOSUCH 2>"$work/err" && fail "history of an unknown trailer succeeded"
grep -qx "haulmetry library history: kein Download des Anhängers NOSUCH im Archiv $lib" \
    "$work/err" || fail "German history message: $(cat "$work/err")"
"$bin" --language de library list --format csv | head -1 | grep -q '^ident,last_visit,downloads,distance_km,records,distance_since_km,brake_applications_since,new_records,workshop,brake_applications,' ||
    fail "the CSV header changed with the language"

# Identifications that are not plain text, imported twice with invalid files among them.
python3 - "$work/base.asc" "$work/hostile" <<'PY'
import os, sys
base = open(sys.argv[1], 'rb').read()
out = sys.argv[2]
os.makedirs(out)
idents = [b"A';DROP TABLE x--", b'Q"uote\\%_*', b'ctl\x01\x1b[31m\x7f', b'bad\xff\xfeutf8']
for n, ident in enumerate(idents):
    open('%s/h%d.asc' % (out, n), 'wb').write(base[:8] + ident.ljust(20, b'\0') + base[28:] + b'tail')
open(out + '/short.asc', 'wb').write(base[:100])
open(out + '/badsig.asc', 'wb').write(b'Haulm -' + base[7:])
PY
status=0
"$bin" library import "$work/hostile" "$work/hostile" >"$work/out" 2>"$work/err" || status=$?
[ "$status" = 3 ] || fail "import with invalid files: exit $status, expected 3"
grep -qx "4 added, 4 already in the library, 0 waiting in the local queue, 4 skipped" "$work/out" ||
    fail "hostile import summary: $(cat "$work/out")"
[ "$(grep -c 'short.asc: \|badsig.asc: ' "$work/err")" = 4 ] || fail "skipped files not named: $(cat "$work/err")"
[ "$(count)" = 6 ] || fail "expected 6 rows, found $(count)"
"$bin" library list >"$work/list"
grep -q 'ctl\\x01\\x1B\[31m\\x7F ' "$work/list" || fail "control bytes not escaped in the list"
grep -q 'bad\\xFF\\xFEutf8 ' "$work/list" || fail "non-UTF-8 bytes not escaped in the list"
"$bin" library list --format json | python3 -c 'import json,sys; t=json.load(sys.stdin)["trailers"]; assert len(t) == 5, t' ||
    fail "json list does not parse or has the wrong rows"
"$bin" library history 'bad\xff\xfeutf8' >"$work/out" || fail "history by escaped identification"
"$bin" library history "A';DROP TABLE x--" >/dev/null || fail "history by SQL text"
"$bin" library export $'ctl\x01\x1b[31m\x7f' -o "$work/exported" >/dev/null || fail "export: exit $?"
cmp -n 2484 "$work/exported/"*.asc "$work/hostile/h2.asc" || fail "export is not byte-exact"
"$bin" library export 'ctl\x01\x1b[31m\x7f' -o "$work/exported" >/dev/null
[ "$(ls "$work/exported" | wc -l)" = 2 ] || fail "a second export replaced the first file"
"$bin" library history NOSUCH 2>"$work/err" && fail "history of an unknown trailer succeeded"
grep -q "no download of the trailer NOSUCH" "$work/err" || fail "unknown trailer message"

# A trailer's details: set field by field (the others stay, an empty value clears), every change
# kept with who and when; found by plate (any case, blanks and hyphens) or fleet number; free
# text guarded in CSV; what cannot be one line of text refused with the field named.
set_ok() { "$bin" library set "$@" >"$work/set.out" 2>"$work/set.err" || fail "set $*: $(cat "$work/set.err")"; }
set_refused() {  # set_refused MESSAGE ARGS...
    local want=$1; shift
    "$bin" library set "$@" >/dev/null 2>"$work/set.err" && fail "set $* succeeded"
    grep -q "$want" "$work/set.err" || fail "set $*: $(cat "$work/set.err")"
}
set_ok TRL00000 --plate 'AB-12 CD' --fleet-number '=F17' --customer 'Müller, "K" & Co'
grep -qx '  plate: AB-12 CD' "$work/set.out" || fail "set output: $(cat "$work/set.out")"
set_ok TRL00000 --notes 'brake pads at 30 %'
set_ok 'bad\xff\xfeutf8' --plate 'XY 99' --customer '@cmd'
set_ok "A';DROP TABLE x--" --fleet-number "1'; DELETE FROM trailer_details--"
"$bin" library history 'ab12cd' >"$work/out" || fail "history by plate: exit $?"
grep -qx '  .*  North Depot  plate: AB-12 CD; fleet number: =F17; customer: Müller, "K" & Co; notes: brake pads at 30 %' \
    "$work/out" || fail "details change in the history: $(cat "$work/out")"
[ "$(grep -c '^  20..-..-..T' "$work/out")" = 2 ] || fail "two changes expected: $(cat "$work/out")"
"$bin" library history ' =f17 ' >/dev/null || fail "history by fleet number"
"$bin" library export 'xy-99' -o "$work/by-plate" >/dev/null || fail "export by plate"
cmp -n 2484 "$work/by-plate/"*.asc "$work/hostile/h3.asc" || fail "export by plate: another trailer"
"$bin" library list --format csv >"$work/list.csv"
python3 - "$work/list.csv" <<'PY' || fail "details in the CSV list"
import csv, sys
rows = {r["ident"]: r for r in csv.DictReader(open(sys.argv[1], newline="", encoding="utf-8"))}
t = rows["TRL00000"]
assert (t["plate"], t["fleet_number"], t["customer"], t["notes"]) == (
    "AB-12 CD", "'=F17", 'Müller, "K" & Co', "brake pads at 30 %"), t
assert [r for r in rows.values() if r["plate"] == "XY 99"][0]["customer"] == "'@cmd", rows
PY
"$bin" library list | grep -Eq '^TRL00000 .* AB-12 CD +=F17 +Müller, "K" & Co$' ||
    fail "details in the text list: $("$bin" library list | grep TRL00000)"
set_ok TRL00000 --notes '' --fleet-number ''
"$bin" library list --format json | python3 -c '
import json, sys
t = [r for r in json.load(sys.stdin)["trailers"] if r["ident"] == "TRL00000"][0]
assert (t["plate"], t["fleet_number"], t["notes"]) == ("AB-12 CD", "", ""), t' ||
    fail "cleared fields in the JSON list"
set_ok 'Q"uote\\%_*' --plate 'ab 12-cd'  # a second trailer with that plate
"$bin" library history AB12CD >/dev/null 2>"$work/err" && fail "a plate of two trailers named one"
grep -q 'plate or fleet number of 2 trailers' "$work/err" || fail "two-trailer plate: $(cat "$work/err")"
set_refused 'holds no download' NOSUCH --plate X
set_refused 'nothing to set' TRL00000
set_refused 'plate holds a control character' TRL00000 --plate $'AB\t12'
set_refused 'notes holds a control character' TRL00000 --notes $'one\ntwo'
set_refused 'customer is not UTF-8' TRL00000 --customer $'M\xfcller'
set_refused 'customer is longer than 200' TRL00000 --customer "$(printf 'x%.0s' $(seq 201))"
set_ok TRL00000 --customer "$(printf '=%.0s' $(seq 200))"
[ "$(sqlite3 "$lib" 'SELECT count(*) FROM trailer_details')" = 7 ] || fail "refusals stored a row"

# Identifications that look alike are told apart: a line feed and the text "\x0A", a backslash,
# and a right-to-left override, which is shown escaped and never turns the text around. Each is
# found by history in the form the list shows.
python3 - "$work/base.asc" "$work/alike" <<'PY'
import os, sys
base = open(sys.argv[1], 'rb').read()[:2484]
os.makedirs(sys.argv[2])
idents = {'lf': b'line1\nline2', 'text': b'line1\\x0Aline2', 'rlo': 'abc\u202efdp.exe'.encode()}
for name, ident in idents.items():
    open('%s/%s.asc' % (sys.argv[2], name), 'wb').write(base[:8] + ident.ljust(20, b'\0') + base[28:])
PY
"$bin" library import "$work/alike" >/dev/null || fail "import of look-alike identifications"
"$bin" library list >"$work/list"
grep -q '^line1\\x0Aline2 ' "$work/list" || fail "line feed not shown as \\x0A: $(cat "$work/list")"
grep -q '^line1\\\\x0Aline2 ' "$work/list" || fail "backslash not escaped: $(cat "$work/list")"
grep -q '^abc\\xE2\\x80\\xAEfdp.exe ' "$work/list" || fail "override not escaped: $(cat "$work/list")"
grep -q $'\u202e' "$work/list" && fail "a raw right-to-left override in the list"
for pair in 'line1\x0Aline2:lf.asc' 'line1\\x0Aline2:text.asc' 'abc\xE2\x80\xAEfdp.exe:rlo.asc'; do
    "$bin" library history "${pair%:*}" >"$work/out" || fail "history ${pair%:*}: exit $?"
    [ "$(wc -l <"$work/out")" = 1 ] && grep -q "/${pair#*:}\$" "$work/out" ||
        fail "history ${pair%:*} found $(cat "$work/out")"
done
"$bin" library list --format csv | grep -q '^"line1\\\\x0Aline2",' || fail "backslash not escaped in CSV"

# Two exports of one trailer into one folder at once, many times: every download of both, each
# under its own name (all the downloads were saved in one minute, so they share a name). A
# user's file at the far end of the name range is never written over.
python3 - "$work/base.asc" "$work/race" <<'PY'
import os, struct, sys
base = bytearray(open(sys.argv[1], 'rb').read()[:2484])
os.makedirs(sys.argv[2])
base[8:28] = b'RACE'.ljust(20, b'\0')
struct.pack_into('<8H', base, 2464, 2026, 5, 1, 4, 8, 30, 0, 0)
for n in range(30):
    struct.pack_into('<I', base, 92, 1000 + n)
    open('%s/r%02d.asc' % (sys.argv[2], n), 'wb').write(base)
PY
"$bin" library import "$work/race" >/dev/null || fail "import of the race downloads"
for round in $(seq 8); do
    out=$work/exports-$round
    "$bin" library export RACE -o "$out" >"$work/e1" 2>&1 &
    one=$!
    "$bin" library export RACE -o "$out" >"$work/e2" 2>&1 || fail "round $round: second export: $(cat "$work/e2")"
    wait $one || fail "round $round: first export: $(cat "$work/e1")"
    [ "$(ls "$out" | wc -l)" = 60 ] || fail "round $round: $(ls "$out" | wc -l) files of 60"
    [ "$(sort "$work/e1" "$work/e2" | uniq -d | wc -l)" = 0 ] || fail "round $round: one name given twice"
    [ "$(sha256sum "$out"/* | awk '{print $1}' | sort | uniq -c | awk '$1 != 2' | wc -l)" = 0 ] ||
        fail "round $round: not every download exported twice"
done
stem="Haulmetry RACE - 04052026-0830"
mkdir "$work/range"
printf 'first\n' >"$work/range/$stem.asc"
printf '23 bytes of the user\x27s.' >"$work/range/$stem (99999).asc"
"$bin" library export RACE -o "$work/range" >/dev/null || fail "export beside a full name range"
[ "$(cat "$work/range/$stem (99999).asc")" = "23 bytes of the user's." ] || fail "the user's (99999) was written over"
[ -f "$work/range/$stem (100029).asc" ] && [ "$(ls "$work/range" | wc -l)" = 32 ] ||
    fail "export beside a full name range: $(ls "$work/range" | tail -3)"

# Two importers at once on one file, then kill -9 in the middle of a large import.
python3 "$files" "$work/base.asc" "$work/many" 2000 200
"$bin" library import "$work/many" >/dev/null &
first=$!
"$bin" library import "$work/many" >/dev/null || fail "second concurrent importer failed"
wait $first || fail "first concurrent importer failed"
[ "$(count "CAST(ident AS TEXT) LIKE 'TRL%'")" = 2000 ] || fail "concurrent imports: $(count "CAST(ident AS TEXT) LIKE 'TRL%'") rows, expected 2000"
python3 "$files" "$work/base.asc" "$work/more" 10000 1000 0 KIL
"$bin" library import "$work/more" >/dev/null 2>&1 &
victim=$!
for _ in $(seq 1 500); do
    [ "$(stat -c %s "$lib-wal" 2>/dev/null || echo 0)" -gt 1000000 ] && break
    sleep 0.01
done
kill -9 $victim 2>/dev/null || true
wait $victim 2>/dev/null || true
[ "$(sqlite3 "$lib" 'PRAGMA integrity_check')" = ok ] || fail "library damaged after kill -9"
echo "rows of the killed import that were committed: $(count "CAST(ident AS TEXT) LIKE 'KIL%'")"
"$bin" library list >/dev/null || fail "list after kill -9: exit $?"
"$bin" library import "$work/more" >/dev/null || fail "re-import after kill -9: exit $?"
[ "$(count "CAST(ident AS TEXT) LIKE 'KIL%'")" = 10000 ] || fail "re-import after kill -9: $(count "CAST(ident AS TEXT) LIKE 'KIL%'") rows"
# The per-trailer summary the fleet view reads agrees with the downloads after all of that.
[ "$(sqlite3 "$lib" 'SELECT SUM(downloads) FROM trailers')" = "$(count)" ] ||
    fail "trailers count $(sqlite3 "$lib" 'SELECT SUM(downloads) FROM trailers') downloads, the library $(count)"

# A damaged file, an SQLite file of other use, a newer schema: refused and left as they are.
check_refused() {
    local file=$1 want=$2 before
    before=$(sha256sum "$file")
    "$bin" library list --library "$file" >/dev/null 2>"$work/err" && fail "$file was opened"
    grep -q "$want" "$work/err" || fail "$file: message $(cat "$work/err")"
    [ "$(sha256sum "$file")" = "$before" ] || fail "$file was changed"
}
head -c 8192 /dev/urandom >"$work/noise.sqlite"
check_refused "$work/noise.sqlite" "damaged or not a library"
sqlite3 "$work/other.sqlite" "CREATE TABLE t (x)"
check_refused "$work/other.sqlite" "not a Haulmetry library"
cp "$lib" "$work/newer.sqlite"
sqlite3 "$work/newer.sqlite" "UPDATE haulmetry_schema SET version = 99"
check_refused "$work/newer.sqlite" "newer Haulmetry (library schema 99"

# A full disk, then the same library read-only: clear messages, the library stays readable.
small=$work/small
mkdir "$small"
if mount -t tmpfs -o size=600k tmpfs "$small" 2>/dev/null; then
    cli_cleanup_extra() { umount "$small" 2>/dev/null || true; }
    "$bin" library import --library "$small/lib.sqlite" "$work/two" >/dev/null || fail "small import"
    "$bin" library import --library "$small/lib.sqlite" "$work/many" >/dev/null 2>"$work/err" &&
        fail "import onto a full disk succeeded"
    grep -q "full" "$work/err" || fail "full disk message: $(cat "$work/err")"
    [ "$(count "" "$small/lib.sqlite")" = 2 ] || fail "library changed by the failed import"
    mount -o remount,ro "$small"
    "$bin" library list --library "$small/lib.sqlite" | grep -q '^TRL00000 ' || fail "read-only list"
    "$bin" library import --library "$small/lib.sqlite" "$work/hostile/h0.asc" >/dev/null 2>"$work/err" &&
        fail "import into a read-only library succeeded"
    grep -q "read-only" "$work/err" || fail "read-only message: $(cat "$work/err")"
elif [ -n "${CI:-}" ]; then
    fail "cannot mount a small tmpfs for the full-disk check"
fi
cli_end "library (SQLite)"
