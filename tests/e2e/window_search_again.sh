#!/usr/bin/env bash
# After "No" to the retry question the window works offline; "Search for ECU" from its context
# menu (a real right-click and a click on the entry) starts a new pass over the ports, which
# finds the virtual ECU that has appeared on the port meanwhile and downloads its data.
# HM_SHOTS_DIR, when set, keeps the screenshots as PNG files.
set -euo pipefail
. "$HM_SOURCE_DIR/tests/support/xsession.sh"
. "$HM_SOURCE_DIR/tests/support/haulwin.sh"
hw_begin

export XDG_RUNTIME_DIR="$work" HOME="$work" HAULMETRY_SETTINGS="$work/haulmetry.ini"
xs_start "$work"
# The port is a link that leads nowhere yet: the first pass finds nothing.
"$HM_BIN_DIR/haulmetry" --port "$work/ecu" >"$work/app.log" 2>&1 &
app=$!
main=$(xs_wait_window 'Haulmetry \[ No Data Loaded \]') || fail "no main window"
question=$(xs_wait_window '^Haulmetry$') || fail "no retry question after a pass without an ECU"
keep search-retry-question
xs_key "$question" Escape  # No
xs_wait_gone "$question" || fail "the retry question did not close"
sleep 0.5
kill -0 "$app" 2>/dev/null || fail "the window ended after No"

# The window of an open popup menu: a visible window of the program other than the dialog.
popup() {
    local id found=
    for id in $(xdotool search --onlyvisible --class 'haulmetry' 2>/dev/null); do
        if [ "$id" != "$main" ]; then found=$id; fi
    done
    echo "$found"
}
# Right-click on a blank part of the dialog (left of the chart, between the value fields).
read -r bx by _ _ < <(hw_du_rect 20 150 1 1)

"$HM_BIN_DIR/haulmetry-ecusim" >"$work/sim.out" 2>"$work/sim.err" &
sim=$!
for _ in $(seq 100); do [ -s "$work/sim.out" ] && break; sleep 0.1; done
device=$(head -n 1 "$work/sim.out")
[ -e "$device" ] || fail "the virtual ECU did not start"
ln -s "$device" "$work/ecu"

xs_click "$main" "$bx" "$by" 3
sleep 0.5
menu=$(popup)
[ -n "$menu" ] || fail "the right-click opened no context menu"
keep search-context-menu
read -r mx my mw mh < <(xs_geometry "$menu")
# Four entries: "About Haulmetry...", "Search for ECU", "Library..." and "Link Trace...": the
# second one.
xdotool mousemove $((mx + mw / 2)) $((my + mh * 3 / 8)) click 1
XS_TIMEOUT=60 xs_wait_window 'Haulmetry \[ ECU Data \]' >/dev/null ||
    fail "Search for ECU did not find the virtual ECU"
sleep 0.5
keep search-found-ecu

echo "search for ECU after working offline: the second pass found the virtual ECU"
