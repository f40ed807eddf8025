# A throw-away PostgreSQL server for a test script. Source it after tests/support/cli.sh:
#
#   pg_start          # initdb + start on a free loopback port; sets $pg_url, $pg_port
#   pg_sql "SQL"      # runs one statement, prints the rows unaligned
#   pg_stop [MODE]    # stops the server (pg_ctl -m MODE, default fast); pg_start again restarts
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
    pg_as "$pg_bin/pg_ctl" -D "$pg_dir/data" -m immediate stop >/dev/null 2>&1 || true
    rm -rf "$pg_dir"
}
cli_cleanup_extra() { pg_cleanup; }
pg_as "$pg_bin/initdb" -D "$pg_dir/data" -A trust -U haulmetry -E UTF8 --locale=C --no-sync \
    >"$pg_dir/initdb.log" 2>&1 || { cat "$pg_dir/initdb.log"; exit 1; }
pg_start() {
    pg_as "$pg_bin/pg_ctl" -D "$pg_dir/data" -l "$pg_dir/server.log" -w -t 30 start \
        -o "-p $pg_port -k $pg_dir -c listen_addresses=127.0.0.1 -c fsync=off" >/dev/null ||
        { cat "$pg_dir/server.log"; exit 1; }
}
pg_stop() { pg_as "$pg_bin/pg_ctl" -D "$pg_dir/data" -m "${1:-fast}" -w stop >/dev/null; }
pg_sql() { "$pg_bin/psql" -h 127.0.0.1 -p "$pg_port" -U haulmetry -d postgres -tAq -c "$1"; }
