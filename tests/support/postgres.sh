# A throw-away PostgreSQL server for a test script. Source it after tests/support/cli.sh:
#
#   pg_start          # initdb + start on a free loopback port; sets $pg_url, $pg_port
#   pg_sql "SQL"      # runs one statement, prints the rows unaligned
#   pg_stop [MODE]    # stops the server (pg_ctl -m MODE, default fast); pg_start again restarts
#   pg_tls            # before pg_start: a test CA ($pg_ca) and a server certificate for
#                     # "localhost" signed by it; the server then takes TLS connections
#   pg_passwords      # before pg_start: roles other than haulmetry log in with a password
#   pg_silent_start   # a listener on $pg_silent_port that accepts and never answers
#
# The cluster lives in its own temporary folder, owned by an unprivileged user (tests run as
# root, which PostgreSQL refuses), and is removed at exit. Without the server programs the
# script is skipped (exit 77), except in CI (CI set), where that is a failure.
pg_bin=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -1 || true)
if [ -z "$pg_bin" ] || [ ! -x "$pg_bin/initdb" ]; then
    if [ -n "${CI:-}" ]; then
        echo "FAIL: the PostgreSQL server programs are missing (scripts/deps.sh test installs them)"
        exit 1
    fi
    echo "SKIP: no PostgreSQL server programs (install the postgresql package)"
    exit 77
fi
pg_user=nobody
pg_dir=$(mktemp -d)
chown "$pg_user" "$pg_dir"
pg_port=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
pg_url="postgresql://haulmetry@127.0.0.1:$pg_port/postgres"
pg_as() { runuser -u "$pg_user" -- "$@"; }
pg_cleanup() {
    [ -n "${pg_silent_pid:-}" ] && kill "$pg_silent_pid" 2>/dev/null
    pg_as "$pg_bin/pg_ctl" -D "$pg_dir/data" -m immediate stop >/dev/null 2>&1 || true
    rm -rf "$pg_dir"
}
cli_cleanup_extra() { pg_cleanup; }
pg_as "$pg_bin/initdb" -D "$pg_dir/data" -A trust -U haulmetry -E UTF8 --locale=C --no-sync \
    >"$pg_dir/initdb.log" 2>&1 || { cat "$pg_dir/initdb.log"; exit 1; }
pg_options=
pg_start() {
    pg_as "$pg_bin/pg_ctl" -D "$pg_dir/data" -l "$pg_dir/server.log" -w -t 30 start \
        -o "-p $pg_port -k $pg_dir -c listen_addresses=127.0.0.1 -c fsync=off $pg_options" \
        >/dev/null || { cat "$pg_dir/server.log"; exit 1; }
}
pg_tls() {
    local d=$pg_dir/tls
    mkdir -p "$d"
    openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Haulmetry test CA" \
        -keyout "$d/ca.key" -out "$d/ca.crt" 2>/dev/null
    openssl req -newkey rsa:2048 -nodes -subj "/CN=localhost" -keyout "$d/server.key" \
        -out "$d/server.csr" 2>/dev/null
    printf 'subjectAltName=DNS:localhost\n' >"$d/san.ext"
    openssl x509 -req -in "$d/server.csr" -CA "$d/ca.crt" -CAkey "$d/ca.key" -CAcreateserial \
        -days 2 -extfile "$d/san.ext" -out "$d/server.crt" 2>/dev/null
    # A second CA that signed nothing of this server's.
    openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Other CA" \
        -keyout "$d/other.key" -out "$d/other.crt" 2>/dev/null
    chown -R "$pg_user" "$d"
    chmod 600 "$d/server.key"
    pg_ca=$d/ca.crt
    pg_other_ca=$d/other.crt
    pg_options="$pg_options -c ssl=on -c ssl_cert_file=$d/server.crt -c ssl_key_file=$d/server.key"
}
pg_passwords() {
    cat >"$pg_dir/data/pg_hba.conf" <<HBA
local all all trust
host all haulmetry 127.0.0.1/32 trust
host all haulmetry ::1/128 trust
host all all 127.0.0.1/32 scram-sha-256
host all all ::1/128 scram-sha-256
HBA
    chown "$pg_user" "$pg_dir/data/pg_hba.conf"
}
pg_silent_start() {
    pg_silent_port=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
    python3 -c '
import socket, sys, time
s = socket.socket(); s.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
s.bind(("127.0.0.1", int(sys.argv[1]))); s.listen(16)
held = []
end = time.time() + 240
s.settimeout(1)
while time.time() < end:
    try:
        held.append(s.accept()[0])
    except socket.timeout:
        pass
' "$pg_silent_port" &
    pg_silent_pid=$!
    for _ in $(seq 50); do
        python3 -c 'import socket,sys; socket.create_connection(("127.0.0.1", int(sys.argv[1])), 1).close()' \
            "$pg_silent_port" 2>/dev/null && return 0
        sleep 0.1
    done
}
pg_stop() { pg_as "$pg_bin/pg_ctl" -D "$pg_dir/data" -m "${1:-fast}" -w stop >/dev/null; }
pg_sql() { "$pg_bin/psql" -h 127.0.0.1 -p "$pg_port" -U haulmetry -d postgres -tAq -c "$1"; }
