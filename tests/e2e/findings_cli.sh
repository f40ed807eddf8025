#!/usr/bin/env bash
# `haulmetry findings` and the figures and findings of `haulmetry export` on crafted data files:
# the default rules' sentences in English and German, the exit statuses a script branches on
# (0 none, 4 findings, 2 bad rules file with its line, 1 bad data file), the change since an
# older download (--since) with an erased ECU, the user's rules file, and exact integers in the
# export beside the bar values that pass through the graph's floats.
set -euo pipefail
. "${HM_SOURCE_DIR:?}/tests/support/cli.sh"
here=$(cd "$(dirname "$0")" && pwd)
export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/run"
mkdir -m 700 "$work/run"
python3 "$here/findings_cli.py" "$work"

# run EXPECTED-STATUS ARGS...: runs haulmetry with ARGS, output in $work/out, $work/err.
run() {
    local expected=$1 status=0
    shift
    "$bin" "$@" >"$work/out" 2>"$work/err" || status=$?
    [ "$status" = "$expected" ] || fail "haulmetry $*: exit $status, not $expected: $(cat "$work/err")"
}

# 1. The default rules, in English and in German.
run 4 findings "$work/overloaded.asc"
[ "$(cat "$work/out")" = "Attention: Driven overloaded for 380 km (4.1 % of the distance)" ] ||
    fail "overload finding: $(cat "$work/out")"
run 4 --language de findings "$work/overloaded.asc"
[ "$(cat "$work/out")" = "Achtung: 380 km überladen gefahren (4.1 % der Strecke)" ] ||
    fail "German overload finding: $(cat "$work/out")"
run 0 findings "$work/empty.asc"
[ "$(cat "$work/out")" = "No findings." ] || fail "no findings: $(cat "$work/out")"

# 2. The change since an older download: ABS events per 1000 km, the roll-over; an erase between
# the visits is said, and nothing goes negative.
run 4 findings "$work/after.asc" --since "$work/before.asc"
grep -qxF "Attention: ABS events since the last visit: 11 (5.5 per 1000 km)" "$work/out" ||
    fail "ABS since the last visit: $(cat "$work/out")"
grep -qxF "Attention: Roll-over events since the last visit: 1" "$work/out" ||
    fail "roll-over since the last visit: $(cat "$work/out")"
run 0 findings "$work/after.asc"  # one download only: no change, no finding about it
run 4 findings "$work/erased.asc" --since "$work/after.asc" --format json
python3 - "$work/out" <<'PY' || fail "erased ECU in JSON"
import json, sys
doc = json.load(open(sys.argv[1]))
assert doc["sinceLastVisit"] is True
assert [f["message"] for f in doc["findings"]] == ["counters-reset"], doc["findings"]
assert doc["figures"]["distance_km"] == 400
PY

# 3. Rules files: the user's file replaces the defaults; a bad one is exit 2 with its line.
mkdir -p "$XDG_CONFIG_HOME/haulmetry"
printf '# only hard braking\ninfo hard_braking_applications share brake_applications > 20 %%\n' \
    >"$XDG_CONFIG_HOME/haulmetry/findings.conf"
run 0 findings "$work/overloaded.asc"
run 4 findings "$work/saturated.asc"
[ "$(cat "$work/out")" = "Info: hard_braking_applications: 17179869180 (25.0 % of the brake applications)" ] ||
    fail "the user's rule: $(cat "$work/out")"
printf 'info distance_km > 0\n\nattention abs_events per-1000-km > 2,5\n' >"$work/bad.conf"
run 2 findings "$work/overloaded.asc" --rules "$work/bad.conf"
grep -qxF "haulmetry findings: $work/bad.conf:3: bad number \"2,5\" (write a decimal point, such as 2.5)" \
    "$work/err" || fail "bad rule message: $(cat "$work/err")"
[ ! -s "$work/out" ] || fail "output despite a bad rules file"
run 2 export "$work/overloaded.asc" --rules "$work/bad.conf"
run 2 findings "$work/overloaded.asc" --rules "$work/missing.conf"
printf 'info distance_km >= 0\n' >"$work/always.conf"
run 4 findings "$work/empty.asc" --rules "$work/always.conf"
grep -qF "always.conf:1: warning: this rule holds for every download" "$work/err" ||
    fail "no warning for a rule that always holds: $(cat "$work/err")"
run 1 findings "$work/missing.asc"
run 1 findings "$work/empty.asc" --format xml
rm "$XDG_CONFIG_HOME/haulmetry/findings.conf"

# 4. Export: the exact figures and findings; raw integers beside the bar values.
run 0 export "$work/saturated.asc" --format csv -o "$work/saturated.csv"
run 0 export "$work/saturated.asc" --format json -o "$work/saturated.json"
run 0 export "$work/overloaded.asc" --format json -o "$work/overloaded.json"
python3 - "$work" <<'PY' || fail "export figures"
import csv, json, sys
w = sys.argv[1]
rows = list(csv.DictReader(open(f"{w}/saturated.csv", newline="")))
doc = json.load(open(f"{w}/saturated.json"))
# Graph 2's bars: the value as the window shows it (a float), the raw count exact.
bar = [r for r in rows if r["kind"] == "bar" and r["graph"] == "2" and r["index"] == "0"][0]
assert bar["raw_value"] == "4294967295" and bar["raw_unit"] == "count", bar
jbar = doc["graphs"][1]["bars"][0]
assert jbar["rawValue"] == 4294967295 and doc["graphs"][1]["rawUnit"] == "count", jbar
figures = {r["name"]: r["value"] for r in rows if r["kind"] == "figure"}
assert figures["brake_applications"] == "68719476720", figures
assert figures["hard_braking_applications"] == "17179869180", figures
assert doc["figures"]["brake_applications"] == 68719476720
assert doc["schemaVersion"] == 1
over = json.load(open(f"{w}/overloaded.json"))
assert over["figures"]["overload_km"] == 380 and over["figures"]["load_km"] == 9268
(finding,) = over["findings"]
assert finding["severity"] == "attention" and finding["message"] == "overload", finding
assert finding["text"] == "Driven overloaded for 380 km (4.1 % of the distance)", finding
# The columns that were there stay in their place.
header = open(f"{w}/saturated.csv").readline().strip().split(",")
assert header[:11] == ["kind", "graph", "index", "name", "label", "from", "to", "range_unit",
                       "value", "second_value", "unit"], header
PY

# 5. The change in `library diff`: the whole usage of a distance graph, current interval included;
# columns before the first interval are left out, not shown as zero.
export XDG_DATA_HOME="$work/data"
unset HAULMETRY_LIBRARY
run 0 library import "$work/before.asc" "$work/after.asc"
run 0 library diff TRAILER1
grep -qxF "  since the older download: 11, of them 1 in the current interval" "$work/out" ||
    fail "diff of graph 7: $(grep -A30 '^graph 7' "$work/out")"
grep -q "No Data" "$work/out" && fail "diff shows columns without an interval"

cli_end "findings"
