#!/usr/bin/env bash
# `haulmetry report`, `export` and `table` on the demo vehicle (downloaded from the virtual ECU):
# the report has a cover, ten graph pages and one page per record, each page's text equal to the
# single page of `haulmetry page`; export and table output parse as CSV and JSON with every value
# equal to what `haulmetry graph` and `haulmetry summary` print; skipped files and folders and
# exit statuses.
set -euo pipefail
bin="${HM_BIN_DIR:?}/haulmetry"
sim="${HM_BIN_DIR:?}/haulmetry-ecusim"
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
simpid=
cleanup() {
    [ -n "$simpid" ] && kill "$simpid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
unset DISPLAY WAYLAND_DISPLAY
# A home of its own: no library or settings of the user are read.
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work/run" HOME="$work" XDG_DATA_HOME="$work/data" \
    XDG_CONFIG_HOME="$work/config"
mkdir -m 700 "$work/run"
fail() { echo "FAIL: $*" >&2; exit 1; }

# The demo vehicle, as a download saves it.
"$sim" >"$work/sim.out" 2>"$work/sim.err" &
simpid=$!
for _ in $(seq 50); do [ -s "$work/sim.out" ] && break; sleep 0.1; done
dev=$(head -n 1 "$work/sim.out")
"$bin" download --port "$dev" -o "$work/demo.asc" 2>"$work/dl.err" || fail "download: $(cat "$work/dl.err")"
kill "$simpid" && wait "$simpid" 2>/dev/null || true
simpid=
demo="$work/demo.asc"

# 1. Report: cover, findings, ten graph pages, eleven record pages and the page to sign, each
# graph and record page equal in text to its single page.
"$bin" report "$demo" -o "$work/report.pdf" || fail "report"
pages=$(pdfinfo "$work/report.pdf" | awk '/^Pages:/ {print $2}')
[ "$pages" = 24 ] || fail "report has $pages pages, not 24"
pdftotext -f 1 -l 1 "$work/report.pdf" "$work/cover.txt"
for text in "Fleet Data Report" "demo.asc" "Summary Totals" "Distance driven" "1 of 24"; do
    grep -qF "$text" "$work/cover.txt" || fail "cover lacks '$text'"
done
pdftotext -f 2 -l 2 "$work/report.pdf" "$work/findings.txt"
for text in "Findings" "The library holds no visit of this trailer" "2 of 24"; do
    grep -qF "$text" "$work/findings.txt" || fail "findings page lacks '$text'"
done
pdftotext -f 24 -l 24 "$work/report.pdf" "$work/signoff.txt"
grep -qF "Signature" "$work/signoff.txt" || fail "last page has no signature line"
python3 "$here/footer_at_foot.py" "$work/report.pdf" || fail "report footer"
for n in $(seq 3 23); do
    if [ "$n" -le 12 ]; then what=(--graph $((n - 2))); else what=(--record $((n - 12))); fi
    "$bin" page "$demo" "${what[@]}" -o "$work/single.pdf" || fail "page ${what[*]}"
    # In drawing order (-raw): the layout order of the rotated texts depends on the rest of the page.
    pdftotext -raw "$work/single.pdf" "$work/single.txt"
    pdftotext -raw -f "$n" -l "$n" "$work/report.pdf" "$work/page.txt"
    grep -qxF "$n of 24" "$work/page.txt" || fail "page $n has no footer '$n of 24'"
    grep -vxF "$n of 24" "$work/page.txt" | grep -v '^$' >"$work/page.body" || true
    grep -v '^$' "$work/single.txt" >"$work/single.body" || true
    cmp -s "$work/page.body" "$work/single.body" ||
        { diff "$work/single.body" "$work/page.body" | head -20; fail "page $n differs from page ${what[*]}"; }
done

# 2. Export as CSV and JSON against `haulmetry graph` and `haulmetry summary`.
for g in $(seq 1 10); do "$bin" graph "$demo" "$g" >"$work/graph$g.txt"; done
"$bin" summary "$demo" >"$work/summary.txt"
"$bin" export "$demo" --format csv -o "$work/demo.csv" || fail "export csv"
"$bin" export "$demo" --format json -o - >"$work/demo.json" || fail "export json"
"$bin" records "$demo" >"$work/records.txt"

# 3. Table over files and folders, with a file that is not a data file and one that is missing.
mkdir -p "$work/fleet/sub"
cp "$demo" "$work/fleet/a.asc"
python3 "$here/sample_datafile.py" "$work/fleet/sub/trip.asc"
head -c 3000 /dev/urandom >"$work/fleet/broken.asc"
echo notes >"$work/fleet/notes.txt"
status=0
"$bin" table "$work/fleet" "$work/missing.asc" --recursive -o "$work/table.csv" 2>"$work/table.err" || status=$?
[ "$status" = 0 ] || fail "table exit $status"
[ "$(wc -l <"$work/table.err")" = 2 ] || fail "table stderr: $(cat "$work/table.err")"
grep -q "broken.asc: " "$work/table.err" || fail "broken file not reported"
grep -q "missing.asc: cannot open" "$work/table.err" || fail "missing file not reported"
"$bin" table "$work/fleet" --format json >"$work/table.json" 2>/dev/null || fail "table json"
"$bin" summary "$work/fleet/sub/trip.asc" >"$work/summary-trip.txt"
status=0
"$bin" table "$work/fleet/broken.asc" "$work/fleet/notes.txt" >"$work/none.csv" 2>/dev/null || status=$?
[ "$status" = 1 ] || fail "table without a readable file: exit $status"

# Folders that cannot be listed (here: no permission, which holds only for a user other than
# root) are each named on standard error; the walk goes on with the others and exits 3.
mkdir -p "$work/walk/a/locked" "$work/walk/b/c" "$work/walk/b/locked"
for f in a/1 a/locked/hidden b/c/2 z; do cp "$demo" "$work/walk/$f.asc"; done
chmod 000 "$work/walk/a/locked" "$work/walk/b/locked"
as_user=()
if [ "$(id -u)" = 0 ]; then
    chmod o+rx "$work"
    as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups env -u XDG_RUNTIME_DIR HOME=/)
