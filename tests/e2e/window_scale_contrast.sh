#!/usr/bin/env bash
# Twice the scale on a 1920x1080 screen with a dark desktop palette (Qt's GTK platform theme
# with GTK's dark Adwaita): the main window and every dialog it opens lie on the screen, no
# control extends beyond the control it sits in (their extents as the accessibility bus gives
# them), and the texts are light on the dark window (the chart keeps its own colours).
# HM_SHOTS_DIR, when set, keeps the screenshots.
set -euo pipefail
. "$HM_SOURCE_DIR/tests/support/a11y_session.sh"
fits() {  # fits TITLE-REGEX: the window lies on the screen and its controls inside their parents
    local id x y w h
    id=$(xs_wait_window "$1") || fail "no window '$1'"
    sleep 0.5
    read -r x y w h < <(xs_geometry "$id")
    echo "== $1: ${w}x$h at $x,$y"
    [ "$x" -ge 0 ] && [ "$y" -ge 0 ] && [ $((x + w)) -le 1920 ] && [ $((y + h)) -le 1080 ] ||
        fail "'$1' (${w}x$h at $x,$y) does not fit the 1920x1080 screen"
    "$py" "$HM_SOURCE_DIR/tests/support/a11y_tree.py" haulmetry --window "$1" --screen 1920x1080 \
        >"$work/tree.txt" || { cat "$work/tree.txt"; fail "a control of '$1' is cut"; }
    grep -E 'window at|checked' "$work/tree.txt"
}
click2() {  # click2 WINDOW NAME: clicks a main-window control at twice the scale
    local x y
    read -r x y < <(hw_centre "$2")
    xs_click "$1" $((x * 2)) $((y * 2))
}

mkdir -p "$work/home"
export XDG_RUNTIME_DIR="$work" HOME="$work/home" HAULMETRY_SETTINGS="$work/haulmetry.ini"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 QT_SCALE_FACTOR=2
export QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark
xs_start "$work" 1920x1080
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/atspi.log" 2>&1 &
xs_pids+=($!)
"$HM_BIN_DIR/haulmetry" --demo >"$work/app.log" 2>&1 &
app=$!
main=$(xs_wait_window 'Haulmetry \[ ECU Data \]') || fail "no download"
sleep 1
fits 'ECU Data'
keep scale2-dark-main
# Dark palette: the window's ground is dark and the graph title's text light.
read -r mx my _ _ < <(xs_geometry "$main")
read -r tx ty tw th < <(hw_du_rect 105 30 266 12)
ground=$("$py" "$HM_SOURCE_DIR/tests/support/shot.py" dark "$work/scale2-dark-main.ppm" \
    $((mx + 4)) $((my + 300)) 40 40)
[ "$ground" = "0 39" ] || fail "the window's ground is not dark: $ground"
title=$("$py" "$HM_SOURCE_DIR/tests/support/shot.py" light "$work/scale2-dark-main.ppm" \
    $((mx + tx * 2 + 4)) $((my + ty * 2 + 4)) $((tw * 2 - 8)) $((th * 2 - 8)))
[ "$title" != none ] || fail "the graph title has no light text on the dark ground"

shut() { xs_key "$(xs_wait_window "$1")" Escape; sleep 0.3; }
click2 "$main" erase
fits 'Select Data to Erase'
keep scale2-dark-erase
shut 'Select Data to Erase'
click2 "$main" information
fits '^Display Information$'
keep scale2-dark-information
shut '^Display Information$'
click2 "$main" stability
fits 'Stability Snaphot'
keep scale2-dark-stability
shut 'Stability Snaphot'
xs_key "$main" F1
fits 'About'
shut 'About'
# The context menu's last entry, "Settings...".
xs_click "$main" 16 16 3
sleep 0.5
menu=
for id in $(xdotool search --onlyvisible --class 'haulmetry' 2>/dev/null); do
    [ "$id" != "$main" ] && menu=$id
done
[ -n "$menu" ] || fail "no context menu"
read -r mx my mw mh < <(xs_geometry "$menu")
xdotool mousemove $((mx + mw / 2)) $((my + mh - 24)) click 1
fits '^Settings$'
keep scale2-dark-settings
shut '^Settings$'
xs_key "$main" ctrl+p
fits 'Print Preview'
keep scale2-dark-preview
shut 'Print Preview'
echo "main window and dialogs fit 1920x1080 at scale 2; texts light on the dark palette"
