#!/usr/bin/env bash
# Idle CPU of the window program: connected to a virtual ECU (haulmetry-ecusim on a
# pseudo-terminal), the download complete, no other window open. Prints the process's user +
# system CPU time (/proc/PID/stat) over SECONDS for each window executable given, one after the
# other in the same X session, so that a build before a change and one after it can be compared.
# Usage: tests/bench/idle_cpu.sh SECONDS HAULMETRY... (default: 60 and build/haulmetry)
# Needs Xvfb, openbox and xdotool (scripts/deps.sh).
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
seconds=${1:-60}
shift || true
[ $# -gt 0 ] || set -- "$root/build/haulmetry"
. "$root/tests/bench/window_session.sh"
hz=$(getconf CLK_TCK)

run=0
for bin in "$@"; do
    run=$((run + 1))
    sim_start "ecu$run"
    "$bin" --port "$dev" >"$work/app.log" 2>&1 &
    app=$!
    xs_wait_window 'Haulmetry \[ ECU Data \]' >/dev/null || { cat "$work/app.log"; exit 1; }
    sleep 5  # let the start settle
    before=$(ticks "$app")
    sleep "$seconds"
    after=$(ticks "$app")
    kill "$app"
    wait "$app" 2>/dev/null || true
    app=
    sim_stop_last
    ms=$(((after - before) * 1000 / hz))
    printf '%s: %d ms CPU in %d s idle (%s%%)\n' "$bin" "$ms" "$seconds" \
        "$(awk -v ms="$ms" -v s="$seconds" 'BEGIN { printf "%.3f", ms / (s * 10) }')"
done
