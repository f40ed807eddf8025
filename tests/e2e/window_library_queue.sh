#!/usr/bin/env bash
# The window's downloads go into a shared library: with its server down the download waits in
# the local queue and the window says so; once the server is back, the next image the window
# hands over (here the save of the same download) sends the queue first, and the window says
# that too. The download ends up in the server's library once.
set -euo pipefail
. "${HM_SOURCE_DIR:?}/tests/support/cli.sh"
. "$HM_SOURCE_DIR/tests/support/postgres.sh"
command -v xvfb-run >/dev/null || { echo "xvfb-run missing"; exit 1; }
export XDG_RUNTIME_DIR="$work" HOME="$work" HAULMETRY_SETTINGS="$work/haulmetry.ini"
cat >"$work/script.txt" <<'SCRIPT'
wait-title  [ ECU Data ]
sleep 5000
save
sleep 2000
close
SCRIPT
HAULMETRY_TEST_SCRIPT="$work/script.txt" timeout 120 xvfb-run -a -s "-screen 0 1280x800x24" \
    "$bin" --demo --library "$pg_url" >"$work/out.txt" 2>&1 &
app=$!
for _ in $(seq 300); do grep -q '^notice: .*local queue' "$work/out.txt" && break; sleep 0.1; done
grep -q '^notice: .*local queue' "$work/out.txt" || fail "no notice that the download waits"
pg_start
wait "$app" || fail "the window ended with $?"
cat "$work/out.txt"
grep -q '^notice: Trailer library: cannot reach the library postgresql://' "$work/out.txt" ||
    fail "the first notice does not name the server"
grep -q '^notice: Trailer library: 1 download(s) that waited in the local queue were stored' \
    "$work/out.txt" || fail "no notice that the queue was sent"
[ "$(pg_sql "SELECT count(*) FROM downloads WHERE source = 'download'")" = 1 ] ||
    fail "the download is not in the server's library once"
[ -z "$(ls "$work/.local/share/haulmetry/"queue-*/ 2>/dev/null)" ] || fail "the queue is not empty"
cli_end "window library queue"