fi
if [ "$(id -u)" = 0 ] && ! "${as_user[@]}" test -x "$bin" 2>/dev/null; then
    echo "note: unlistable folders not checked (no setpriv, or $bin not reachable for nobody)"
else
    status=0
    "${as_user[@]}" "$bin" table "$work/walk" --recursive >"$work/walk.csv" 2>"$work/walk.err" ||
        status=$?
    [ "$status" = 3 ] || fail "table with unlistable folders: exit $status"
    for d in a/locked b/locked; do
        grep -qxF "haulmetry table: $work/walk/$d: cannot list the folder: Permission denied" \
            "$work/walk.err" || fail "$d not named: $(cat "$work/walk.err")"
    done
    [ "$(wc -l <"$work/walk.csv")" = 4 ] || fail "unlistable folders: $(cat "$work/walk.csv")"
fi
chmod 755 "$work/walk/a/locked" "$work/walk/b/locked"

# A tree deeper than the limit of open files: the walk keeps one folder open at a time, so it
# reads every file.
deep="$work/deep"
for i in $(seq 30); do deep="$deep/d$i" && mkdir -p "$deep" && cp "$demo" "$deep/f$i.asc"; done
(ulimit -n 16 && "$bin" table "$work/deep" --recursive >"$work/deep.csv" 2>"$work/deep.err") ||
    fail "deep walk: exit $?: $(cat "$work/deep.err")"
[ "$(wc -l <"$work/deep.csv")" = 31 ] && [ ! -s "$work/deep.err" ] ||
    fail "deep walk: $(($(wc -l <"$work/deep.csv") - 1)) rows: $(cat "$work/deep.err")"

python3 - "$work" <<'PY' || fail "export or table values differ"
import csv, json, re, sys
w = sys.argv[1]

def graph_tips(g):
    tips = {}
    for line in open(f"{w}/graph{g}.txt"):
        m = re.match(r"bar (\d+)=(.*)$", line.rstrip("\n"))
        if m:
            tips[int(m.group(1))] = m.group(2)
    return tips

def summary(path):
    return [int(re.search(r"\t(-?\d+)", l).group(1)) for l in open(path) if "\t" in l]

keys = ["distanceKm", "reservoirDistanceKm", "loadDistanceKm", "appsByPressure", "appsBySpeed",
        "appsByDistance", "absByDistance", "rollByDistance"]
totals = summary(f"{w}/summary.txt")
rows = list(csv.DictReader(open(f"{w}/demo.csv", newline="")))
doc = json.load(open(f"{w}/demo.json"))
assert doc["schemaVersion"] == 1
ident = {r["name"]: r["value"] for r in rows if r["kind"] == "identification"}
assert ident["fileName"] == doc["fileName"] == "demo.asc", ident
assert ident["vehicleIdent"] == doc["vehicleIdent"] and ident["vehicleIdent"]
assert re.fullmatch(r"\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d", ident["savedAt"]), ident
assert ident["savedAt"] == doc["savedAt"]
csv_totals = [int(r["value"]) for r in rows if r["kind"] == "total"]
assert csv_totals == totals == [doc["summary"][k] for k in keys], (csv_totals, totals)

