#!/usr/bin/env bash
# Finding the adapter with real X input: a pass that finds no ECU asks the retry question with a
# details area naming each port tried and what happened on it, and the ttyS devices of the
# device folder that were not tried and why (one with no UART behind it, one the kernel's
# console; the fake sysfs of HAULMETRY_SYSFS_TTY_DIR says so); after "No" the window works
# offline, and a serial device that then appears in the watched device folder (a link ttyUSB0
# to a virtual ECU's pseudo-terminal) is found by the next "Search for ECU" of the context menu.
# HM_SHOTS_DIR, when set, keeps the screenshots.
set -euo pipefail
. "$HM_SOURCE_DIR/tests/support/xsession.sh"
. "$HM_SOURCE_DIR/tests/support/haulwin.sh"
hw_begin
command -v xclip >/dev/null || { echo "xclip is needed (scripts/deps.sh installs it)"; exit 1; }

# start_ecu NAME OPTIONS...: a virtual ECU (its pid joins $sim for the clean-up); sets $dev.
start_ecu() {
    "$HM_BIN_DIR/haulmetry-ecusim" "${@:2}" >"$work/$1.out" 2>"$work/$1.err" &
    sim="$sim $!"
    for _ in $(seq 50); do [ -s "$work/$1.out" ] && break; sleep 0.1; done
    dev=$(head -n 1 "$work/$1.out")
    [ -e "$dev" ] || fail "virtual ECU $1 did not start: $(cat "$work/$1.err")"
}

mkdir -p "$work/dev" "$work/home" "$work/sys/ttyS0" "$work/sys/ttyS1" "$work/sys/console"
export XDG_RUNTIME_DIR="$work" HOME="$work/home" HAULMETRY_SETTINGS="$work/haulmetry.ini"
export HAULMETRY_DEVICE_DIR="$work/dev" HAULMETRY_SYSFS_TTY_DIR="$work/sys"
echo 0 >"$work/sys/ttyS0/type"
echo 4 >"$work/sys/ttyS1/type"
echo "tty0 ttyS1" >"$work/sys/console/active"
unset HAULMETRY_PORTS
start_ecu silent --silent
silent=$dev
start_ecu held --silent
held=$dev
# Two ttyS names, each a pseudo-terminal of a virtual ECU that would answer if it were probed.
start_ecu uart0
ln -s "$dev" "$work/dev/ttyS0"
start_ecu console
ln -s "$dev" "$work/dev/ttyS1"
# Another program holds the third port: flock, and the sleep it runs.
flock -n "$held" -c "echo \$\$ >'$work/sleeper'; exec sleep 300" >/dev/null 2>&1 &
holder=$!
for _ in $(seq 50); do [ -s "$work/sleeper" ] && break; sleep 0.1; done
sim="$sim $holder $(cat "$work/sleeper")"
xs_start "$work"
"$HM_BIN_DIR/haulmetry" --port "$work/missing" --port "$silent" --port "$held" >"$work/app.log" 2>&1 &
app=$!

# The question; Tab Tab Space presses "Show Details...", Tab Ctrl+A Ctrl+C copies the details.
box=$(xs_wait_window '^Haulmetry$') || fail "no retry question"
sleep 0.3
xs_key "$box" Tab Tab space
sleep 0.3
keep retry-details
xs_key "$box" Tab ctrl+a ctrl+c
details=$(timeout 5 xclip -o -selection clipboard) || fail "no details to copy"
expected="COM 1 $work/missing: no such device (unplugged?)
COM 2 $silent: no answer
COM 3 $held: busy: in use by "
[ "${details:0:${#expected}}" = "$expected" ] || fail "details: $details"
grep -qF "flock (pid $holder), sleep (pid $(cat "$work/sleeper"))" <<<"$details" ||
    fail "the holder is not named: $details"
grep -qxF "Not tried, no UART behind the name (the kernel reports an unknown port type): \
$work/dev/ttyS0" <<<"$details" || fail "ttyS0 is not named as left out: $details"
grep -qxF "Not tried, the kernel's console: $work/dev/ttyS1" <<<"$details" ||
    fail "ttyS1 is not named as left out: $details"
! grep -q "^COM 4" <<<"$details" || fail "a ttyS device was probed: $details"
# The mouse wheel over the details area scrolls to its last lines, for the screenshot.
read -r bw bh < <(xdotool getwindowgeometry "$box" | sed -n 's/ *Geometry: \([0-9]*\)x\([0-9]*\)/\1 \2/p')
for _ in 1 2 3 4 5; do xs_click "$box" $((bw / 2)) $((bh - 40)) 5; done
keep retry-details-not-tried

# No: the window works offline. Then an "adapter" appears in the device folder.
xs_key "$box" Escape
xs_wait_gone "$box" || fail "the question stayed"
start_ecu ecu --link "$work/dev/ttyUSB0"
sleep 0.5

# Right-click, then "Search for ECU" (the menu's second entry, chosen with the arrow keys): the
# ECU on ttyUSB0.
main=$(xs_wait_window 'Haulmetry \[') || fail "no main window"
read -r x y w h < <(hw_rect chart)
xs_click "$main" $((x + 20)) $((y + 20)) 3
menu=
for id in $(xdotool search --onlyvisible --class haulmetry 2>/dev/null); do
    [ "$id" != "$main" ] && menu=$id
done
[ -n "$menu" ] || fail "no context menu"
xdotool key Down Down
sleep 0.2
keep search-menu
xdotool key Return
xs_wait_window 'Haulmetry \[ ECU Data \]' >/dev/null || fail "the search did not find the new ECU"
read -r x y w h < <(hw_rect status)
xdotool mousemove --window "$main" $((x + w / 2)) $((y + h / 2))
sleep 1.5
keep found-on-new-port
echo "window find adapter: ok"
