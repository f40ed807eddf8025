#!/usr/bin/env bash
# The data-file subcommands (summary, export-text, records) against real files, without a
# display: exact output, exit status 0, and exit status 1 with one stderr line for bad files.
set -euo pipefail
. "${HM_SOURCE_DIR:?}/tests/support/cli.sh"

# A data file as the program saves it: fleet data, two stability records with a count of 2.
python3 - "$work" <<'PY'
import struct, sys
work = sys.argv[1]
blocks = []
for b in range(10):
    n = 32 if 4 <= b <= 7 else 16
    blocks.append([0] * n)
blocks[1] = list(range(1, 17))            # APPS v PRESS = 136
blocks[3][15] = 12                        # APPS v SPEED = 12
blocks[4][29] = 250                       # km in current interval
blocks[5][29] = 10                        # interval count: DISTANCE = 5250
blocks[4][30], blocks[4][31] = 1, 5       # APPS v DIST = 65541
blocks[6][0], blocks[6][1] = 12345, 7     # ABS line: 12345 runs into the next slot
blocks[9][0] = 7                          # RESV v DIST = 7
blocks[8][2] = 0xFFFFFFFF                 # LOAD v DIST = -1 (printed signed)
def record(sensor, speed, odo, t, day, month):
    r = struct.pack('<bBBBB3x6IBB2xIBB2xI', sensor, speed, 20, 30, 120,
                    1, 0, 0, 0, 0, 0, day, month, odo, 100, 90, t)
    assert len(r) == 48
    return r
records = record(-45, 62, 12345678, 3725, 5, 3) + record(-128, 0, 16777216, 65535, 9, 0)
records += bytes(48 * 30)
image = b'Haulm +\0' + b'XYZ'.ljust(20, b'\0')
for blk in blocks:
    image += struct.pack('<%dI' % len(blk), *blk)
image += records + struct.pack('<I', 2) + struct.pack('<8H', 2026, 12, 1, 7, 9, 5, 30, 0)
image += struct.pack('<i', 2484)
assert len(image) == 2484
open(work + '/good.asc', 'wb').write(image)
open(work + '/long.asc', 'wb').write(image + b'trailing bytes')
open(work + '/short.asc', 'wb').write(image[:2000])
open(work + '/badsig.asc', 'wb').write(b'Haulm -' + image[7:])
open(work + '/badsize.asc', 'wb').write(image[:2480] + struct.pack('<i', 0))
open(work + '/empty.asc', 'wb').write(b'')
PY

expected_summary=$'DISTANCE\t5250 km\nRESV v DIST\t7 km\nLOAD v DIST\t-1 km\nAPPS v PRESS\t136\nAPPS v SPEED\t12\nAPPS v DIST\t65541\nABS v DIST\t0\nROLL v DIST\t0'
for f in good long; do
    out=$("$bin" summary "$work/$f.asc") || fail "summary $f exit $?"
    [ "$out" = "$expected_summary" ] || fail "summary $f output: $out"
done
# Each of the eight lines ends in a line feed.
[ "$("$bin" summary "$work/good.asc" | tail -c 1 | od -An -c | tr -d ' ')" = '\n' ] ||
    fail "summary does not end in a line feed"

expected_records=$'Stability Sensor Output: -0.45g\nVehicle Speed: 62 kph\nOdometer: 123456 km\nTime Since Startup (HH:MM:SS): 01:02:05\nDate: 5 Mar\n\nStability Sensor Output: -1.28g\nVehicle Speed: 0 kph\nOdometer: 167772 km\nTime Since Startup (HH:MM:SS): 18:12:15\nDate : No Data\n\n'
"$bin" records "$work/good.asc" >"$work/records.out" || fail "records exit $?"
printf '%s' "$expected_records" | cmp -s - "$work/records.out" || {
    fail "records output"
    cat "$work/records.out"
}

"$bin" export-text "$work/good.asc" -o "$work/out.txt" || fail "export-text exit $?"
size=$(stat -c %s "$work/out.txt")
[ "$size" = 2208 ] || fail "export-text size $size"
[ "$(tr -cd '\r' <"$work/out.txt" | wc -c)" = 10 ] || fail "export-text CR count"
# Line 1 (brakeCountByPressure) starts at 153 + 1 CR: "1," and zero fill.
[ "$(dd if="$work/out.txt" bs=1 skip=154 count=9 2>/dev/null | od -An -tx1 | tr -d ' \n')" = \
    "312c00000000000000" ] || fail "export-text line 1"
# ABS line at 932 + 6 CRs: 12345 then the next value without a comma between them.
[ "$(dd if="$work/out.txt" bs=1 skip=938 count=7 2>/dev/null)" = "123457," ] ||
    fail "export-text 12345 slot"
# The same bytes again when OUT exists (replaced, not appended).
"$bin" export-text "$work/good.asc" --output "$work/out.txt" || fail "export-text rerun"
[ "$(stat -c %s "$work/out.txt")" = 2208 ] || fail "export-text rerun size"

# Bad files: exit 1, nothing on stdout, one stderr line naming the file and the reason.
check_bad() {
    local name=$1 reason=$2
    shift 2
    local status=0
    "$@" >"$work/stdout" 2>"$work/stderr" || status=$?
    [ "$status" = 1 ] || fail "$name: exit $status"
    [ ! -s "$work/stdout" ] || fail "$name: wrote to stdout"
    [ "$(wc -l <"$work/stderr")" = 1 ] || fail "$name: stderr lines: $(cat "$work/stderr")"
    grep -q -- "$reason" "$work/stderr" || fail "$name: reason: $(cat "$work/stderr")"
}
for cmd in summary records; do
    check_bad "$cmd missing" "missing.asc: cannot open" "$bin" "$cmd" "$work/missing.asc"
    check_bad "$cmd short" "short.asc: file is too short (2000 bytes" "$bin" "$cmd" "$work/short.asc"
    check_bad "$cmd empty" "empty.asc: file is too short" "$bin" "$cmd" "$work/empty.asc"
    check_bad "$cmd badsig" "badsig.asc: not a Haulmetry data file" "$bin" "$cmd" "$work/badsig.asc"
    check_bad "$cmd badsize" "badsize.asc: wrong block size 0" "$bin" "$cmd" "$work/badsize.asc"
    check_bad "$cmd folder" "$work: is a folder" "$bin" "$cmd" "$work"
done
check_bad "export short" "short.asc: file is too short" \
    "$bin" export-text "$work/short.asc" -o "$work/x.txt"
[ ! -e "$work/x.txt" ] || fail "export-text wrote OUT for a bad file"
check_bad "export no -o" "missing -o OUT" "$bin" export-text "$work/good.asc"
check_bad "export bad OUT" "$work/nofolder/x.txt" \
    "$bin" export-text "$work/good.asc" -o "$work/nofolder/x.txt"
check_bad "no file" "expected one data file" "$bin" summary

# Help and version work without a display.
"$bin" --help | grep -q "export-text" || fail "--help lists export-text"
"$bin" --version | grep -q "^haulmetry " || fail "--version"
"$bin" summary --help | grep -q "FILE" || fail "summary --help"

cli_end "data-file subcommand"
