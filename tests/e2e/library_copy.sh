#!/usr/bin/env bash
# `library copy` and `library backup` against real SQLite files and a real PostgreSQL server
# started here: SQLite -> PostgreSQL -> SQLite (and PostgreSQL -> PostgreSQL) byte for byte in
# every stored column and every change of a trailer's details, an image that does not match its
# hash named and skipped, a library
# never copied onto itself, a copy killed (kill -9) or cut off by either server stopping in the
# middle and run again (complete, nothing twice), a backup taken while another process imports
# in a loop (it opens, passes its integrity check and holds whole transactions only), and a
# backup never replacing a file.
set -euo pipefail
. "${HM_SOURCE_DIR:?}/tests/support/cli.sh"
. "$HM_SOURCE_DIR/tests/support/postgres.sh"
. "$HM_SOURCE_DIR/tests/support/library_rows.sh"
export XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config
unset HAULMETRY_LIBRARY
files=$HM_SOURCE_DIR/tests/e2e/library_files.py
src=$work/src.sqlite
python3 "$HM_SOURCE_DIR/tests/e2e/sample_datafile.py" "$work/base.asc"
mkdir -p "$XDG_CONFIG_HOME/haulmetry"
printf 'workshop=S\xc3\xbcd-Werkstatt\n' >"$XDG_CONFIG_HOME/haulmetry/library.conf"
pg_start
pg_db() { echo "postgresql://haulmetry@127.0.0.1:$pg_port/$1"; }
for db in back cut killed; do pg_sql "CREATE DATABASE $db"; done

# The source: 2000 imported downloads, one of a file whose name is not UTF-8 and whose
# identification is not text, and rows another computer added (a download never saved, its own
# host, workshop and time) and one whose image was damaged after it was stored.
python3 "$files" "$work/base.asc" "$work/in" 2000 40
python3 - "$work/base.asc" "$work/in" <<'PY'
import sys
base = open(sys.argv[1], 'rb').read()
open(sys.argv[2].encode() + b'/odd \xff name.asc', 'wb').write(base[:8] + b'bad\xff\x01id'.ljust(20, b'\0') + base[28:])
PY
"$bin" library import "$work/in" --library "$src" >/dev/null || fail "import into the source"
python3 - "$src" "$work/base.asc" <<'PY'
import hashlib, sqlite3, sys
db = sqlite3.connect(sys.argv[1])
base = open(sys.argv[2], 'rb').read()[:2484]
# The figures of the base image, which these rows share (identification and times aside).
figures = db.execute("SELECT distance_km, brake_apps, records, record_keys FROM downloads "
                     "WHERE CAST(path AS TEXT) LIKE '%/f000000.asc'").fetchone()
def add(ident, image, stored_hash, saved, visit, added, host, workshop, source, path):
    db.execute("INSERT INTO downloads (hash, ident, saved_at, visit_at, added_at, host, workshop, "
               "source, path, distance_km, brake_apps, records, record_keys) "
               "VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?)",
               (stored_hash, ident, saved, visit, added, host, workshop, source, path) + figures)
    db.execute("INSERT INTO images VALUES (?,?)", (stored_hash, image))
    db.execute("INSERT INTO trailers SELECT ident, 1, id, NULL FROM downloads WHERE hash = ?", (stored_hash,))
never = base[:8] + b'OTHER1'.ljust(20, b'\0') + base[28:2464] + bytes(20)
add(b'OTHER1', never, hashlib.sha256(never).hexdigest(), '', '2025-03-04T05:06:07', 1234567890,
    'werk-3', 'Łódź', 'download', b'')
damaged = bytearray(base[:8] + b'DAMAGED'.ljust(20, b'\0') + base[28:])
good_hash = hashlib.sha256(damaged).hexdigest()
damaged[500] ^= 1
add(b'DAMAGED', bytes(damaged), good_hash, '2026-01-01T10:00:00', '2026-01-01T10:00:00', 1700000000,
    'werk-3', '', 'import', b'/x/damaged.asc')
db.commit()
PY
# Three changes of trailers' details, with text a spreadsheet or PostgreSQL could misread.
"$bin" library set TRL00000 --plate 'AB-12' --library "$src" >/dev/null || fail "set details"
"$bin" library set TRL00000 --customer 'Süd GmbH' --notes '=1+1' --library "$src" >/dev/null ||
    fail "set more details"
