#!/usr/bin/env bash
# `haulmetry page`: a graph page and a stability page of a real data file to PDF and PNG, and
# the failures (missing file, record not stored, unknown output type) with exit 1 and one line.
set -euo pipefail
bin="${HM_BIN_DIR:?}/haulmetry"
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="$work/run"
mkdir -m 700 "$work/run"

fail() { echo "FAIL: $*" >&2; exit 1; }

python3 "$here/sample_datafile.py" "$work/trip.asc"

"$bin" page "$work/trip.asc" --graph 6 -o "$work/graph6.pdf" || fail "graph 6 to PDF"
[ -s "$work/graph6.pdf" ] || fail "empty PDF"
head -c 4 "$work/graph6.pdf" | grep -q '%PDF' || fail "not a PDF"
if command -v pdfinfo >/dev/null; then
    [ "$(pdfinfo "$work/graph6.pdf" | awk '/^Pages:/ {print $2}')" = 1 ] || fail "PDF is not one page"
fi
if command -v pdftotext >/dev/null; then
    text=$(pdftotext "$work/graph6.pdf" -)
    grep -q "Brake Applications v Distance" <<<"$text" || fail "graph title missing"
    grep -q "trip.asc" <<<"$text" || fail "file name missing"
    grep -q "24//11//2026 - 14:35" <<<"$text" || fail "saved-at cell missing"
fi

"$bin" page "$work/trip.asc" --record 1 -o "$work/record1.png" || fail "record 1 to PNG"
[ -s "$work/record1.png" ] || fail "empty PNG"
python3 - "$work/record1.png" <<'PY' || fail "PNG header or size"
import struct, sys
data = open(sys.argv[1], "rb").read(32)
assert data[:8] == b"\x89PNG\r\n\x1a\n"
width, height = struct.unpack(">II", data[16:24])
assert (width, height) == (1240, 1754), (width, height)
PY
"$bin" page "$work/trip.asc" --record 3 -o "$work/record3.pdf" || fail "record 3 to PDF"
if command -v pdftotext >/dev/null; then
    text=$(pdftotext "$work/record3.pdf" -)
    grep -q "3 of 3" <<<"$text" || fail "record number missing"
    grep -q "Error" <<<"$text" || fail "ISO demand error text missing"
fi

expect_failure() {
    local name=$1
    shift
    set +e
    "$bin" page "$@" 2>"$work/err" >/dev/null
    local rc=$?
    set -e
    [ "$rc" = 1 ] || fail "$name: exit $rc"
    [ "$(wc -l <"$work/err")" = 1 ] || fail "$name: stderr is not one line: $(cat "$work/err")"
}
expect_failure "missing file" "$work/none.asc" --graph 1 -o "$work/x.pdf"
expect_failure "record not stored" "$work/trip.asc" --record 4 -o "$work/x.pdf"
expect_failure "unknown output" "$work/trip.asc" --graph 1 -o "$work/x.jpg"
expect_failure "graph out of range" "$work/trip.asc" --graph 11 -o "$work/x.pdf"
expect_failure "graph and record" "$work/trip.asc" --graph 1 --record 1 -o "$work/x.pdf"
head -c 100 /dev/urandom >"$work/short.asc"
expect_failure "not a data file" "$work/short.asc" --graph 1 -o "$work/x.pdf"
expect_failure "unwritable output" "$work/trip.asc" --graph 1 -o "$work/no/such/dir/x.pdf"
[ ! -e "$work/x.pdf" ] || fail "output written on failure"
echo "page: ok"
