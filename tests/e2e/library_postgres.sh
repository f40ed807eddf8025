#!/usr/bin/env bash
# The trailer library shared over PostgreSQL, against a real server started here: two
# importers at once (no duplicate, no lost row), the server stopped in the middle of an import
# (the import's downloads wait in the local queue; nothing is lost) and started again (the
# queue is sent on the next open), and identifications that are SQL text or not UTF-8.
set -euo pipefail
. "${HM_SOURCE_DIR:?}/tests/support/cli.sh"
. "$HM_SOURCE_DIR/tests/support/postgres.sh"
export XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config
unset HAULMETRY_LIBRARY
files=$HM_SOURCE_DIR/tests/e2e/library_files.py
python3 "$HM_SOURCE_DIR/tests/e2e/sample_datafile.py" "$work/base.asc"
pg_start
export HAULMETRY_LIBRARY=$pg_url
# The fleet's per-trailer counts must add up to the downloads.
rows() { pg_sql "SELECT count(*) || '/' || count(DISTINCT hash) || '/' || (SELECT sum(downloads) FROM trailers) FROM downloads"; }
# A workshop name that is not UTF-8 still reaches the server's text column.
mkdir -p "$XDG_CONFIG_HOME/haulmetry"
printf 'workshop=Nord\xfc\n' >"$XDG_CONFIG_HOME/haulmetry/library.conf"

# Two importers at once with overlapping sets: every download once.
python3 "$files" "$work/base.asc" "$work/a" 300 30
python3 "$files" "$work/base.asc" "$work/b" 300 30 150
"$bin" library import "$work/a" >/dev/null &
first=$!
"$bin" library import "$work/b" >/dev/null || fail "second concurrent importer failed"
wait $first || fail "first concurrent importer failed"
[ "$(rows)" = 450/450/450 ] || fail "concurrent imports: $(rows) rows/hashes/counted, expected 450/450/450"
[ "$(pg_sql "SELECT DISTINCT workshop FROM downloads")" = "Nord�" ] ||
    fail "workshop: $(pg_sql "SELECT DISTINCT workshop FROM downloads")"

# Hostile identifications reach the server as bytes and come back escaped.
python3 - "$work/base.asc" "$work/hostile" <<'PY'
import os, sys
base = open(sys.argv[1], 'rb').read()
os.makedirs(sys.argv[2])
for n, ident in enumerate([b"x');DELETE FROM--", b'bad\xff\x01utf8']):
    open('%s/h%d.asc' % (sys.argv[2], n), 'wb').write(base[:8] + ident.ljust(20, b'\0') + base[28:])
PY
"$bin" library import "$work/hostile" >/dev/null || fail "hostile import into PostgreSQL"
"$bin" library history "x');DELETE FROM--" >/dev/null || fail "history of an SQL-text identification"
"$bin" library list | grep -q '^bad\\xFF\\x01utf8 ' || fail "non-UTF-8 identification not listed escaped"
"$bin" library export 'bad\xff\x01utf8' -o "$work/out" >/dev/null || fail "export from PostgreSQL"
cmp "$work/out/"*.asc "$work/hostile/h1.asc" || fail "export from PostgreSQL is not byte-exact"

# The server goes away while an import waits inside its transaction (a lock held elsewhere).
python3 "$files" "$work/base.asc" "$work/c" 200 20 0 MID
"$pg_bin/psql" -h 127.0.0.1 -p "$pg_port" -U haulmetry -d postgres -q \
    -c "BEGIN; LOCK TABLE downloads IN EXCLUSIVE MODE; SELECT pg_sleep(60);" >/dev/null 2>&1 &
"$bin" library import "$work/c" >"$work/import.out" 2>"$work/import.err" &
importer=$!
for _ in $(seq 1 300); do
    [ "$(pg_sql "SELECT count(*) FROM pg_stat_activity WHERE wait_event_type = 'Lock'")" = 1 ] && break
    sleep 0.05
done
pg_stop fast
status=0
wait $importer || status=$?
[ "$status" = 3 ] || fail "import cut off by the server: exit $status, expected 3"
grep -q "local queue" "$work/import.err" || fail "no word of the queue: $(cat "$work/import.err")"
grep -q "200 waiting in the local queue" "$work/import.out" || fail "summary: $(cat "$work/import.out")"
# While the server is down: a further import is queued at once, reading fails with a message.
python3 "$files" "$work/base.asc" "$work/d" 5 5 0 OFF
status=0
"$bin" library import "$work/d" >/dev/null 2>"$work/err" || status=$?
[ "$status" = 3 ] || fail "import while the server is down: exit $status"
grep -q "cannot reach the library postgresql://haulmetry@127.0.0.1:$pg_port/postgres" "$work/err" ||
    fail "server-down message: $(cat "$work/err")"
