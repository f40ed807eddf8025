#!/usr/bin/env bash
# Times a level-1 download by `haulmetry download` from `haulmetry-ecusim` over a
# pseudo-terminal, with the real 100 ms tick, from the first link probe to completion.
# The floor is 44 exchanges at one per tick: 44 ticks, 4.4 s.
#   tests/bench/download_bench.sh [BUILD_DIR] [RUNS]     (defaults: build, 3)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$root/build}
runs=${2:-3}
work=$(mktemp -d)
sim_pid=""
trap '[ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null; rm -rf "$work"' EXIT

"$build/haulmetry-ecusim" >"$work/sim.out" 2>/dev/null &
sim_pid=$!
for _ in $(seq 50); do [ -s "$work/sim.out" ] && break; sleep 0.1; done
dev=$(head -n 1 "$work/sim.out")

printf '%-4s %8s %10s %12s %12s\n' run ticks seconds tick-ratio time-ratio
total_ticks=0
total_ms=0
for run in $(seq "$runs"); do
    "$build/haulmetry" download --port "$dev" -o "$work/out.asc" --trace "$work/trace.txt" \
        2>"$work/err.txt"
    # Ticks counted by the command: the first opens the port, the second sends the probe, so
    # the ticks from the probe to the one that sent the last request are all but the first.
    ticks=$(sed -n 's/.*stability records, \([0-9]*\) ticks).*/\1/p' "$work/err.txt")
    ticks=$((ticks - 1))
    first=$(awk '$2 == "TX" && $3 == "02" && $4 == "90" { print $1; exit }' "$work/trace.txt")
    last=$(awk '$2 == "RX" && $4 == "61" && $5 == "39" && $6 == "1F" { t = $1 } END { print t }' \
        "$work/trace.txt")
    ms=$((last - first))
    total_ticks=$((total_ticks + ticks))
    total_ms=$((total_ms + ms))
    awk -v r="$run" -v t="$ticks" -v ms="$ms" 'BEGIN {
        printf "%-4s %8d %10.2f %12.3f %12.3f\n", r, t, ms / 1000, t / 44, ms / 4400 }'
done
awk -v t="$total_ticks" -v ms="$total_ms" -v n="$runs" 'BEGIN {
    printf "mean %8.1f %10.2f %12.3f %12.3f   (floor: 44 ticks, 4.40 s)\n",
        t / n, ms / n / 1000, t / n / 44, ms / n / 4400 }'
