#!/usr/bin/env bash
# `library export` speed through the real command line: 10,000 downloads of one trailer saved in
# one minute (they share one name: "name.asc", "name (2).asc", ... "name (10000).asc") against
# 10,000 downloads of distinct minutes, each into an empty folder. A name is found without
# trying the numbers below it one by one, so both take about as long. Best of RUNS runs.
# Usage: tests/bench/export_bench.sh [BUILD_DIR] [RUNS]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
export HM_BIN_DIR=${1:-$root/build} HM_SOURCE_DIR=$root
runs=${2:-3}
. "$root/tests/support/cli.sh"
export XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config
unset HAULMETRY_LIBRARY

python3 "$root/tests/e2e/sample_datafile.py" "$work/base.asc"
python3 - "$work/base.asc" "$work" <<'PY'
import os, struct, sys
base = bytearray(open(sys.argv[1], 'rb').read()[:2484])
for ident, folder, same_minute in ((b'ONEMINUTE', 'one', True), (b'MINUTES', 'many', False)):
    os.makedirs(os.path.join(sys.argv[2], folder))
    image = bytearray(base)
    image[8:28] = ident.ljust(20, b'\0')
    for n in range(10000):
        struct.pack_into('<I', image, 92, 1000 + n)
        minute = 0 if same_minute else n
        struct.pack_into('<8H', image, 2464, 2026, 5, 1, 4 + minute // 1440, minute // 60 % 24,
                         minute % 60, 0, 0)
        open(os.path.join(sys.argv[2], folder, '%05d.asc' % n), 'wb').write(image)
PY
"$bin" library import "$work/one" "$work/many" >/dev/null

best_ms() {  # best_ms IDENT: the best wall time of an export into a new folder, in ms
    local best=0 start end
    for run in $(seq "$runs"); do
        rm -rf "$work/out"
        start=$(date +%s%N)
        "$bin" library export "$1" -o "$work/out" >/dev/null
        end=$(date +%s%N)
        [ "$(ls "$work/out" | wc -l)" = 10000 ] || { echo "export of $1 wrote $(ls "$work/out" | wc -l) files" >&2; exit 1; }
        if [ "$best" = 0 ] || [ $((end - start)) -lt "$best" ]; then best=$((end - start)); fi
    done
    python3 -c "print('%.0f' % ($best / 1e6))"
}
echo "library export of 10,000 downloads of one minute: $(best_ms ONEMINUTE) ms"
echo "library export of 10,000 downloads of distinct minutes: $(best_ms MINUTES) ms"
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