"$bin" library list >/dev/null 2>&1 && fail "list succeeded without a server"
[ "$(ls "$XDG_DATA_HOME"/haulmetry/queue-*/ | wc -l)" = 205 ] || fail "the queue does not hold 205 items"

# Back again: the next open sends the queue, and nothing is lost or doubled.
pg_start
"$bin" library list >/dev/null 2>"$work/err" || fail "list after restart: exit $?"
grep -q "205 download(s) that waited in the local queue were stored" "$work/err" ||
    fail "queue notice: $(cat "$work/err")"
[ "$(rows)" = 657/657/657 ] || fail "after the queue was sent: $(rows), expected 657/657/657"
[ -z "$(ls "$XDG_DATA_HOME"/haulmetry/queue-*/)" ] || fail "the queue was not emptied"
# The figures and views in PostgreSQL as in SQLite: the queued downloads got their figures too
# (every row's columns equal those a fresh computation stores), identifications are the command
# line's text, timestamps are timestamps, and the change since the visit before is the use.
figures_of() { pg_sql "SELECT id, distance_km, brake_applications, brake_time_cs, overload_km, load_km, ident_text FROM downloads ORDER BY id"; }
[ "$(pg_sql "SELECT count(*) FROM downloads WHERE load_km = 0 OR ident_text = ''")" = 0 ] ||
    fail "downloads without their figures"
[ "$(pg_sql "SELECT ident FROM download_figures WHERE ident_bytes = '\\x626164ff017574663800'::bytea OR ident LIKE 'bad%'")" = 'bad\xFF\x01utf8' ] ||
    fail "the view's identification: $(pg_sql "SELECT ident FROM download_figures WHERE ident LIKE 'bad%'")"
[ "$(pg_sql "SELECT pg_typeof(saved_at)::text || ' ' || pg_typeof(added_at)::text || ' ' || pg_typeof(brake_time_s)::text FROM download_figures LIMIT 1")" = "timestamp without time zone timestamp with time zone numeric" ] ||
    fail "the view's types"
[ "$(pg_sql "SELECT distance_km_since || ' ' || brake_applications_since || ' ' || erased_since FROM download_figures d JOIN downloads x ON x.id = d.id WHERE x.ident = 'TRL00000' AND d.previous_id IS NOT NULL ORDER BY d.visit_at LIMIT 1")" = "100 160 0" ] ||
    fail "the change since the visit before in the view"
[ "$(pg_sql "SELECT count(*) FROM trailer_figures")" = "$(pg_sql "SELECT count(*) FROM trailers")" ] ||
    fail "trailer_figures is not one row per trailer"
# A library of schema version 2 is brought forward, its figures filled from the stored images.
figures_of >"$work/figures.before"
pg_sql "DROP TABLE trailer_details; DROP TRIGGER downloads_stamp ON downloads; DROP TRIGGER downloads_added ON downloads; DROP FUNCTION haulmetry_lock(), haulmetry_added(), haulmetry_stamp(); ALTER TABLE images DROP CONSTRAINT images_match_hash; ALTER TABLE downloads ALTER COLUMN workshop DROP DEFAULT; DROP VIEW trailer_figures; DROP VIEW download_figures; ALTER TABLE downloads DROP COLUMN brake_applications, DROP COLUMN brake_time_cs, DROP COLUMN overload_km, DROP COLUMN load_km, DROP COLUMN ident_text, DROP COLUMN abs_events, DROP COLUMN rollover_events, DROP COLUMN brake_apps_by_distance, DROP COLUMN slp_brake_apps, DROP COLUMN reservoir_km, DROP COLUMN low_reservoir_km, DROP COLUMN hard_braking_applications, DROP COLUMN stability_records, DROP COLUMN recent_km, DROP COLUMN recent_brake_apps; UPDATE downloads SET distance_km = 0; UPDATE haulmetry_schema SET version = 2"
"$bin" library list >/dev/null || fail "list of a schema 2 library: exit $?"
[ "$(pg_sql "SELECT version FROM haulmetry_schema")" = 5 ] || fail "not brought forward to schema 5"
figures_of | cmp -s - "$work/figures.before" || fail "the figures filled by the migration differ"
cli_end "library (PostgreSQL)"
