# Where things are in the main window, for end-to-end tests with real input. The dialog is laid
# out in dialog units with the base units 6 x 13 pixels; these helpers map the same rectangles.
#
#   read -r x y < <(hw_centre print)     # centre of the print button, window coordinates
#   read -r x y w h < <(hw_rect chart)   # the chart's client area (inside its 3-pixel frame)

hw_mul() { echo $((($1 * $2 + $3 / 2) / $3)); }

# hw_du_rect LEFT TOP WIDTH HEIGHT: pixel rectangle "X Y W H" of a dialog-unit rectangle.
hw_du_rect() {
    local l t r b
    l=$(hw_mul "$1" 6 4)
    t=$(hw_mul "$2" 13 8)
    r=$(hw_mul $(($1 + $3)) 6 4)
    b=$(hw_mul $(($2 + $4)) 13 8)
    echo "$l $t $((r - l)) $((b - t))"
}

# hw_rect NAME: status (the connection lamp), load save reload erase stability information print close next previous, chart
# (the histogram's client area), left-distance right-distance scale (the labels under the chart).
hw_rect() {
    case $1 in
        status) hw_du_rect 417 0 44 15 ;;
        stability) hw_du_rect 417 15 44 30 ;;
        reload) hw_du_rect 417 46 44 30 ;;
        erase) hw_du_rect 417 77 44 30 ;;
        save) hw_du_rect 417 108 44 30 ;;
        load) hw_du_rect 417 139 44 30 ;;
        information) hw_du_rect 417 170 44 30 ;;
        print) hw_du_rect 417 201 44 30 ;;
        close) hw_du_rect 417 232 44 30 ;;
        next) hw_du_rect 365 239 46 23 ;;
        previous) hw_du_rect 49 239 43 23 ;;
        chart)
            local x y w h
            read -r x y w h < <(hw_du_rect 49 45 361 179)
            echo "$((x + 3)) $((y + 3)) $((w - 6)) $((h - 6))"
            ;;
        labels) hw_du_rect 49 225 361 12 ;;
        *) echo "hw_rect: unknown control $1" >&2; return 1 ;;
    esac
}

hw_centre() {
    local x y w h
    read -r x y w h < <(hw_rect "$1")
    echo "$((x + w / 2)) $((y + h / 2))"
}

# hw_click WINDOW-ID NAME: clicks the control NAME of the main window.
hw_click() {
    local x y
    read -r x y < <(hw_centre "$2")
    xs_click "$1" "$x" "$y"
}

# The frame every window test shares. hw_begin makes the scratch folder $work (removed at exit
# unless KEEP_WORK is set) and clears the process ids $app (the window) and $sim (a virtual
# ECU), both ended at exit together with the X session. fail MESSAGE prints the message and the
# window's log ($work/app.log), and keeps a screenshot of the failure under HM_SHOTS_DIR; keep
# NAME takes a screenshot, kept as PNG under HM_SHOTS_DIR.
shot_tool="$HM_SOURCE_DIR/tests/support/shot.py"
hw_end() {
    local pid
    for pid in ${app:-} ${sim:-}; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    xs_stop
    [ -n "${KEEP_WORK:-}" ] || rm -rf "$work"
}
hw_begin() {
    work=$(mktemp -d)
    app=
    sim=
    trap hw_end EXIT
}
# hw_type_path PATH: in the file or folder dialog that has just opened, replaces the text of its
# name field with PATH and presses Enter.
hw_type_path() {
    sleep 0.5
    xdotool key --clearmodifiers ctrl+a
    xdotool type --delay 5 "$1"
    xdotool key Return
}
# hw_quit: Ctrl+Q in the main window ($main) ends the program ($app) with status 0.
hw_quit() {
    xs_key "$main" ctrl+q
    for _ in $(seq 100); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$app" 2>/dev/null && fail "Ctrl+Q did not end the program"
    wait "$app" || fail "the program ended with status $?"
    app=
}
fail() {
    echo "FAIL: $*" >&2
    if xs_shot "$work/failure.png" 2>/dev/null && [ -n "${HM_SHOTS_DIR:-}" ]; then
        cp "$work/failure.png" "$HM_SHOTS_DIR/$(basename "$0" .sh)-failure.png"
    fi
    cat "$work/app.log" >&2 || true
    exit 1
}
keep() {
    xs_shot_ppm "$work/$1.ppm"
    [ -z "${HM_SHOTS_DIR:-}" ] || python3 "$shot_tool" png "$work/$1.ppm" "$HM_SHOTS_DIR/$1.png"
}

# Starts the window on the in-process virtual ECU with a scratch home and settings file (nothing
# is written to the real home), waits for the download and sets $app and $main. Extra
# arguments go to haulmetry; the window's output is in $work/app.log.
hw_start_demo() {
    mkdir -p "$work/home"
    export XDG_RUNTIME_DIR="$work" HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config"
    export HAULMETRY_SETTINGS="$work/haulmetry.ini"
    xs_start "$work"
    # HW_KEYBOARD: an X keyboard layout for tests that type letters the default (US) layout
    # lacks; xdotool then finds them on a key instead of remapping one for each letter, which
    # loses letters when the program reads the key after the mapping was put back.
    [ -z "${HW_KEYBOARD:-}" ] || setxkbmap "$HW_KEYBOARD" || fail "setxkbmap $HW_KEYBOARD"
    "$HM_BIN_DIR/haulmetry" --demo "$@" >"$work/app.log" 2>&1 &
    app=$!
    main=$(xs_wait_window 'Haulmetry \[ ECU Data \]') || fail "no download"
    sleep 0.5
}

# hw_start_offline_with FILE: starts the test build of the window ($bin) in $work with no serial
# device (the search fails at once and the command script answers "no"), loads FILE through the
# script and waits until it is shown; sets $app, $main and $print_at (the print button, window
# coordinates). Exits 77 when the main dialog is application-modal (no other window takes
# input then). The caller sets up the environment and calls xs_start.
hw_start_offline_with() {
    cat >"$work/script.txt" <<SCRIPT
sync $work/searched
load $1
where print
sync $work/ready
close
SCRIPT
    (cd "$work" && HAULMETRY_TEST_SCRIPT="$work/script.txt" exec "$bin" >"$work/app.log" 2>&1) &
    app=$!
    for _ in $(seq 300); do [ -e "$work/searched" ] && break; sleep 0.1; done
    for _ in $(seq 100); do grep -q '^question (no): ' "$work/app.log" && break; sleep 0.1; done
    rm -f "$work/searched"
    for _ in $(seq 300); do [ -e "$work/ready" ] && break; sleep 0.1; done
    [ -e "$work/ready" ] || fail "the window did not load the file"
    print_at=$(sed -n 's/^where print=//p' "$work/app.log")
    if grep -qx "main-modal=1" "$work/app.log"; then
        echo "SKIP: the main dialog is application-modal, so the other windows take no input"
        exit 77
    fi
    main=$(xs_wait_window "^ Haulmetry") || fail "no main window"
}
