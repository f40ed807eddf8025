#!/usr/bin/env bash
# `haulmetry download` against ECUs and ports that misbehave: answers that are pending first or
# come twice, an ECU that refuses everything or whose block answers all fail their checksum,
# signals, escape sequences in what the ECU reports, a closed pipe on standard error, ports that
# cannot be opened, an output folder that is not there, more than 255 ports. Every run must end
# by itself with a clear message, and a data file only after a complete download.
set -euo pipefail
. "${HM_SOURCE_DIR:?}/tests/support/cli.sh"

# Runs a download bounded by 60 s (a hang shows as status 124); sets $status.
download() {
    status=0
    timeout 60 "$bin" download "$@" || status=$?
}

# 1. A clean download for reference, then "response pending" first and every answer twice.
sim_start clean
download --port "$dev" -o "$work/clean.asc" 2>"$work/clean.log"
[ "$status" = 0 ] || fail "clean download: status $status"
sim_start pending --pending 1 --repeat
download --port "$dev" -o "$work/pending.asc" --trace "$work/pending.trace" 2>"$work/pending.log"
[ "$status" = 0 ] || fail "pending/repeat: status $status: $(cat "$work/pending.log")"
cmp <(head -c 2464 "$work/clean.asc") <(head -c 2464 "$work/pending.asc") >/dev/null 2>&1 ||
    fail "pending/repeat: the data differ from a clean download"
[ "$(grep -c ' TX 04 21 39 ' "$work/pending.trace")" = 32 ] ||
    fail "pending/repeat: not exactly 32 record reads"
grep -q -- '-- dropped (no request outstanding)' "$work/pending.trace" ||
    fail "pending/repeat: the trace does not show the dropped repeats"

# 2. ECUs that never give a valid answer: the command stops by itself and names the request.
while IFS='|' read -r name options limit expected; do
    # shellcheck disable=SC2086
    sim_start "$name" $options
    # shellcheck disable=SC2086
    download --port "$dev" -o "$work/$name.asc" $limit 2>"$work/$name.log"
    [ "$status" = 1 ] || fail "$name: status $status"
    grep -q -- "$expected" "$work/$name.log" || fail "$name: no '$expected' in: $(tail -3 "$work/$name.log")"
    [ ! -e "$work/$name.asc" ] || fail "$name: a file was written"
