#!/usr/bin/env bash
# Time from process start to the main window shown, and the process's peak memory, for the
# offline start and for a demo start (window shown, then the whole download).
# Usage: tests/bench/startup_bench.sh [BUILD_DIR] [RUNS]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
bin="${1:-$root/build}/haulmetry"
runs=${2:-5}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_RUNTIME_DIR="$work" HOME="$work" HAULMETRY_SETTINGS="$work/h.ini" HAULMETRY_PORTS=
command -v xvfb-run >/dev/null || { echo "needs xvfb-run"; exit 1; }

# "state" runs on the first pass of the event loop after the dialog was shown.
printf 'state\nclose\n' >"$work/shown.txt"
printf 'wait-title  [ ECU Data ]\nclose\n' >"$work/download.txt"

measure() {  # $1 label, $2 script, rest: arguments
    local label=$1 script=$2
    shift 2
    local total_ms=0 max_kb=0
    for _ in $(seq "$runs"); do
        HAULMETRY_TEST_SCRIPT="$script" xvfb-run -a -s "-screen 0 1280x800x24" \
            bash -c 'start=$(date +%s%N); /usr/bin/time -f "%M" -o "$0/time.txt" "$1" "${@:2}" >"$0/out.txt" 2>&1; end=$(date +%s%N); echo $(( (end - start) / 1000000 )) >"$0/ms.txt"' \
            "$work" "$bin" "$@"
        local ms kb
        ms=$(cat "$work/ms.txt")
        kb=$(tail -1 "$work/time.txt")
        total_ms=$((total_ms + ms))
        ((kb > max_kb)) && max_kb=$kb
    done
    printf '%-34s mean %5d ms over %d runs, peak RSS %d KiB\n' "$label" $((total_ms / runs)) \
        "$runs" "$max_kb"
}

measure "start to window shown (offline)" "$work/shown.txt" --port /nonexistent
measure "start to demo download complete" "$work/download.txt" --demo
