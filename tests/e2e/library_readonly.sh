#!/usr/bin/env bash
# A read-only SQLite library read by an ordinary user (root may write any file, so the commands
# run as `nobody`): `library list`, `history` and `backup` read it and leave no -wal or -shm file behind
# (such files would get the library's mode 0444 and make every later write fail with "attempt
# to write a readonly database"); once the library is writable again, imports work at once.
# Also with the folder read-only, and with the WAL files of a writer that has the library open.
set -euo pipefail
. "${HM_SOURCE_DIR:?}/tests/support/cli.sh"
command -v setpriv >/dev/null || { echo "setpriv is needed (util-linux)"; exit 77; }
[ "$(id -u)" = 0 ] || { echo "needs root to run the commands as nobody"; exit 77; }
chmod 0755 "$work"
shared=$work/shared
mkdir -p "$shared/home" "$shared/lib"
python3 "$HM_SOURCE_DIR/tests/e2e/sample_datafile.py" "$shared/base.asc"
python3 "$HM_SOURCE_DIR/tests/e2e/library_files.py" "$shared/base.asc" "$shared/visits" 3 1
chown -R nobody:nogroup "$shared"
lib=$shared/lib/library.sqlite
as_user() {
    setpriv --reuid=nobody --regid=nogroup --clear-groups env HOME="$shared/home" \
        XDG_DATA_HOME="$shared/home/data" XDG_CONFIG_HOME="$shared/home/config" LANGUAGE=en \
        "$bin" "$@"
}
no_wal_files() {
    [ ! -e "$lib-wal" ] && [ ! -e "$lib-shm" ] || fail "$1: left $(ls -l "$lib"-* | tr '\n' ' ')"
}

as_user library import --library "$lib" "$shared/visits/f000000.asc" "$shared/visits/f000001.asc" \
    >"$work/out" 2>&1 || fail "first import: $(cat "$work/out")"
no_wal_files "the first import"
chmod 0444 "$lib"
as_user library list --library "$lib" >"$work/out" 2>&1 || fail "read-only list: $(cat "$work/out")"
grep -q '^TRL00000 .* 2 ' "$work/out" || fail "read-only list: $(cat "$work/out")"
no_wal_files "list of a read-only library"
as_user library history --library "$lib" TRL00000 >"$work/out" 2>&1 ||
    fail "read-only history: $(cat "$work/out")"
[ "$(grep -c import "$work/out")" = 2 ] || fail "read-only history: $(cat "$work/out")"
no_wal_files "history of a read-only library"
as_user library backup --library "$lib" "$shared/home/copy.sqlite" >"$work/out" 2>&1 ||
    fail "backup of a read-only library: $(cat "$work/out")"
no_wal_files "backup of a read-only library"
as_user library import --library "$lib" "$shared/visits/f000002.asc" >"$work/out" 2>&1 &&
    fail "import into a read-only library succeeded"
grep -q "read-only" "$work/out" || fail "read-only message: $(cat "$work/out")"
no_wal_files "a refused import"

chmod 0644 "$lib"
as_user library import --library "$lib" "$shared/visits/f000002.asc" >"$work/out" 2>&1 ||
    fail "import once writable again: $(cat "$work/out")"
grep -q "^1 added" "$work/out" || fail "import once writable again: $(cat "$work/out")"

# The folder read-only too: read as it is, nothing created.
chmod 0444 "$lib"
chmod 0555 "$shared/lib"
as_user library list --library "$lib" | grep -q '^TRL00000 .* 3 ' || fail "list in a read-only folder"
no_wal_files "list in a read-only folder"
chmod 0755 "$shared/lib"

# A writer (the owner) has the library open, with its -wal and -shm: a read-only reader sees
# the writer's rows, also those only in the -wal, and changes nothing.
chmod 0644 "$lib"
python3 "$HM_SOURCE_DIR/tests/e2e/library_files.py" "$shared/base.asc" "$shared/more" 1 1 0 WAL
chown -R nobody:nogroup "$shared/more"
mkfifo "$work/hold"
chmod 0666 "$work/hold"
setpriv --reuid=nobody --regid=nogroup --clear-groups sqlite3 "$lib" \
    "SELECT count(*) FROM downloads" ".read $work/hold" >/dev/null 2>&1 &
holder=$!
exec 7>"$work/hold"
as_user library import --library "$lib" "$shared/more" >/dev/null 2>&1 || fail "import beside a writer"
[ -e "$lib-wal" ] || fail "no -wal while a writer has the library open"
chmod 0444 "$lib"
as_user library list --library "$lib" >"$work/out" 2>&1 || fail "list beside a writer: $(cat "$work/out")"
grep -q '^WAL00000 ' "$work/out" || fail "the reader does not see the writer's rows: $(cat "$work/out")"
exec 7>&-
wait "$holder" || true
chmod 0644 "$lib"
cli_end "library (read-only)"
