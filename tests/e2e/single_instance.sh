#!/usr/bin/env bash
# Two real processes: a second start while the first runs is refused with the message and exit
# status 1; after the first has been killed with SIGKILL a new start runs normally.
set -euo pipefail
bin="$HM_BIN_DIR/haulmetry"
work=$(mktemp -d)
first=""
cleanup() {
    [ -n "$first" ] && kill -9 "$first" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
export XDG_RUNTIME_DIR="$work" HOME="$work" QT_QPA_PLATFORM=offscreen
export HAULMETRY_SETTINGS="$work/haulmetry.ini"
lock="$work/haulmetry-{E507DF2E-0492-4762-A423-57B250CDC50A}.lock"

# A first copy that stays up (its script waits for a title that never comes).
printf 'wait-title never\n' >"$work/idle.txt"
HAULMETRY_TEST_SCRIPT="$work/idle.txt" "$bin" --port /nonexistent/tty >"$work/first.out" 2>&1 &
first=$!
for _ in $(seq 100); do
    [ -e "$lock" ] && break
    sleep 0.1
done
[ -e "$lock" ] || { echo "first copy did not take the lock"; exit 1; }

printf 'state\nclose\n' >"$work/quick.txt"
set +e
HAULMETRY_TEST_SCRIPT="$work/quick.txt" "$bin" >"$work/second.out" 2>&1
status=$?
set -e
grep -q '^message: !! Application Already Running !!$' "$work/second.out" ||
    { echo "no refusal message:"; cat "$work/second.out"; exit 1; }
[ "$status" -eq 1 ] || { echo "second copy exited with $status"; exit 1; }
kill -0 "$first" || { echo "the first copy was disturbed"; exit 1; }

kill -9 "$first"
wait "$first" 2>/dev/null || true
first=""
[ -e "$lock" ] || { echo "lock file vanished"; exit 1; }

HAULMETRY_TEST_SCRIPT="$work/quick.txt" timeout 60 "$bin" >"$work/third.out" 2>&1 ||
    { echo "start after kill -9 failed:"; cat "$work/third.out"; exit 1; }
grep -q '^title= Haulmetry' "$work/third.out" || { cat "$work/third.out"; exit 1; }
! grep -q 'Already Running' "$work/third.out"
echo "single instance: ok"