checked = 0
for g in range(1, 11):
    tips = graph_tips(g)
    bars = [r for r in rows if r["kind"] == "bar" and r["graph"] == str(g)]
    jbars = doc["graphs"][g - 1]["bars"]
    assert len(bars) == len(jbars) == len(tips) == (28 if g in (6, 7, 8) else 16), g
    title = open(f"{w}/graph{g}.txt").readline().rstrip("\n").split("=", 1)[1]
    assert doc["graphs"][g - 1]["title"] == title == bars[0]["name"]
    for r, j in zip(bars, jbars):
        i = int(r["index"])
        if g == 6:
            first, second = re.fullmatch(r"(\S+)  \((\S+)\)", tips[i]).groups()
            assert float(r["second_value"]) == float(second) == j["secondValue"], (g, i)
        else:
            first = tips[i]
        assert float(r["value"]) == float(first) == j["value"], (g, i, r["value"], first)
        assert r["label"] == j["label"]
        checked += 1
assert checked == 10 * 16 + 3 * 12

# One record entry per stored record, numbered like `haulmetry records` lists them.
stored = open(f"{w}/records.txt").read().count("\n\n")
assert len(doc["stabilityRecords"]) == stored == 11, stored
assert int(ident["stabilityRecordCount"]) == stored
record_rows = {r["index"] for r in rows if r["kind"] == "record"}
assert record_rows == {str(n) for n in range(1, stored + 1)}

table = list(csv.DictReader(open(f"{w}/table.csv", newline="")))
assert [t["path"] for t in table] == [f"{w}/fleet/a.asc", f"{w}/fleet/sub/trip.asc"], table
assert [int(table[0][k]) for k in keys] == totals
assert [int(table[1][k]) for k in keys] == summary(f"{w}/summary-trip.txt")
assert int(table[0]["stabilityRecords"]) == 11 and int(table[1]["stabilityRecords"]) == 3
assert table[0]["vehicleIdent"] == ident["vehicleIdent"]
jtable = json.load(open(f"{w}/table.json"))
assert jtable["schemaVersion"] == 1
assert [f["path"] for f in jtable["files"]] == [f"{w}/fleet/a.asc"]  # not recursive
assert [jtable["files"][0][k] for k in keys] == totals
assert list(csv.reader(open(f"{w}/none.csv", newline=""))) == [list(table[0].keys())]
print("values checked:", checked, "bars,", stored, "records")
PY

# 4. Any bytes behind a valid signature and block size (identification with quotes, commas,
# control and non-UTF-8 bytes; impossible dates; counts beyond 32): still valid CSV and JSON.
mkdir "$work/random"
python3 - "$work/random" <<'PY'
import os, random, struct, sys
rng = random.Random(14)
for n in range(12):
    data = bytearray(rng.getrandbits(8) for _ in range(2484))
    data[0:8] = b"Haulm +\0"
    data[8:28] = bytes(rng.choice(b'",\r\n=\x00\x01\xe9\xff\\aZ ') for _ in range(20))
    struct.pack_into("<i", data, 2480, 2484)
    open(os.path.join(sys.argv[1], "r%02d.asc" % n), "wb").write(data)
PY
for f in "$work"/random/*.asc; do
    "$bin" export "$f" --format csv >"$f.csv" || fail "export csv of $f"
    "$bin" export "$f" --format json >"$f.json" || fail "export json of $f"
done
"$bin" table "$work/random" --format json >"$work/random.json" || fail "table json of random files"
"$bin" table "$work/random" >"$work/random.csv" || fail "table csv of random files"
python3 - "$work" <<'PY' || fail "random files give invalid CSV or JSON"
import csv, glob, json, sys
w = sys.argv[1]
for f in sorted(glob.glob(f"{w}/random/*.asc")):
    rows = list(csv.reader(open(f + ".csv", newline="", encoding="utf-8")))
    assert all(len(r) == 17 for r in rows), f
    doc = json.load(open(f + ".json", encoding="utf-8"))
    assert len(doc["stabilityRecords"]) <= 32 and len(doc["graphs"]) == 10
    assert sum(1 for r in rows if r[0] == "bar") == 196
assert len(json.load(open(f"{w}/random.json"))["files"]) == 12
assert len(list(csv.reader(open(f"{w}/random.csv", newline="", encoding="utf-8")))) == 13
PY

# 5. Failures: one line on standard error, exit 1, no output file left behind.
expect_failure() {
    local name=$1
    shift
    local rc=0
    "$bin" "$@" 2>"$work/err" >/dev/null || rc=$?
    [ "$rc" = 1 ] || fail "$name: exit $rc"
    [ "$(wc -l <"$work/err")" = 1 ] || fail "$name: stderr is not one line: $(cat "$work/err")"
}
expect_failure "report of a broken file" report "$work/fleet/broken.asc" -o "$work/x.pdf"
expect_failure "report without -o" report "$demo"
expect_failure "report to a missing folder" report "$demo" -o "$work/no/such/x.pdf"
expect_failure "export format" export "$demo" --format xml
expect_failure "export to a missing folder" export "$demo" -o "$work/no/such/x.csv"
expect_failure "table without paths" table
[ ! -e "$work/x.pdf" ] || fail "output written on failure"
echo "report, export, table: ok"
