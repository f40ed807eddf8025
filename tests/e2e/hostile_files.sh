#!/usr/bin/env bash
# Files that are not what they seem, without a display: FIFOs and folders where a data file is
# read, FIFOs, devices and symbolic links (also in a loop) where a file is written, file names that are not UTF-8, and the
# virtual ECU's --link next to files it must not touch. A command that blocks is ended by
# `timeout` and counts as a failure.
set -euo pipefail
. "${HM_SOURCE_DIR:?}/tests/support/cli.sh"

python3 "${HM_SOURCE_DIR:?}/tests/e2e/sample_datafile.py" "$work/good.asc"
mkfifo "$work/fifo.asc"
mkdir "$work/folder.asc"

# Runs a command that must fail with exit 1 and `reason` on stderr, within 20 s.
expect_refusal() {
    local name=$1 reason=$2
    shift 2
    local status=0
    timeout 20 "$@" >"$work/stdout" 2>"$work/stderr" </dev/null || status=$?
    [ "$status" != 124 ] || { fail "$name: blocked"; return; }
    [ "$status" = 1 ] || fail "$name: exit $status"
    grep -qF -- "$reason" "$work/stderr" || fail "$name: reason: $(cat "$work/stderr")"
}

# 1. A FIFO or folder given as the data file to read.
for input in fifo folder; do
    f="$work/$input.asc"
    kind=$([ $input = fifo ] && echo "is a FIFO, not a regular file" || echo "is a folder")
    expect_refusal "summary $input" "$kind" "$bin" summary "$f"
    expect_refusal "records $input" "$kind" "$bin" records "$f"
    expect_refusal "graph $input" "$kind" "$bin" graph "$f" 1
    expect_refusal "export-text $input" "$kind" "$bin" export-text "$f" -o "$work/x.txt"
    expect_refusal "page $input" "$kind" "$bin" page "$f" --graph 1 -o "$work/x.png"
    expect_refusal "ecusim --vehicle $input" "$kind" "$sim" --vehicle "$f"
done

# 2. Where a file is written (text export, page, report, spreadsheet): a FIFO stays a FIFO, a link in a loop
#    stays as it is, a symbolic link stays a link and its target gets the content, with the
#    target's mode.
writer() {
    case $1 in
        txt) write=("$bin" export-text "$work/good.asc" -o) ;;
        png) write=("$bin" page "$work/good.asc" --graph 1 -o) ;;
        pdf) write=("$bin" report "$work/good.asc" -o) ;;
        xlsx) write=("$bin" export "$work/good.asc" --format xlsx -o) ;;
    esac
}
for out in txt png pdf xlsx; do
    writer $out
    mkfifo "$work/out-fifo.$out"
    expect_refusal "$out to a FIFO" "is a FIFO, not a regular file" "${write[@]}" "$work/out-fifo.$out"
    [ -p "$work/out-fifo.$out" ] || fail "$out: the FIFO was replaced"
    ln -s "loop-b.$out" "$work/loop-a.$out"
    ln -s "loop-a.$out" "$work/loop-b.$out"
    expect_refusal "$out to a link loop" "Too many levels of symbolic links" \
        "${write[@]}" "$work/loop-a.$out"
    [ "$(readlink "$work/loop-a.$out")" = "loop-b.$out" ] || fail "$out: the looped link was replaced"
    echo old >"$work/real.$out"
    chmod 640 "$work/real.$out"
    ln -s "real.$out" "$work/link.$out"
    timeout 60 "${write[@]}" "$work/link.$out" || fail "$out through a link: exit $?"
    [ -L "$work/link.$out" ] || fail "$out: the link was replaced by a file"
    [ "$(stat -c %s "$work/real.$out")" -gt 100 ] || fail "$out: the link's target was not written"
    [ "$(stat -c %a "$work/real.$out")" = 640 ] || fail "$out: mode $(stat -c %a "$work/real.$out")"
done
# A device node (made here, as root only): never written to, never replaced by a regular file.
if [ "$(id -u)" = 0 ] && mknod "$work/null-device" c 1 3 2>/dev/null; then
    for out in txt pdf xlsx; do
        writer $out
        expect_refusal "$out to a device" "is a character device, not a regular file" \
            "${write[@]}" "$work/null-device"
        [ -c "$work/null-device" ] || fail "$out: the device node was replaced"
    done
fi
[ -z "$(find "$work" -name '.hm*')" ] || fail "temporary files left: $(find "$work" -name '.hm*')"

