#!/usr/bin/env bash
# Trailer library speed, through the real command line (each figure includes the start of the
# program, printed first for comparison):
#   - `library import` of 10,000 data files into a new SQLite library (files per second);
#     The figures of every download are computed and stored on import; with BASELINE_BIN (the
#     program of a build without them, e.g. main before) the same import by it is timed too and
#     the difference printed (target: at most 10 % slower);
#   - `library list` of 10,000 trailers with 5 downloads each (milliseconds): opening the library
#     and reading the fleet with the figures, their change and the findings of every trailer, as
#     the window does, plus the start of the program and the output; `library findings` of the
#     same fleet (the findings and the fleet's median and 90th percentile);
#   - `library history` and `library diff` of one trailer in that library (milliseconds);
#   - `library import` of 10,000 files into PostgreSQL over loopback (files per second), on a
#     throw-away server started here (skipped without the server programs).
# Each figure is the best of RUNS runs (imports: each into a new library). Not run by CI.
# Usage: [BASELINE_BIN=PROGRAM] tests/bench/library_bench.sh [BUILD_DIR] [RUNS]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
export HM_BIN_DIR=${1:-$root/build} HM_SOURCE_DIR=$root
runs=${2:-3}
. "$root/tests/support/cli.sh"
export XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config
unset HAULMETRY_LIBRARY

python3 "$root/tests/e2e/sample_datafile.py" "$work/base.asc"
# Visit 0 of 10,000 trailers, then visits 1 to 4 of each.
python3 "$root/tests/e2e/library_files.py" "$work/base.asc" "$work/first" 10000 10000
python3 "$root/tests/e2e/library_files.py" "$work/base.asc" "$work/later" 40000 10000 10000

best_ns() {  # runs "$@" RUNS times (BEFORE_EACH first, untimed), prints the best wall time in ns
    local best=0 start end
    for _ in $(seq "$runs"); do
        ${BEFORE_EACH:-true}
        start=$(date +%s%N)
        "$@" >/dev/null
        end=$(date +%s%N)
        if [ "$best" = 0 ] || [ $((end - start)) -lt "$best" ]; then best=$((end - start)); fi
    done
    echo "$best"
}
ms() { python3 -c "print('%.1f' % ($1 / 1e6))"; }
per_second() { python3 -c "print('%.0f' % ($1 / ($2 / 1e9)))"; }

lib=$work/bench.sqlite
start_ns=$(best_ns "$bin" library list --library "$work/empty.sqlite")
echo "program start with an empty library: $(ms "$start_ns") ms"

fresh_sqlite() { rm -f "$lib" "$lib-wal" "$lib-shm"; }
import_ns=$(BEFORE_EACH=fresh_sqlite best_ns "$bin" library import --library "$lib" "$work/first")
echo "SQLite import of 10,000 files: $(ms "$import_ns") ms, $(per_second 10000 "$import_ns") files/s (target >= 20,000)"
if [ -n "${BASELINE_BIN:-}" ]; then
    base_ns=$(BEFORE_EACH=fresh_sqlite best_ns "$BASELINE_BIN" library import --library "$lib" "$work/first")
    echo "SQLite import of 10,000 files without the figures ($BASELINE_BIN): $(ms "$base_ns") ms; with them $(python3 -c "print('%+.1f' % (100.0 * ($import_ns - $base_ns) / $base_ns))") % (target <= +10 %)"
fi

"$bin" library import --library "$lib" "$work/first" "$work/later" >/dev/null
list_ns=$(best_ns "$bin" library list --library "$lib")
echo "fleet open (library list: figures, change, findings) of 10,000 trailers x 5 downloads: $(ms "$list_ns") ms (target < 500)"
findings_ns=$(BEFORE_EACH=true best_ns bash -c '"$0" library findings --library "$1" || [ $? = 4 ]' "$bin" "$lib")
echo "library findings of 10,000 trailers (with the fleet's median and 90th percentile): $(ms "$findings_ns") ms (target < 500)"
# The window: created, the library read on its thread, the fleet drawn (the test build's bench).
ui_tests=$HM_BIN_DIR/tests/hm_ui_tests
if [ -x "$ui_tests" ]; then
    for _ in $(seq "$runs"); do
        HM_BENCH_LIBRARY=$lib QT_QPA_PLATFORM=offscreen "$ui_tests" --gtest_also_run_disabled_tests \
            --gtest_filter='LibraryWindowBench.*' | grep '^window fleet open'
    done | sort -t: -k2 -n | head -n 1 | sed 's/$/ (best; target < 500)/'
else
    echo "library window: skipped (no test build)"
fi
history_ns=$(best_ns "$bin" library history --library "$lib" TRL04321)
echo "history of one trailer: $(ms "$history_ns") ms (target < 50)"
diff_ns=$(best_ns "$bin" library diff --library "$lib" TRL04321)
echo "diff of two downloads: $(ms "$diff_ns") ms (target < 50)"

if [ -x "$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -1)/initdb" ]; then
    . "$root/tests/support/postgres.sh"
    pg_start
    fresh_pg() { pg_sql "DROP TABLE IF EXISTS downloads, images, trailers, haulmetry_schema CASCADE"; }
    pg_ns=$(BEFORE_EACH=fresh_pg best_ns "$bin" library import --library "$pg_url" "$work/first")
    echo "PostgreSQL import of 10,000 files over loopback: $(ms "$pg_ns") ms, $(per_second 10000 "$pg_ns") files/s (target >= 5,000)"
    if [ -n "${BASELINE_BIN:-}" ]; then
        pg_base_ns=$(BEFORE_EACH=fresh_pg best_ns "$BASELINE_BIN" library import --library "$pg_url" "$work/first")
        echo "PostgreSQL import without the figures: $(ms "$pg_base_ns") ms; with them $(python3 -c "print('%+.1f' % (100.0 * ($pg_ns - $pg_base_ns) / $pg_base_ns))") %"
    fi
else
    echo "PostgreSQL: skipped (no server programs)"
fi
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
