#!/usr/bin/env bash
# Start-up of the window program with real X input: a file argument opens the file (a bad one
# gives the file-error title), a second start hands its file to the running window and exits 0,
# without a file it shows the "already running" box; the settings land in the config folder and
# the lock in the private temp folder when XDG_RUNTIME_DIR is unset; two users' copies run side
# by side; without a display the program says so in one line.
set -euo pipefail
bin="$HM_BIN_DIR/haulmetry"
work=$(mktemp -d)
first=""
. "$HM_SOURCE_DIR/tests/support/xsession.sh"
silent=""
cleanup() {
    [ -n "$first" ] && kill "$first" 2>/dev/null || true
    [ -n "$silent" ] && kill "$silent" 2>/dev/null || true
    xs_stop
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "startup_files: $*" >&2; exit 1; }

mkdir -p "$work/home/.config" "$work/data" "$work/tmp"
chmod 1777 "$work/tmp"
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" TMPDIR="$work/tmp"
unset XDG_RUNTIME_DIR HAULMETRY_SETTINGS HAULMETRY_TEST_SCRIPT
python3 "$HM_SOURCE_DIR/tests/e2e/sample_datafile.py" "$work/data/first.asc"
cp "$work/data/first.asc" "$work/data/second trailer.asc"
printf 'not a data file' >"$work/data/junk.asc"

# No display: one line and status 1, before Qt can abort; bad options are still reported first.
for display in "" ":97"; do
    set +e
    env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY="$display" "$bin" "$work/data/first.asc" \
        >"$work/nodisplay.out" 2>&1
    status=$?
    set -e
    [ "$status" -eq 1 ] || fail "no display ('$display'): status $status"
    [ "$(cat "$work/nodisplay.out")" = "haulmetry: no display: run it in a desktop session, or use a subcommand (see haulmetry --help)" ] ||
        { cat "$work/nodisplay.out"; fail "no display ('$display'): wrong message"; }
done
set +e
env -u DISPLAY -u WAYLAND_DISPLAY "$bin" --bogus >"$work/bogus.out" 2>&1
status=$?
set -e
[ "$status" -eq 2 ] && grep -q "unknown option '--bogus'" "$work/bogus.out" || fail "options not checked first"

xs_start "$work"
# The machine's own serial devices are never scanned: an empty device folder stands in for /dev.
mkdir -p "$work/dev"
export HAULMETRY_DEVICE_DIR="$work/dev"
# A desktop double-click: haulmetry FILE. The window opens with the file loaded and searches
# on a silent virtual ECU meanwhile (the hand-overs below come while it probes).
"$HM_BIN_DIR/haulmetry-ecusim" --silent >"$work/silent.out" 2>"$work/silent.err" &
silent=$!
for _ in $(seq 50); do [ -s "$work/silent.out" ] && break; sleep 0.1; done
"$bin" --port "$(head -n 1 "$work/silent.out")" "$work/data/first.asc" >"$work/first.out" 2>&1 &
first=$!
win=$(xs_wait_window " Haulmetry \[ File: first.asc \]") || { cat "$work/first.out"; exit 1; }
settings="$XDG_CONFIG_HOME/haulmetry/haulmetry.ini"
[ -f "$settings" ] || fail "no settings file in the config folder"
grep -q "^$work/data/" "$settings" || fail "settings do not hold the data folder"
[ ! -e "$HM_BIN_DIR/haulmetry.ini" ] || fail "settings written beside the executable"
lockdir="$TMPDIR/haulmetry-$(id -u)"
[ -d "$lockdir" ] && [ "$(stat -c %a "$lockdir")" = 700 ] || fail "no private lock folder"
xs_shot "$work/file-argument.png"

# A second start with a (relative) file hands it over and ends with status 0; the running
# window, minimised meanwhile, comes back to the front with the file loaded.
xdotool windowminimize --sync "$win"
(cd "$work/data" && timeout 30 "$bin" "second trailer.asc") >"$work/second.out" 2>&1 ||
    { cat "$work/second.out"; fail "second start with a file did not exit 0"; }
[ "$(xs_wait_window " Haulmetry \[ File: second trailer.asc \]")" = "$win" ] || fail "not raised"
timeout 30 "$bin" "$work/data/junk.asc" >"$work/junk.out" 2>&1 || fail "hand-over of a bad file"
xs_wait_window " Haulmetry \[ \*\*\*  File Error  \*\*\* \]" >/dev/null
kill -0 "$first" || fail "the first copy ended"
# The file error's message box says why; Return closes it.
box=$(xs_wait_window "^Haulmetry$") || fail "the bad file gave no message"
xs_key "$box" Return
xs_wait_gone "$box"

# Without a file the second start shows the box; the user closes it with Return; status 1.
timeout 60 "$bin" >"$work/third.out" 2>&1 &
third=$!
box=$(xs_wait_window "^Haulmetry$")
xs_shot "$work/already-running.png"
# (The box may take the focus a moment after it is mapped: press again as a user would.)
for _ in 1 2 3 4 5; do
    xs_key "$box" Return
    for _ in $(seq 20); do kill -0 "$third" 2>/dev/null || break 2; sleep 0.1; done
done
set +e
wait "$third"
status=$?
set -e
[ "$status" -eq 1 ] || fail "second start without a file: status $status"

# Another user (a user id made up for the test, no account needed) runs a copy of their own
# beside the first: their lock is in their own private folder.
if [ "$(id -u)" -eq 0 ] && command -v setpriv >/dev/null; then
    chmod 755 "$work"
    # Their own copy of the program, so that the checkout's folders need not be open to them.
    cp "$bin" "$work/haulmetry-other"
    chmod 755 "$work/haulmetry-other"
    mkdir -p "$work/other"
    chown 54321:54321 "$work/other"
    printf 'state\nclose\n' >"$work/quick.txt"
    chmod 644 "$work/quick.txt"
    setpriv --reuid=54321 --regid=54321 --clear-groups env HOME="$work/other" \
        XDG_CONFIG_HOME="$work/other/.config" TMPDIR="$work/tmp" QT_QPA_PLATFORM=offscreen \
        HAULMETRY_TEST_SCRIPT="$work/quick.txt" timeout 60 "$work/haulmetry-other" --port /nonexistent/tty \
        >"$work/other.out" 2>&1 || { cat "$work/other.out"; fail "the other user's copy failed"; }
    grep -q '^title= Haulmetry \[ No Data Loaded \]$' "$work/other.out" || fail "other user: no window"
    ! grep -q 'Already Running' "$work/other.out" || fail "one user's copy kept the other's out"
    [ "$(stat -c %u "$work/tmp/haulmetry-54321")" = 54321 ] || fail "other user's lock folder"
else
    echo "startup_files: two real users skipped (needs root and setpriv)"
fi
kill "$first"
wait "$first" 2>/dev/null || true
first=""

# A file argument that is not a data file: the file-error title, as a load gives it.
"$bin" --port /nonexistent/tty "$work/data/junk.asc" >"$work/bad.out" 2>&1 &
first=$!
xs_wait_window " Haulmetry \[ \*\*\*  File Error  \*\*\* \]" >/dev/null || { cat "$work/bad.out"; exit 1; }
xs_shot "$work/bad-file.png"
[ -n "${HM_SHOTS_DIR:-}" ] && cp "$work"/*.png "$HM_SHOTS_DIR/"
echo "startup files: ok"