# 3. File names that are not UTF-8 reach the file system byte for byte, and messages show the
#    bytes as \xNN.
latin=$'caf\xe9'
cp "$work/good.asc" "$work/$latin.asc"
"$bin" summary "$work/$latin.asc" >/dev/null || fail "summary of a Latin-1 name"
"$bin" export-text "$work/$latin.asc" -o "$work/$latin.txt" || fail "export-text to a Latin-1 name"
[ -f "$work/$latin.txt" ] || fail "export-text wrote another name: $(ls "$work" | od -c | head -3)"
"$bin" page "$work/$latin.asc" --record 1 -o "$work/$latin.pdf" || fail "page to a Latin-1 name"
[ -f "$work/$latin.pdf" ] || fail "page wrote another name"
"$bin" report "$work/$latin.asc" -o "$work/$latin-report.pdf" || fail "report to a Latin-1 name"
[ -f "$work/$latin-report.pdf" ] || fail "report wrote another name: $(ls "$work" | od -c | head -3)"
# The cover and every page header name the file as the messages do (1 + 10 graph pages + records).
shown=$(pdftotext "$work/$latin-report.pdf" - | grep -cF 'caf\xE9.asc') || true
[ "$shown" -ge 11 ] || fail "the report shows caf\\xE9.asc on $shown pages"
expect_refusal "missing Latin-1 name" 'caf\xE9-missing.asc: cannot open' \
    "$bin" summary "$work/$latin-missing.asc"
# A character outside the first plane next to a byte that is not UTF-8.
mixed=$'x\xf0\x90\x82\x80\xe9'
"$bin" export-text "$work/good.asc" -o "$work/$mixed.txt" || fail "export-text to a mixed name"
[ -f "$work/$mixed.txt" ] || fail "export-text wrote another name for the mixed name"
if ls "$work" | grep -q $'\xef\xbf\xbd'; then fail "a name with U+FFFD was written"; fi

# Control characters in an identification or a file name reach no terminal raw: CSV and table
# fields and the report's PDF title show them as \xNN, and a formula behind a CR is still guarded.
esc=$'bell\a\e[2J'
python3 - "$work/good.asc" "$work/$esc.asc" <<'PY'
import sys
b = bytearray(open(sys.argv[1], "rb").read())
b[8:28] = b"\r=1+\x1b]0;x\x07\x7f".ljust(20, b"\0")
open(sys.argv[2], "wb").write(b)
PY
"$bin" export "$work/$esc.asc" --format csv >"$work/esc-export.csv" || fail "export of a name with controls"
"$bin" table "$work/$esc.asc" >"$work/esc-table.csv" || fail "table of a name with controls"
"$bin" report "$work/$esc.asc" -o "$work/esc.pdf" || fail "report of an identification with controls"
pdfinfo "$work/esc.pdf" | grep '^Title:' >"$work/esc-title" || fail "the report has no title"
# The cover and the page headers: the identification and the file name as \xNN.
pdftotext "$work/esc.pdf" - | tr -d '\f\n' >"$work/esc-pages"
grep -qF 'bell\x07\x1B[2J.asc' "$work/esc-pages" || fail "file name not escaped on the pages"
for f in esc-export.csv esc-table.csv esc-title esc-pages; do
    python3 -c 'import sys
d = open(sys.argv[1], "rb").read().replace(b"\r\n", b"").rstrip(b"\n")
sys.exit(any(c < 32 or c == 127 for c in d))' "$work/$f" || fail "$f holds a raw control byte"
    grep -qF '\x0D=1+\x1B]0;x\x07\x7F' "$work/$f" || fail "$f: identification not escaped"
done
grep -qF "'\\x0D=1+" "$work/esc-export.csv" || fail "a formula behind a CR is not guarded"
grep -qF 'bell\x07\x1B[2J.asc' "$work/esc-table.csv" || fail "file name not escaped in the table"

# 4. The virtual ECU's link: only an empty place or a stale link into /dev/pts is taken.
echo precious >"$work/precious"
ln -s precious "$work/to-precious"
for target in precious to-precious folder.asc fifo.asc; do
    expect_refusal "--link at $target" "cannot create the link" \
        timeout 5 "$sim" --link "$work/$target"
done
[ "$(cat "$work/precious")" = precious ] || fail "--link changed a regular file"
[ "$(readlink "$work/to-precious")" = precious ] || fail "--link replaced a foreign link"
[ -d "$work/folder.asc" ] && [ -p "$work/fifo.asc" ] || fail "--link replaced a folder or FIFO"


ecu_link="$work/ecu-$latin"
ln -s /dev/pts/999999 "$ecu_link"  # a stale link of an earlier run
sim_start linked --link "$ecu_link"
[ "$(readlink "$ecu_link")" = "$dev" ] || fail "stale link not replaced: $(readlink "$ecu_link")"
timeout 120 "$bin" download --port "$ecu_link" -o "$work/dl-$latin.asc" 2>"$work/dl.err" ||
    fail "download over a Latin-1 link name: $(cat "$work/dl.err")"
[ "$(stat -c %s "$work/dl-$latin.asc" 2>/dev/null)" = 2484 ] || fail "download wrote another name"
sim_stop_last
[ ! -e "$ecu_link" ] && [ ! -L "$ecu_link" ] || fail "link left after exit"

# A file put in place of the link while the ECU runs survives its exit.
sim_start replaced --link "$work/ecu2"
rm "$work/ecu2"
echo mine >"$work/ecu2"
sim_stop_last
[ "$(cat "$work/ecu2" 2>/dev/null)" = mine ] || fail "exit removed a file that was not its link"

cli_end "hostile-file"
