#!/usr/bin/env bash
# Closing the window never waits on the library (nor does the library window): the window's download reaches the shared
# library through a relay, which then goes silent (it keeps the connection and passes nothing
# on, as a server that hangs or a network that drops packets without a word). Ctrl+S hands the
# save to the library, which waits on the silent connection; Ctrl+Q still ends the program at
# once, the save waits in the local queue, and a new start is not refused as "already running".
# With the server reachable again, the queue is sent: the download and its save are one visit.
set -euo pipefail
. "$HM_SOURCE_DIR/tests/support/xsession.sh"
. "$HM_SOURCE_DIR/tests/support/haulwin.sh"
hw_begin
bin=$HM_BIN_DIR/haulmetry
. "$HM_SOURCE_DIR/tests/support/postgres.sh"
trap 'kill "${relay:-}" 2>/dev/null || true; pg_cleanup; hw_end' EXIT
pg_start
relay_port=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
python3 - "$relay_port" "$pg_port" "$work/silent" <<'PY' &
import os, select, socket, sys, time
listen = socket.socket(); listen.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
listen.bind(("127.0.0.1", int(sys.argv[1]))); listen.listen(8)
pairs = {}
end = time.time() + 200
while time.time() < end:
    ready, _, _ = select.select([listen] + list(pairs), [], [], 0.2)
    for s in ready:
        if s is listen:
            a = listen.accept()[0]
            b = socket.create_connection(("127.0.0.1", int(sys.argv[2])))
            pairs[a], pairs[b] = b, a
        elif s not in pairs:  # closed above with its other end in this round
            continue
        elif not os.path.exists(sys.argv[3]):  # silent: nothing is read or passed on
            data = s.recv(65536)
            if data:
                pairs[s].sendall(data)
            else:
                other = pairs.pop(s); pairs.pop(other, None); s.close(); other.close()
    if os.path.exists(sys.argv[3]):
        time.sleep(0.2)
PY
relay=$!
url="postgresql://haulmetry@127.0.0.1:$relay_port/postgres"
printf '[HLM+]\r\n\r\n[MAKE XL FILE]\r\nNo\r\n[INFO POP UP]\r\nNo' >"$work/haulmetry.ini"
hw_start_demo --library "$url"
for _ in $(seq 300); do [ "$(pg_sql "SELECT count(*) FROM downloads")" = 1 ] && break; sleep 0.1; done
[ "$(pg_sql "SELECT count(*) FROM downloads")" = 1 ] || fail "the download did not reach the library"

# The library window reads the fleet through the relay, then asks again (F5) once it is silent.
xs_key "$main" ctrl+l
lib=$(xs_wait_window '^Trailer Library$') || fail "Ctrl+L opened no library window"
sleep 1
touch "$work/silent"
xs_key "$lib" F5
xs_key "$main" ctrl+s
question=$(xs_wait_window '^Haulmetry$') || fail "Ctrl+S asked nothing"
xs_key "$question" Return
xs_wait_gone "$question"
sleep 1
keep library-silent-before-quit
hw_quit  # fails unless the program is gone within 10 s
queue=$(find "$work/home/.local/share/haulmetry" -name '*.item' 2>/dev/null | wc -l || true)
[ "$queue" = 1 ] || fail "the save does not wait in the local queue ($queue items)"

# A new start while the relay is still silent is a start, not "already running".
"$bin" --demo --library "$work/other.sqlite" >"$work/second.log" 2>&1 &
app=$!
main=$(xs_wait_window 'Haulmetry \[') || fail "the second start shows no window: $(cat "$work/second.log")"
grep -qi 'already running' "$work/second.log" && fail "the second start: $(cat "$work/second.log")"
hw_quit

# The server back: the queue is sent, and the save is the download's visit, not a second one.
rm "$work/silent"
"$bin" library list --library "$url" >"$work/list.log" 2>&1 || fail "list: $(cat "$work/list.log")"
[ "$(pg_sql "SELECT count(*) FROM downloads")" = 1 ] ||
    fail "the queued save became a second visit: $(pg_sql "SELECT source FROM downloads")"
[ -z "$(find "$work/home/.local/share/haulmetry" -name '*.item')" ] || fail "the queue was not sent"
echo "all window library silent checks passed"
