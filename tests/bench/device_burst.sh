#!/usr/bin/env bash
# What a burst of device events costs the window: the window runs with a scratch device folder
# (HAULMETRY_DEVICE_DIR) and shows the retry question; then COUNT ttyACM links (all to one
# silent virtual ECU's pseudo-terminal, so each is a character device) appear in that folder at
# once. Prints, per window executable, the CPU time of the window process from the burst until
# it is quiet again, and the longest stretch in which its main (window) thread ran without a
# break of 10 ms: the longest time the window could not have answered input.
# Usage: tests/bench/device_burst.sh COUNT HAULMETRY... (default: 10000 and build/haulmetry)
# Needs Xvfb, openbox and xdotool (scripts/deps.sh).
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
count=${1:-10000}
shift || true
[ $# -gt 0 ] || set -- "$root/build/haulmetry"
. "$root/tests/bench/window_session.sh"
sim_start silent --silent

run=0
for bin in "$@"; do
    run=$((run + 1))
    rm -rf "$work/dev" "$work/sys"
    mkdir -p "$work/dev/serial/by-id" "$work/sys"
    HAULMETRY_DEVICE_DIR="$work/dev" HAULMETRY_SYSFS_TTY_DIR="$work/sys" \
        "$bin" --port "$work/none" >"$work/app.log" 2>&1 &
    app=$!
    xs_wait_window '^Haulmetry$' >/dev/null || { cat "$work/app.log"; exit 1; }
    sleep 2  # let the start settle
    python3 - "$app" "$work/dev" "$dev" "$count" "$bin" <<'PY'
import os, sys, time
pid, folder, target, count, name = int(sys.argv[1]), sys.argv[2], sys.argv[3], int(sys.argv[4]), sys.argv[5]
hz = os.sysconf("SC_CLK_TCK")

def ticks(path):
    with open(path) as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return int(fields[11]) + int(fields[12])

def run_seconds(path):  # time on the CPU in nanoseconds, finer than the clock ticks
    with open(path) as f:
        return int(f.read().split()[0]) / 1e9

process, main = f"/proc/{pid}/stat", f"/proc/{pid}/task/{pid}/schedstat"

def measure(what, make):
    """Runs make(), then samples the main thread every 10 ms until it has been idle for 2 s."""
    start = ticks(process)
    make()
    longest = stretch = 0.0
    idle_since = last_time = time.monotonic()
    last = run_seconds(main)
    while time.monotonic() - idle_since < 2.0:
        time.sleep(0.01)
        now, used = time.monotonic(), run_seconds(main)
        busy = used - last
        if busy > 0.001:
            idle_since = now
        # Busy for most of the interval: the stretch goes on.
        stretch = stretch + (now - last_time) if busy >= 0.8 * (now - last_time) else 0.0
        longest = max(longest, stretch)
        last, last_time = used, now
    cpu_ms = (ticks(process) - start) * 1000 // hz
    print(f"{name}: {what}: {cpu_ms} ms CPU, longest busy stretch of the window thread "
          f"{longest * 1000:.0f} ms", flush=True)

def burst():
    # In spurts of 100 links, 5 ms apart, as udev makes them for a hub full of adapters.
    for i in range(count):
        os.symlink(target, f"{folder}/ttyACM{i}")
        if i % 100 == 99:
            time.sleep(0.005)

measure(f"{count} links appear", burst)
measure(f"then one more", lambda: os.symlink(target, f"{folder}/ttyUSB0"))
PY
    kill "$app"
    wait "$app" 2>/dev/null || true
    app=
done