"$bin" library set 'bad\xff\x01id' --fleet-number 'Łódź 7' --library "$src" >/dev/null ||
    fail "set details of an identification that is not text"
all=$(sqlite3 "$src" "SELECT count(*) FROM downloads")
[ "$all" = 2003 ] || fail "the source holds $all downloads, expected 2003"
bad=$(sqlite3 "$src" "SELECT hash FROM downloads WHERE ident = CAST('DAMAGED' AS BLOB)")
sqlite_rows "$src" | grep -v "^$bad|" >"$work/expected"

# copy FROM TO, expecting exit status $3 and the summary $4.
copy_ok() {
    local status=0
    "$bin" library copy "$1" "$2" >"$work/out" 2>"$work/err" || status=$?
    [ "$status" = "$3" ] || fail "copy $1 -> $2: exit $status, expected $3: $(cat "$work/err")"
    grep -qx "$4" "$work/out" || fail "copy $1 -> $2: summary $(cat "$work/out"), expected $4"
}
# Every column and image of the library $2 (rows printed by $1) must be the source's.
same_rows() {
    "$1" "$2" >"$work/got"
    cmp -s "$work/got" "$work/expected" || fail "$2 differs from the source: $(diff "$work/expected" "$work/got" | head -3 | cut -c1-200)"
}

# SQLite -> PostgreSQL -> SQLite, PostgreSQL -> PostgreSQL, SQLite -> SQLite: byte for byte.
copy_ok "$src" "$pg_url" 3 "2002 copied, 0 already there, 1 skipped"
grep -q "download [0-9]* of the library $src (DAMAGED, $bad): its image does not match its hash; skipped" \
    "$work/err" || fail "the damaged image is not named: $(cat "$work/err")"
same_rows pg_rows postgres
grep -qx "3 change(s) of trailers' details copied" "$work/out" || fail "details copied: $(cat "$work/out")"
copy_ok "$src" "$pg_url" 3 "0 copied, 2002 already there, 1 skipped"
grep -q "details copied" "$work/out" && fail "details copied twice: $(cat "$work/out")"
[ "$(pg_sql "SELECT count(*) || '/' || (SELECT sum(downloads) FROM trailers) FROM downloads")" = 2002/2002 ] ||
    fail "a second copy changed the destination"
copy_ok "$pg_url" "$work/round.sqlite" 0 "2002 copied, 0 already there, 0 skipped"
same_rows sqlite_rows "$work/round.sqlite"
copy_ok "$pg_url" "$(pg_db back)" 0 "2002 copied, 0 already there, 0 skipped"
same_rows pg_rows back
copy_ok "sqlite:$work/round.sqlite" "$work/sub/again.sqlite" 0 "2002 copied, 0 already there, 0 skipped"
same_rows sqlite_rows "$work/sub/again.sqlite"
"$bin" library history 'bad\xff\x01id' --library "$work/round.sqlite" | grep -q "odd \\\\xFF name.asc" ||
    fail "history of the round trip does not show the original path"
"$bin" library list --library "$work/round.sqlite" | grep '^OTHER1 .*Łódź' >/dev/null ||
    fail "the other computer's workshop did not survive the round trip"

# Refused: a library onto itself (by another name, link or URL), a source that does not exist.
ln -s "$src" "$work/link.sqlite"
for pair in "$src|$src" "$src|$work/link.sqlite" "$pg_url|postgresql://haulmetry@localhost:$pg_port/postgres?application_name=x"; do
    "$bin" library copy "${pair%%|*}" "${pair#*|}" >/dev/null 2>"$work/err" && fail "copy onto itself: $pair"
    grep -q "are the same library" "$work/err" || fail "self copy $pair: $(cat "$work/err")"
done
"$bin" library copy "$work/nosuch.sqlite" "$work/new.sqlite" >/dev/null 2>"$work/err" &&
    fail "a copy from a missing library succeeded"
grep -q "there is no library $work/nosuch.sqlite" "$work/err" || fail "missing source: $(cat "$work/err")"
[ ! -e "$work/nosuch.sqlite" ] && [ ! -e "$work/new.sqlite" ] || fail "a missing source made files"

