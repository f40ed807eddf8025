#!/usr/bin/env bash
# The Settings window with real X input: a right-click and the context menu's last entry,
# "Settings...", open it; a data folder typed into Data folder (Alt+D) and, two pages on
# (Ctrl+Page Down), a workshop name into its Name field (Alt+N), then Enter (OK), reach library.conf (its comment and role name
# kept) and the settings file, and the folder is made; opened again and closed with Escape
# (Cancel), it writes nothing. HM_SHOTS_DIR, when set, keeps the screenshot of the window.
set -euo pipefail
. "$HM_SOURCE_DIR/tests/support/xsession.sh"
. "$HM_SOURCE_DIR/tests/support/haulwin.sh"
hw_begin

conf="$work/home/.config/haulmetry/library.conf"
mkdir -p "$(dirname "$conf")"
printf '# the fleet of the north\nworkshop=shop_north\n' >"$conf"
chmod 600 "$conf"
hw_start_demo

# Opens the context menu and clicks its last entry, "Settings...", and waits for the window.
open_settings() {
    local id menu= mx my mw mh
    xs_click "$main" 8 8 3
    sleep 0.3
    for id in $(xdotool search --onlyvisible --class 'haulmetry' 2>/dev/null); do
        [ "$id" != "$main" ] && menu=$id
    done
    [ -n "$menu" ] || fail "no context menu"
    read -r mx my mw mh < <(xs_geometry "$menu")
    xdotool mousemove $((mx + mw / 2)) $((my + mh - 12)) click 1
    settings=$(xs_wait_window '^Settings$') || fail "the menu entry opened no Settings window"
    sleep 0.5
}

open_settings
xs_key "$settings" alt+d
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 5 "$work/chosen"
# Ctrl+Page Down twice: from the data files' page to the workshop's.
xs_key "$settings" ctrl+Next ctrl+Next
xs_key "$settings" alt+n
xdotool type --delay 5 "Nord Bremsen GmbH"
sleep 0.3
keep settings-window
read -r sx sy sw sh < <(xs_geometry "$settings")
# Texts (dark pixels) run across the window, from its left labels to its right buttons.
read -r first last < <(python3 "$shot_tool" dark "$work/settings-window.ppm" "$sx" "$sy" "$sw" "$sh")
[ "$first" != none ] && [ $((last - first)) -gt $((sw / 2)) ] ||
    fail "the Settings window shows no texts across it ($first $last of $sw)"
xs_key "$settings" Return
xs_wait_gone "$settings" || fail "Enter did not close the Settings window"

grep -qx 'workshop_name=Nord Bremsen GmbH' "$conf" || fail "library.conf lacks the name: $(cat "$conf")"
grep -qx '# the fleet of the north' "$conf" || fail "library.conf lost its comment"
grep -qx 'workshop=shop_north' "$conf" || fail "library.conf lost the role name"
[ "$(stat -c %a "$conf")" = 600 ] || fail "library.conf changed its mode"
grep -q "$work/chosen" "$work/haulmetry.ini" || fail "the settings file lacks the data folder"
[ -d "$work/chosen" ] || fail "the data folder was not made"

# Escape is Cancel: nothing is written.
before=$(md5sum "$conf" "$work/haulmetry.ini")
open_settings
xs_key "$settings" ctrl+Next ctrl+Next alt+n
xdotool type --delay 5 "Other"
xs_key "$settings" Escape
xs_wait_gone "$settings" || fail "Escape did not close the Settings window"
[ "$(md5sum "$conf" "$work/haulmetry.ini")" = "$before" ] || fail "Cancel wrote the settings"

hw_quit
echo "window settings: ok"
