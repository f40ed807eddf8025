# Real-input desktop session for end-to-end tests: Xvfb on a free display, the openbox window
# manager, and small xdotool helpers. Source it from a test script:
#
#   . "$HM_SOURCE_DIR/tests/support/xsession.sh"
#   xs_start "$work"                 # sets DISPLAY; call xs_stop in the script's EXIT trap
#   win=$(xs_wait_window " Haulmetry")   # window id of the first visible window whose name matches
#   xs_click "$win" 40 60            # click at a point of the window (window coordinates)
#   xs_key "$win" ctrl+p             # keys go to the focused window after activating $win
#   xs_shot "$work/shot.png"         # screenshot of the whole screen
#
# Every wait is bounded (XS_TIMEOUT seconds, default 30) and fails the test with a message.

XS_TIMEOUT=${XS_TIMEOUT:-30}
xs_pids=()

xs_fail() {
    echo "xsession: $*" >&2
    [ -n "${xs_dir:-}" ] && [ -n "${DISPLAY:-}" ] && import -window root "$xs_dir/failure.png" 2>/dev/null &&
        echo "xsession: screen at failure: $xs_dir/failure.png" >&2
    return 1
}

# xs_start DIR [WIDTHxHEIGHT]: starts Xvfb (display number chosen by the server) and openbox.
xs_start() {
    xs_dir=$1
    local geometry=${2:-1280x800}
    local fifo="$xs_dir/xs-display"
    command -v Xvfb >/dev/null && command -v openbox >/dev/null && command -v xdotool >/dev/null ||
        { echo "xsession: Xvfb, openbox and xdotool are needed (scripts/deps.sh installs them)" >&2; return 1; }
    rm -f "$fifo"
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 "${geometry}x24" -nolisten tcp 3>"$fifo" >"$xs_dir/xvfb.log" 2>&1 &
    xs_pids+=($!)
    local number
    read -r -t "$XS_TIMEOUT" number <"$fifo" || { xs_fail "Xvfb did not start"; return 1; }
    export DISPLAY=":$number"
    unset QT_QPA_PLATFORM WAYLAND_DISPLAY
    openbox --sm-disable >"$xs_dir/openbox.log" 2>&1 &
    xs_pids+=($!)
    # openbox is ready once it has claimed the window manager selection.
    local i
    for ((i = 0; i < XS_TIMEOUT * 10; i++)); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
        sleep 0.1
    done
    xs_fail "openbox did not start"
}

xs_stop() {
    local pid
    for pid in "${xs_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${xs_pids[@]}"; do wait "$pid" 2>/dev/null || true; done
    xs_pids=()
}

# xs_wait_window NAME-REGEX: prints the id of a visible window whose title matches.
xs_wait_window() {
    local i id
    for ((i = 0; i < XS_TIMEOUT * 10; i++)); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    xs_fail "no window named '$1'"
}

# xs_wait_gone WINDOW-ID: waits until the window is no longer mapped.
xs_wait_gone() {
    local i
    for ((i = 0; i < XS_TIMEOUT * 10; i++)); do
        xdotool getwindowname "$1" >/dev/null 2>&1 || return 0
        xwininfo -id "$1" 2>/dev/null | grep -q 'IsViewable' || return 0
        sleep 0.1
    done
    xs_fail "window $1 is still shown"
}

# xs_active: id of the window that has the focus (the top-level one the window manager activated).
xs_active() { xdotool getactivewindow 2>/dev/null; }

# xs_click WINDOW-ID X Y [BUTTON]: moves the pointer to a point of the window and clicks.
xs_click() {
    xdotool mousemove --window "$1" "$2" "$3" click "${4:-1}"
    sleep 0.2
}

# xs_key WINDOW-ID KEY...: activates the window, then types the keys (xdotool key names).
xs_key() {
    local win=$1
    shift
    xdotool windowactivate --sync "$win" 2>/dev/null || true
    xdotool key --clearmodifiers "$@"
    sleep 0.2
}

xs_shot() { import -window root "$1"; }


# xs_shot_ppm FILE: screenshot as a binary PPM, for tests/support/shot.py.
xs_shot_ppm() { import -window root -depth 8 "ppm:$1"; }

# xs_geometry WINDOW-ID: prints "X Y WIDTH HEIGHT" of the window on the screen (its client area).
xs_geometry() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
        /^ *Width:/ {w=$NF} /^ *Height:/ {h=$NF} END {print x, y, w, h}'
}

# xs_above UPPER LOWER: true when window UPPER is stacked above window LOWER (window manager's
# stacking list, bottom to top).
xs_above() {
    local list upper lower i=0 id
    list=$(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //; s/,/ /g')
    for id in $list; do
        i=$((i + 1))
        [ $((id)) -eq $(($1)) ] && upper=$i
        [ $((id)) -eq $(($2)) ] && lower=$i
    done
    [ -n "${upper:-}" ] && [ -n "${lower:-}" ] && [ "$upper" -gt "$lower" ]
}

# xs_click_close_box WINDOW-ID: clicks the close button of the window manager's title bar (the
# right end of openbox's title bar, measured from the window's frame extents).
xs_click_close_box() {
    local x y w h extents left right top
    read -r x y w h < <(xs_geometry "$1")
    extents=$(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
    read -r left right top _ <<<"$extents"
    [ -n "${top:-}" ] && [ "$top" -gt 0 ] || { xs_fail "window $1 has no title bar"; return 1; }
    xdotool mousemove $((x + w + right - top / 2 - 2)) $((y - top / 2)) click 1
    sleep 0.3
}

# xs_wait_file PATH: waits until PATH exists and is not empty.
xs_wait_file() {
    local i
    for ((i = 0; i < XS_TIMEOUT * 10; i++)); do
        [ -s "$1" ] && return 0
        sleep 0.1
    done
    xs_fail "no file $1"
}