# Cut off in the middle: a transaction elsewhere holds the 1001st download uncommitted, so the
# copy's third batch waits for it with two batches in. Then the copy is killed (kill -9), or
# the server stops; run again, the copy completes and nothing is stored twice.
cut_at=$(sqlite3 "$src" "SELECT hash FROM downloads ORDER BY id LIMIT 1 OFFSET 1000")
cut_copy() {
    local db=$1
    "$bin" library list --library "$(pg_db "$db")" >/dev/null
    # Its triggers off (as the superuser may), the row holds only its hash, not the import lock
    # that every insert of the library takes.
    "$pg_bin/psql" -h 127.0.0.1 -p "$pg_port" -U haulmetry -d "$db" -q -v ON_ERROR_STOP=1 -c "BEGIN;
        SET LOCAL session_replication_role = replica; INSERT INTO downloads (hash, ident, saved_at, visit_at, added_at, host, workshop, source,
        path, distance_km, brake_apps, records, record_keys) VALUES ('$cut_at', '', '', '', 0, '',
        '', '', '', 0, 0, 0, ''); SELECT pg_sleep(60);" >/dev/null 2>&1 &
    "$bin" library copy "$src" "$(pg_db "$db")" >"$work/cut.out" 2>"$work/cut.err" &
    copier=$!
    for _ in $(seq 1 300); do
        [ "$(pg_sql "SELECT count(*) FROM pg_stat_activity WHERE datname = '$db' AND wait_event_type = 'Lock'")" = 1 ] && break
        sleep 0.05
    done
    in=$("$pg_bin/psql" -h 127.0.0.1 -p "$pg_port" -U haulmetry -d "$db" -tAq -c "SELECT count(*) FROM downloads")
    [ "$in" = 1000 ] || fail "$db: $in downloads in while the copy waits, expected two batches (1000)"
}
cut_copy killed
kill -9 $copier
wait $copier 2>/dev/null || true
pg_sql "SELECT pg_terminate_backend(pid) FROM pg_stat_activity WHERE datname = 'killed'" >/dev/null
copy_ok "$src" "$(pg_db killed)" 3 "1002 copied, 1000 already there, 1 skipped"
same_rows pg_rows killed

cut_copy cut
pg_stop fast
status=0
wait $copier || status=$?
[ "$status" = 1 ] || fail "copy cut off by the server: exit $status, expected 1"
grep -q "cannot store in the library postgresql://haulmetry@127.0.0.1:$pg_port/cut" "$work/cut.err" &&
    grep -q "1000 download(s) were copied before; run the same copy again" "$work/cut.err" ||
    fail "cut-off message: $(cat "$work/cut.err")"
grep -qx "1000 copied, 0 already there, 0 skipped" "$work/cut.out" || fail "cut-off summary: $(cat "$work/cut.out")"
"$bin" library copy "$src" "$(pg_db cut)" >/dev/null 2>"$work/err" && fail "a copy to a stopped server succeeded"
grep -q "cannot reach the library" "$work/err" || fail "server down: $(cat "$work/err")"
[ ! -d "$XDG_DATA_HOME/haulmetry" ] || [ -z "$(ls "$XDG_DATA_HOME/haulmetry")" ] || fail "a copy used the local queue"
pg_start
copy_ok "$src" "$(pg_db cut)" 3 "1002 copied, 1000 already there, 1 skipped"
same_rows pg_rows cut

# The source's server goes away in the middle: the copy waits to write its first batch (another
# program holds the destination's write lock) when the server stops. The batch read before is
# stored, the next read fails; run again with the server back, the copy completes.
"$bin" library list --library "$work/late.sqlite" >/dev/null
python3 - "$work/late.sqlite" "$work" <<'PY' &
import os, sqlite3, sys, time
db = sqlite3.connect(sys.argv[1], isolation_level=None)
db.execute("BEGIN IMMEDIATE")
open(sys.argv[2] + "/locked", "w").close()
while not os.path.exists(sys.argv[2] + "/release"):
    time.sleep(0.02)
