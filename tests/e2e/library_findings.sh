#!/usr/bin/env bash
# `library list` with the figures and `library findings` against a real SQLite library: an
# overloaded trailer (two visits, the second 500 km more at 100 % load) and a plain one. The
# findings, their count per trailer in every format, the change since the visit before, the exit
# status a script branches on (0 none, 4 some, 2 a bad rules file) and the fleet's percentiles.
set -euo pipefail
. "${HM_SOURCE_DIR:?}/tests/support/cli.sh"
export XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config
unset HAULMETRY_LIBRARY
python3 "$HM_SOURCE_DIR/tests/e2e/sample_datafile.py" "$work/base.asc"
python3 "$HM_SOURCE_DIR/tests/e2e/overloaded_trailer.py" "$work/base.asc" "$work/heavy2.asc"
mkdir -p "$work/in"
python3 - "$work/base.asc" "$work/heavy2.asc" "$work/in" <<'PY'
import struct, sys
base, heavy, out = open(sys.argv[1], 'rb').read(), open(sys.argv[2], 'rb').read(), sys.argv[3]
def saved(image, day):
    image = bytearray(image)
    struct.pack_into('<8H', image, 2464, 2026, 5, 1, day, 9, 0, 0, 0)
    return bytes(image)
# The overloaded trailer's first visit: its identification, 500 km less in the 100 % load bin.
first = bytearray(heavy)
(km,) = struct.unpack_from('<I', first, 796 + 40)
struct.pack_into('<I', first, 796 + 40, km - 500)
plain = bytearray(base)
plain[8:28] = b'PLAIN'.ljust(20, b'\0')
for name, image, day in (('h1', first, 1), ('h2', heavy, 2), ('p1', plain, 1)):
    open('%s/%s.asc' % (out, name), 'wb').write(saved(image, day))
PY
"$bin" library import "$work/in" >/dev/null || fail "import: exit $?"

status=0
"$bin" library findings >"$work/out" || status=$?
[ "$status" = 4 ] || fail "findings of the fleet: exit $status, expected 4"
grep -A3 '^OVL00001 ' "$work/out" | grep -q 'Attention: Driven overloaded for 770 km' ||
    fail "no overload finding: $(cat "$work/out")"
grep -q '^Fleet of 2 trailer(s): median and 90th percentile per figure$' "$work/out" ||
    fail "no fleet percentiles"
grep -Eq '^  overload_km +percent +2 ' "$work/out" || fail "no overload share of the fleet"

# One trailer, as JSON; the same with rules that give nothing exits 0.
status=0
"$bin" library findings OVL00001 --format json >"$work/one.json" || status=$?
[ "$status" = 4 ] || fail "findings of one trailer: exit $status"
python3 - "$work/one.json" <<'PY' || fail "findings JSON: $(cat "$work/one.json")"
import json, sys
d = json.load(open(sys.argv[1]))
assert [t['ident'] for t in d['trailers']] == ['OVL00001'], d
f = [x for x in d['trailers'][0]['findings'] if x['message'] == 'overload']
assert f and f[0]['value'] == 770 and f[0]['severity'] == 'attention', f
assert f[0]['text'].startswith('Driven overloaded for 770 km'), f
PY
: >"$work/none.conf"
"$bin" library findings PLAIN --rules "$work/none.conf" >"$work/out" || fail "no rules: exit $?"
grep -qx '  no findings' "$work/out" || fail "no rules gave findings: $(cat "$work/out")"
printf 'attention overload_km share load_km > two %%\n' >"$work/bad.conf"
status=0
"$bin" library findings --rules "$work/bad.conf" 2>"$work/err" >/dev/null || status=$?
[ "$status" = 2 ] || fail "a bad rules file: exit $status, expected 2"
grep -q "bad.conf:1: " "$work/err" || fail "the bad rule's line is not named: $(cat "$work/err")"
"$bin" library list --rules "$work/bad.conf" >/dev/null 2>&1 && fail "list took a bad rules file"

# The list: the figures, the change since the visit before, the findings, in every format.
"$bin" library list --format json >"$work/list.json" || fail "list json: exit $?"
python3 - "$work/list.json" <<'PY' || fail "list JSON: $(cat "$work/list.json")"
import json, sys
rows = {t['ident']: t for t in json.load(open(sys.argv[1]))['trailers']}
heavy, plain = rows['OVL00001'], rows['PLAIN']
assert heavy['overload_km'] == 770 and heavy['overload_km_since'] == 500, heavy
assert heavy['distance_since_km'] == 0 and heavy['counters_reset'] == 0, heavy
assert heavy['attention'] >= 1 and heavy['findings'] >= heavy['attention'], heavy
assert plain['overload_km_since'] is None and plain['counters_reset'] is None, plain
assert plain['brake_time_s'] == heavy['brake_time_s'], (plain, heavy)
PY
"$bin" library list --format csv | python3 -c '
import csv, sys
rows = {r["ident"]: r for r in csv.DictReader(sys.stdin)}
assert rows["OVL00001"]["overload_km_since"] == "500", rows
assert rows["PLAIN"]["overload_km_since"] == "", rows' || fail "list CSV"
"$bin" library list | grep -Eq '^OVL00001 .* 770 +0 +0 +[0-9]+ +[0-9]+ +- +- +-$' ||  # no details
    fail "list text: $("$bin" library list)"
cli_end "library findings"
