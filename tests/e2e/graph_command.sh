#!/usr/bin/env bash
# haulmetry graph FILE N: the display texts and bar tooltips of a data file, and its errors.
set -euo pipefail
bin="$HM_BIN_DIR/haulmetry"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A data file: signature, brakeTime[0] = 250, brakeCount[0] = 2, intervalCount = 30,
# brakeApps ring slot 2 = 7 with 3 of them on the 24N supply, block size 2484.
python3 - "$work/t.asc" <<'PY'
import struct, sys
b = bytearray(2484)
b[0:8] = b"Haulm +\0"
struct.pack_into("<I", b, 28, 250)
struct.pack_into("<I", b, 92, 2)
struct.pack_into("<I", b, 412 + 29 * 4, 30)
struct.pack_into("<I", b, 284 + 2 * 4, 7)
struct.pack_into("<I", b, 412 + 2 * 4, 3)
struct.pack_into("<i", b, 2480, 2484)
open(sys.argv[1], "wb").write(b)
PY
out=$("$bin" graph "$work/t.asc" 1)
[ "$(echo "$out" | sed -n 1p)" = "title=1.  Average Braking Time v Peak Demand Pressure" ]
echo "$out" | grep -qx 'top=1.25'
echo "$out" | grep -qx 'bottom=0.00'
echo "$out" | grep -qx 'left='
echo "$out" | grep -qx 'bar 0=1.25'
[ "$(echo "$out" | grep -c '^bar ')" -eq 16 ]
echo "$out" | grep -q '^scale= 0 '

out=$("$bin" graph "$work/t.asc" 6)
echo "$out" | grep -qx 'scale='
echo "$out" | grep -qx 'left=1000'
echo "$out" | grep -qx 'right=15000'
echo "$out" | grep -qx 'bar 0=7  (3)'   # ring position 0 is slot (30 + 0) mod 28 = 2
[ "$(echo "$out" | grep -c '^bar ')" -eq 28 ]

out=$("$bin" graph "$work/t.asc" 0)
echo "$out" | grep -qx 'title= '
echo "$out" | grep -qx 'top='

for bad in 11 x 99999999999; do
    if "$bin" graph "$work/t.asc" "$bad" 2>"$work/err"; then echo "accepted $bad"; exit 1; fi
    grep -q 'graph number must be 0 to 10' "$work/err"
done
if "$bin" graph "$work/t.asc" -1 2>/dev/null; then echo "accepted -1"; exit 1; fi
if "$bin" graph "$work/t.asc" 2>/dev/null; then echo "accepted a missing number"; exit 1; fi
if "$bin" graph "$work/missing.asc" 1 2>"$work/err"; then exit 1; fi
grep -q 'missing.asc' "$work/err"
head -c 100 /dev/urandom >"$work/junk.asc"
if "$bin" graph "$work/junk.asc" 1 2>/dev/null; then exit 1; fi
echo "graph command: ok"