done <<'CASES'
refuse-all|--reject 1000||the ECU gave no valid answer to ReadVehicleIdent (5 refusals
bad-blocks|--corrupt-request 2124|--max-failures 2|the ECU gave no valid answer to ReadFleetBlock block 0 (2
slow|--delay 300|--timeout 1|no complete download within 1 s (waiting for
bad-probe|--corrupt-request 90||answered only with frames whose checksum or length was wrong
CASES

# 3. Signals during a slow download: StopSession goes out next, exit 128 + signal, no file,
#    and the device is not left in exclusive mode.
while read -r signal code; do
    sim_start "sig$signal" --delay 60
    "$bin" download --port "$dev" -o "$work/sig.asc" --trace "$work/sig.trace" 2>"$work/sig.log" &
    pid=$!
    for _ in $(seq 100); do
        grep -q ' TX 04 21 24 ' "$work/sig.trace" 2>/dev/null && break
        sleep 0.05
    done
    kill "-$signal" "$pid"
    status=0
    wait "$pid" || status=$?
    [ "$status" = "$code" ] || fail "SIG$signal: status $status, not $code"
    after=$(sed -n "/-- SIG$signal: queued requests dropped/,\$p" "$work/sig.trace" | grep ' TX ' || true)
    [ "$after" != "" ] && [ "$(echo "$after" | grep -vc ' TX 02 20 22$')" = 0 ] ||
        fail "SIG$signal: requests after the signal: $after"
    [ ! -e "$work/sig.asc" ] || fail "SIG$signal: a file was written"
    python3 - "$dev" <<'PY' || fail "SIG$signal: the device is still exclusive"
import fcntl, os, struct, sys
fd = os.open(sys.argv[1], os.O_RDWR | os.O_NOCTTY | os.O_NONBLOCK)
TIOCGEXCL = 0x80045440
sys.exit(struct.unpack("i", fcntl.ioctl(fd, TIOCGEXCL, b"\0" * 4))[0])
PY
    rm -f "$work/sig.trace"
done <<'SIGNALS'
INT 130
TERM 143
HUP 129
SIGNALS

# 4. Escape sequences from the ECU are printed as \xNN; the type's number still comes from the
# low four bits of its characters, so the download goes on.
sim_start escapes --ident $'\e]0;owned\a\e[2J' --type $'B\e37'
download --port "$dev" -o "$work/esc.asc" 2>"$work/esc.log"
[ "$status" = 0 ] || fail "escape type: status $status (refused for its control byte?)"
grep -qF 'vehicle: \x1B]0;owned\x07\x1B[2J' "$work/esc.log" || fail "escaped vehicle line missing"
grep -qF 'ECU type: B\x1B37 (support level ' "$work/esc.log" || fail "escaped type line missing"
! grep -q $'\e' "$work/esc.log" || fail "a raw escape byte reached the output"

# 5. Progress into a closed pipe: the download still saves its file.
sim_start pipe
set +o pipefail
"$bin" download --port "$dev" -o "$work/pipe.asc" 2>&1 | head -n 1 >/dev/null
status=${PIPESTATUS[0]}
set -o pipefail
[ "$status" = 0 ] || fail "closed pipe: status $status"
[ "$(stat -c %s "$work/pipe.asc" 2>/dev/null)" = 2484 ] || fail "closed pipe: no data file"

# 6. Ports that cannot be opened say why; the output folder is checked before any port.
touch "$work/plain"
sim_start busy
python3 -c 'import fcntl, os, sys, time
fd = os.open(sys.argv[1], os.O_RDWR | os.O_NOCTTY | os.O_NONBLOCK)
fcntl.flock(fd, fcntl.LOCK_EX)
print(flush=True)
time.sleep(60)' "$dev" >"$work/locker.out" &
locker=$!
for _ in $(seq 50); do [ -s "$work/locker.out" ] && break; sleep 0.1; done
download --port "$work/missing" --port "$work/plain" --port "$dev" -o "$work/x.asc" 2>"$work/open.log"
kill "$locker" 2>/dev/null || true
wait "$locker" 2>/dev/null || true
grep -q "cannot open COM 1 $work/missing: no such device" "$work/open.log" || fail "missing: $(cat "$work/open.log")"
grep -q "cannot open COM 2 $work/plain: not a terminal" "$work/open.log" || fail "not a terminal"
grep -q "cannot open COM 3 $dev: busy" "$work/open.log" || fail "busy"
for out in "$work/nofolder/x.asc" "$work/plain/x.asc"; do
    download --port "$dev" -o "$out" 2>"$work/folder.log"
    [ "$status" = 1 ] || fail "-o $out: status $status"
    grep -Eq "cannot save .*(does not exist|is not a folder)" "$work/folder.log" || fail "-o $out: $(cat "$work/folder.log")"
    ! grep -q probing "$work/folder.log" || fail "-o $out: a port was opened first"
done

# 7. More than 255 ports: the ones left out are named; the first one still works.
sim_start many
ports=(--port "$dev")
for i in $(seq 1 256); do ports+=(--port "$work/p$i"); done
download "${ports[@]}" -o "$work/many.asc" 2>"$work/many.log"
[ "$status" = 0 ] || fail "many ports: status $status"
grep -q "only 255 ports can be used; not used: $work/p255, $work/p256$" "$work/many.log" ||
    fail "many ports: $(head -2 "$work/many.log")"

cli_end "hostile-line download"