db.execute("ROLLBACK")
PY
holder=$!
while [ ! -e "$work/locked" ]; do sleep 0.02; done
"$bin" library copy "$pg_url?application_name=hmcopy" "$work/late.sqlite" >"$work/cut.out" 2>"$work/cut.err" &
copier=$!
for _ in $(seq 1 300); do  # the first batch read, its statement released: the copy waits to write
    [ "$(pg_sql "SELECT count(*) FROM pg_stat_activity WHERE application_name = 'hmcopy' AND state = 'idle' AND query LIKE 'DEALLOCATE%'")" = 1 ] && break
    sleep 0.05
done
pg_stop fast
touch "$work/release"
wait $holder
status=0
wait $copier || status=$?
[ "$status" = 1 ] || fail "copy whose source went away: exit $status, expected 1"
grep -q "cannot read the library postgresql://haulmetry@127.0.0.1:$pg_port/postgres" "$work/cut.err" &&
    grep -q "500 download(s) were copied before" "$work/cut.err" || fail "source gone: $(cat "$work/cut.err")"
[ "$(wc -l <"$work/cut.err")" = 1 ] || fail "the source-gone message is not one line: $(cat "$work/cut.err")"
[ "$(sqlite3 "$work/late.sqlite" "SELECT count(*) FROM downloads")" = 500 ] || fail "the batch read before is not stored"
pg_start
copy_ok "$pg_url" "$work/late.sqlite" 0 "1502 copied, 500 already there, 0 skipped"
same_rows sqlite_rows "$work/late.sqlite"

# Backup while another process imports in a loop, transaction after transaction of 50 new
# downloads: each backup opens, passes its check and holds whole imports only.
for n in $(seq 1 12); do python3 "$files" "$work/base.asc" "$work/w$n" 50 5 $((n * 50)) W; done
( for n in $(seq 1 12); do "$bin" library import "$work/w$n" --library "$src" >/dev/null; done ) &
writer=$!
for n in 1 2 3; do
    "$bin" library backup "$work/b$n.sqlite" --library "$src" >"$work/out" 2>"$work/err" ||
        fail "backup $n while importing: $(cat "$work/err")"
    got=$(sqlite3 "$work/b$n.sqlite" "PRAGMA integrity_check; SELECT ((count(*) - $all) % 50) || '/' ||
        (count(*) = (SELECT sum(downloads) FROM trailers)) || '/' || (count(*) = (SELECT count(*)
        FROM images)) FROM downloads")
    [ "$got" = "$(printf 'ok\n0/1/1')" ] || fail "backup $n is not consistent: $got"
    grep -q "download(s) of the library $src backed up into $work/b$n.sqlite" "$work/out" ||
        fail "backup summary: $(cat "$work/out")"
done
wait $writer || fail "the importer beside the backups failed"
[ "$(sqlite3 "$work/b3.sqlite" "PRAGMA journal_mode")" = delete ] || fail "the backup is not one file"
"$bin" library backup "$work/final.sqlite" --library "$src" >/dev/null || fail "backup after the imports"
[ "$(sqlite_rows "$work/final.sqlite" | md5sum)" = "$(sqlite_rows "$src" | md5sum)" ] ||
    fail "the backup differs from the library"
"$bin" library list --library "$work/final.sqlite" >/dev/null || fail "the backup is not a library"

# Refused: an existing file (also a dangling link), a shared library, a missing library.
printf 'keep' >"$work/exists"
ln -s "$work/nowhere" "$work/dangling"
for target in "$work/exists" "$work/dangling" "$src"; do
    "$bin" library backup "$target" --library "$src" >/dev/null 2>"$work/err" && fail "backup onto $target succeeded"
    grep -q "exists already; a backup never replaces a file" "$work/err" || fail "backup onto $target: $(cat "$work/err")"
done
[ "$(cat "$work/exists")" = keep ] && [ ! -e "$work/nowhere" ] || fail "a refused backup wrote"
"$bin" library backup "$work/pg.sqlite" --library "$pg_url" >/dev/null 2>"$work/err" && fail "backup of a shared library"
grep -q "pg_dump" "$work/err" || fail "shared library backup: $(cat "$work/err")"
"$bin" library backup "$work/none.sqlite" --library "$work/nosuch.sqlite" >/dev/null 2>"$work/err" &&
    fail "backup of a missing library"
[ -z "$(ls -A "$work" | grep '^\.hm-backup' || true)" ] && [ ! -e "$work/none.sqlite" ] ||
    fail "a backup left a file behind"
cli_end "library copy and backup"
