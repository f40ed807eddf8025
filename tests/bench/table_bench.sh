#!/usr/bin/env bash
# Fleet table throughput: `haulmetry table` over N generated data files (default 10,000) in one
# folder, against `cat` reading the same files. Prints files per second of each and the ratio.
# Both run with a warm page cache; each figure is the best of RUNS runs.
# Usage: tests/bench/table_bench.sh [BUILD_DIR] [FILES] [RUNS]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
bin="${1:-$root/build}/haulmetry"
files=${2:-10000}
runs=${3:-3}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
unset DISPLAY WAYLAND_DISPLAY

# The sample vehicle with a different identification and saved minute in every file.
python3 "$root/tests/e2e/sample_datafile.py" "$work/sample.asc"
python3 - "$work/sample.asc" "$work/fleet" "$files" <<'PY'
import os, struct, sys
base = bytearray(open(sys.argv[1], "rb").read())
os.makedirs(sys.argv[2])
for n in range(int(sys.argv[3])):
    data = bytearray(base)
    data[8:28] = (b"FLEET%06d" % n).ljust(20, b"\0")
    struct.pack_into("<H", data, 2464 + 10, n % 60)
    with open(os.path.join(sys.argv[2], "Haulmetry FLEET%06d.asc" % n), "wb") as f:
        f.write(data)
PY

best_ns() {  # runs "$@" RUNS times, prints the shortest wall time in ns
    local best=0 start end
    for _ in $(seq "$runs"); do
        start=$(date +%s%N)
        "$@" >/dev/null
        end=$(date +%s%N)
        if [ "$best" = 0 ] || [ $((end - start)) -lt "$best" ]; then best=$((end - start)); fi
    done
    echo "$best"
}

rows=$("$bin" table "$work/fleet" | wc -l)
[ "$rows" = $((files + 1)) ] || { echo "table printed $rows lines, expected $((files + 1))"; exit 1; }
cat_files() { cat "$work"/fleet/*.asc; }
table_ns=$(best_ns "$bin" table "$work/fleet")
cat_ns=$(best_ns cat_files)
python3 - "$files" "$table_ns" "$cat_ns" <<'PY'
import sys
files, table_ns, cat_ns = int(sys.argv[1]), int(sys.argv[2]), int(sys.argv[3])
table_rate = files / (table_ns / 1e9)
cat_rate = files / (cat_ns / 1e9)
print(f"files: {files}")
print(f"haulmetry table: {table_ns / 1e6:.0f} ms, {table_rate:.0f} files/s")
print(f"cat:             {cat_ns / 1e6:.0f} ms, {cat_rate:.0f} files/s")
print(f"ratio table/cat throughput: {table_rate / cat_rate:.2f}")
PY
