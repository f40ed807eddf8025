#!/usr/bin/env bash
# haulmetry --demo under Xvfb: the download from the in-process virtual ECU reaches
# " Haulmetry [ ECU Data ]" with graph 1, next and previous step through the graphs, and a saved
# file loads back with " [ File: <name> ]". The download went into the trailer library once: the
# save and the load of the same data add no second row.
set -euo pipefail
bin="$HM_BIN_DIR/haulmetry"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_RUNTIME_DIR="$work" HOME="$work"
export HAULMETRY_SETTINGS="$work/haulmetry.ini"
unset QT_QPA_PLATFORM
cat >"$work/script.txt" <<'SCRIPT'
wait-title  [ ECU Data ]
state
next
next
previous
save
load-saved
close
SCRIPT
cd "$work"
runner=(xvfb-run -a -s "-screen 0 1280x800x24")
command -v xvfb-run >/dev/null || { echo "xvfb-run missing"; exit 1; }
HAULMETRY_TEST_SCRIPT="$work/script.txt" timeout 120 "${runner[@]}" "$bin" --demo >"$work/out.txt" 2>&1 ||
    { echo "haulmetry --demo failed:"; cat "$work/out.txt"; exit 1; }
cat "$work/out.txt"
expect() { grep -qxF -- "$1" "$work/out.txt" || { echo "missing line: $1"; exit 1; }; }
expect "title:  Haulmetry [ ECU Data ]"
# After the download: graph 1, previous off, next on.
sed -n '/^title= Haulmetry \[ ECU Data \]$/,/^loaded=/p' "$work/out.txt" | head -5 >"$work/first.txt"
grep -qx 'graph=1' "$work/first.txt"
grep -qx 'enabled=load,save,reload,erase,stability,information,print,next,close' "$work/first.txt"
expect "graph=3"
expect "graph-title=3.  Total Braking Time v Peak Demand Pressure"
expect "graph=2"
saved=$(sed -n 's/^saved=//p' "$work/out.txt")
[ -n "$saved" ] && [ -f "$saved" ] || { echo "no saved file"; exit 1; }
[ "$(stat -c %s "$saved")" -eq 2484 ]
expect "title= Haulmetry [ File: $(basename "$saved") ]"
expect "loaded=$(basename "$saved")"
"$bin" library list --format csv >"$work/fleet.csv"
cat "$work/fleet.csv"
[ "$(wc -l <"$work/fleet.csv")" -eq 2 ] || { echo "not one trailer in the library"; exit 1; }
ident=$(sed -n '2{s/,.*//;s/"//g;p}' "$work/fleet.csv")  # the first field, out of its quotes
"$bin" library history "$ident" >"$work/history.txt"
cat "$work/history.txt"
grep -q 'download' "$work/history.txt" || { echo "the download is not in the library"; exit 1; }
[ "$(grep -cE '^ *[0-9]+ ' "$work/history.txt")" -eq 1 ] || { echo "not one download"; exit 1; }
echo "demo window: ok"
