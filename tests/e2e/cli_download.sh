#!/usr/bin/env bash
# `haulmetry download` against `haulmetry-ecusim` on a pseudo-terminal: a download that
# `haulmetry summary` reads, a second download of the saved vehicle giving the same bytes, the
# trace file, and the failures (no port, silent ECU, unsupported ECU, bad options, SIGINT).
set -euo pipefail
. "${HM_SOURCE_DIR:?}/tests/support/cli.sh"

# 1. Download the demo vehicle, with a trace.
sim_start demo
status=0
"$bin" download --port "$dev" -o "$work/demo.asc" --trace "$work/trace.txt" \
    2>"$work/dl.err" || status=$?
[ "$status" = 0 ] || fail "download exit status $status: $(cat "$work/dl.err")"
[ "$(stat -c %s "$work/demo.asc" 2>/dev/null)" = 2484 ] || fail "data file is not 2484 bytes"
grep -q "ECU type: B337 (support level 1" "$work/dl.err" || fail "no ECU type line"
grep -q "^vehicle: " "$work/dl.err" || fail "no vehicle line"
grep -q "saved $work/demo.asc" "$work/dl.err" || fail "no saved line"
"$bin" summary "$work/demo.asc" >"$work/summary.txt" 2>&1 || fail "summary rejects the file"
grep -q "^DISTANCE" "$work/summary.txt" || fail "summary without DISTANCE: $(cat "$work/summary.txt")"
grep -Eq '^[0-9]+ TX 02 90 92$' "$work/trace.txt" || fail "trace has no probe"
grep -Eq '^[0-9]+ RX 06 D0 00 31 30 30 67$' "$work/trace.txt" || fail "trace has no probe answer"
grep -Eq '^[0-9]+ TX 03 1A 90 AD$' "$work/trace.txt" || fail "trace has no identification request"
[ "$(grep -c ' TX 04 21 39 ' "$work/trace.txt")" = 32 ] || fail "trace: not 32 record reads"

# 2. Serve the saved vehicle and download it again: the same bytes apart from the save time.
sim_start again --vehicle "$work/demo.asc"
"$bin" download --port "$dev" -o "$work/again.asc" 2>"$work/again.err" ||
    fail "second download: $(cat "$work/again.err")"
cmp <(head -c 2464 "$work/demo.asc") <(head -c 2464 "$work/again.asc") >/dev/null ||
    fail "second download differs from the first"
cmp <(tail -c 4 "$work/demo.asc") <(tail -c 4 "$work/again.asc") >/dev/null ||
    fail "block size differs"

# 3. No port answering: exit 1, "no ECU found" and the ports tried.
status=0
"$bin" download --port "$work/none" -o "$work/x.asc" 2>"$work/none.err" || status=$?
[ "$status" = 1 ] || fail "missing port: exit status $status"
grep -q "no ECU found (tried COM 1 $work/none)" "$work/none.err" ||
    fail "missing port message: $(cat "$work/none.err")"
[ ! -e "$work/x.asc" ] || fail "a file was written without a download"

# A FIFO as the trace file (nobody reading it) is refused at once, before any port is opened.
mkfifo "$work/trace.fifo"
status=0
timeout 20 "$bin" download --port "$work/none" -o "$work/x.asc" --trace "$work/trace.fifo" \
    2>"$work/fifo.err" || status=$?
[ "$status" = 1 ] || fail "trace FIFO: exit status $status (124: it hung)"
grep -qF "cannot write the trace file $work/trace.fifo: is a FIFO, not a regular file" \
    "$work/fifo.err" || fail "trace FIFO message: $(cat "$work/fifo.err")"
[ -p "$work/trace.fifo" ] || fail "the trace FIFO was replaced"

# 4. A silent ECU over two passes.
sim_start silent --silent
status=0
"$bin" download --port "$dev" --passes 2 -o "$work/x.asc" 2>"$work/silent.err" || status=$?
[ "$status" = 1 ] || fail "silent ECU: exit status $status"
grep -q "pass 1 of 2" "$work/silent.err" || fail "silent ECU: no second pass"
grep -q "no ECU found (tried COM 1 $dev)" "$work/silent.err" || fail "silent ECU message"

# 5. An unsupported ECU.
sim_start unsupported --type A999
status=0
"$bin" download --port "$dev" -o "$work/x.asc" 2>"$work/unsup.err" || status=$?
[ "$status" = 1 ] || fail "unsupported ECU: exit status $status"
grep -q "haulmetry download: ECU Does Not Support Haulmetry" "$work/unsup.err" ||
    fail "unsupported ECU message: $(cat "$work/unsup.err")"

# 6. Options.
status=0
"$bin" download --port "$dev" 2>/dev/null || status=$?
[ "$status" = 2 ] || fail "missing -o: exit status $status"
status=0
"$bin" download --port "$dev" -o "$work/x.asc" --key 5,1009,0 2>/dev/null || status=$?
[ "$status" = 2 ] || fail "bad --key: exit status $status"

# 7. SIGINT while linked: the session is ended with StopSession, exit 130, no file.
sim_start interrupt --trace
"$bin" download --port "$dev" -o "$work/int.asc" 2>"$work/int.err" &
dl=$!
for _ in $(seq 50); do
    grep -q "ECU answered" "$work/int.err" 2>/dev/null && break
    sleep 0.1
done
kill -INT "$dl"
status=0
wait "$dl" || status=$?
[ "$status" = 130 ] || fail "SIGINT: exit status $status"
grep -q "02 20 22" "$work/interrupt.err" || fail "SIGINT: the ECU saw no StopSession"
[ ! -e "$work/int.asc" ] || fail "SIGINT: a file was written"

cli_end "download"
