#!/usr/bin/env bash
# One SQLite library shared by the running window and the command line, as a workshop uses it:
# the window downloads the demo trailer (its recorder stores it), Ctrl+L opens the library
# window, and then, round after round, `library import` adds a visit, the window is handed a
# file to load (its recorder stores it), `library list` and the library window (F5) read, and a
# window save followed by `library import` of the saved file makes no second visit. Every
# writer's row must be there at the end, once, after the window has quit; the library's WAL
# files must never vanish while the window has the library open.
set -euo pipefail
. "$HM_SOURCE_DIR/tests/support/xsession.sh"
. "$HM_SOURCE_DIR/tests/support/haulwin.sh"
hw_begin
rounds=${HM_ROUNDS:-6}
export XDG_DATA_HOME="$work/data" LANGUAGE=en
unset HAULMETRY_LIBRARY
lib=$XDG_DATA_HOME/haulmetry/library.sqlite
printf '[HLM+]\r\n%s/saved/\r\n[MAKE XL FILE]\r\nNo\r\n[INFO POP UP]\r\nNo' "$work" >"$work/haulmetry.ini"
mkdir -p "$work/saved"
python3 "$HM_SOURCE_DIR/tests/e2e/sample_datafile.py" "$work/base.asc"
# Trailers IMP00000.. for the command line, LOD00000.. for the window to load.
python3 "$HM_SOURCE_DIR/tests/e2e/library_files.py" "$work/base.asc" "$work/imports" "$rounds" "$rounds" 0 IMP
python3 "$HM_SOURCE_DIR/tests/e2e/library_files.py" "$work/base.asc" "$work/loads" "$rounds" "$rounds" 0 LOD
imports=("$work"/imports/*.asc)
loads=("$work"/loads/*.asc)
rows() { sqlite3 "file:$lib?mode=ro" "SELECT count(*) FROM downloads${1:+ WHERE $1}"; }
# wait_rows N WHERE: until N rows match (the recorder stores on a thread of its own).
wait_rows() {
    for _ in $(seq 100); do [ "$(rows "$2")" = "$1" ] && return 0; sleep 0.1; done
    fail "expected $1 rows${2:+ where $2}, found $(rows "$2")"
}
wal_present() {
    [ -e "$lib-wal" ] && [ -e "$lib-shm" ] || fail "$1: the library's -wal/-shm vanished under the window"
}

hw_start_demo
wait_rows 1 "source = 'download'"
# F5: the unsaved download is saved first (the recorder counts the save as the same visit),
# then downloaded again (the same data: no new row).
xs_key "$main" F5
notice=$(xs_wait_window '^Haulmetry$') || fail "F5 named no backup of the download"
xs_key "$notice" Return
xs_wait_gone "$notice"
xs_wait_window 'Haulmetry \[ ECU Data \]' >/dev/null || fail "no download after F5"
saved=("$work"/saved/*.asc)
[ -f "${saved[0]}" ] || fail "the download was not saved before F5"
xs_key "$main" ctrl+l
libwin=$(xs_wait_window '^Trailer Library$') || fail "Ctrl+L opened no library window"
sleep 1
wal_present "after Ctrl+L"

for ((i = 0; i < rounds; i++)); do
    "$HM_BIN_DIR/haulmetry" library import "${imports[i]}" >"$work/out" 2>&1 ||
        fail "round $i: import: $(cat "$work/out")"
    grep -qx "1 added, 0 already in the library, 0 waiting in the local queue, 0 skipped" "$work/out" ||
        fail "round $i: import summary: $(cat "$work/out")"
    wal_present "round $i, after import"
    # A second start with a file hands it to the running window, which loads it.
    "$HM_BIN_DIR/haulmetry" "${loads[i]}" >>"$work/app.log" 2>&1 || fail "round $i: hand-over"
    xs_wait_window "Haulmetry \[ File: f0*$i\.asc \]" >/dev/null || fail "round $i: the window did not load ${loads[i]}"
    wait_rows $((i + 1)) "source = 'load'"
    "$HM_BIN_DIR/haulmetry" library list >"$work/list" 2>&1 || fail "round $i: list: $(cat "$work/list")"
    [ "$(grep -c '^\(IMP\|LOD\)' "$work/list")" = $((2 * i + 2)) ] ||
        fail "round $i: list shows $(grep -c '^\(IMP\|LOD\)' "$work/list") of $((2 * i + 2)) trailers"
    wal_present "round $i, after list"
    xs_key "$libwin" F5
    sleep 0.3
    wal_present "round $i, after the library window read again"
done

# The saved download and a second save of it (another saved-at time) imported: the same visit
# as the window's download.
python3 - "${saved[0]}" "$work/copy.asc" <<'PY'
import struct, sys
image = bytearray(open(sys.argv[1], 'rb').read())
struct.pack_into('<8H', image, 2464, 2027, 1, 5, 1, 9, 30, 0, 0)
open(sys.argv[2], 'wb').write(image)
PY
"$HM_BIN_DIR/haulmetry" library import "${saved[0]}" "$work/copy.asc" >"$work/out" 2>&1 ||
    fail "import of the saved download: $(cat "$work/out")"
grep -qx "0 added, 0 already in the library, 0 waiting in the local queue, 0 skipped" "$work/out" &&
    grep -qx "2 already in the library as the same visit" "$work/out" ||
    fail "import of the saved download: $(cat "$work/out")"
wal_present "after the import of the saved download"

hw_quit
[ "$(rows "source = 'download'")" = 1 ] || fail "download rows: $(rows "source = 'download'") (expected 1)"
[ "$(rows "source = 'import'")" = "$rounds" ] || fail "import rows: $(rows "source = 'import'") of $rounds"
[ "$(rows "source = 'load'")" = "$rounds" ] || fail "load rows: $(rows "source = 'load'") of $rounds"
[ "$(rows)" = $((2 * rounds + 1)) ] || fail "rows in all: $(rows) (expected $((2 * rounds + 1)))"
"$HM_BIN_DIR/haulmetry" library list >"$work/list"
[ "$(wc -l <"$work/list")" = $((2 * rounds + 2)) ] || fail "list after quitting: $(cat "$work/list")"
[ "$(sqlite3 "$lib" 'PRAGMA integrity_check')" = ok ] || fail "the library is damaged"
echo "window library shared: ok"
