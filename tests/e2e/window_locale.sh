#!/usr/bin/env bash
# The window in a German locale (decimal comma), with real X input. A data file whose name is
# not UTF-8 is handed to the running window: its title shows the name as the command line does
# (\xNN). Graph 4 (fractional values) is reached with the next button and a bar's tooltip is
# brought up with the pointer: the window then looks exactly as it does in the C locale. The
# locale is compiled with localedef into the scratch folder (LOCPATH).
set -euo pipefail
. "$HM_SOURCE_DIR/tests/support/xsession.sh"
. "$HM_SOURCE_DIR/tests/support/haulwin.sh"
hw_begin

command -v localedef >/dev/null && [ -f /usr/share/i18n/locales/de_DE ] ||
    { echo "window_locale: localedef or the locales package missing"; exit 77; }
# localedef exits 1 after mere warnings; the check below judges the result.
localedef -i de_DE -f UTF-8 "$work/de_DE.UTF-8" >"$work/localedef.log" 2>&1 || true
export LOCPATH="$work"
[ "$(LC_ALL=de_DE.UTF-8 locale -k decimal_point)" = 'decimal_point=","' ] ||
    { cat "$work/localedef.log"; fail "no German locale"; }
name=$'\xff\xfe.asc'
python3 "$HM_SOURCE_DIR/tests/e2e/sample_datafile.py" "$work/$name"

# run LOCALE: the window on the demo ECU in LOCALE, the file handed over, graph 4, the pointer
# on bar 5 until its tooltip shows; the screen in $work/LOCALE.ppm.
run() {
    export LC_ALL=$1
    hw_start_demo
    timeout 30 "$HM_BIN_DIR/haulmetry" "$work/$name" >>"$work/app.log" 2>&1 || fail "$1: hand-over"
    xs_wait_window ' Haulmetry \[ File: \\xFF\\xFE\.asc \]' >/dev/null ||
        fail "$1: title $(xdotool getwindowname "$main" | od -c | head -2)"
    for _ in 2 3 4; do hw_click "$main" next; done
    sleep 0.8
    read -r cx cy cw ch < <(hw_rect chart)
    xdotool mousemove --window "$main" $((cx + cw * 11 / 32)) $((cy + ch - 4))
    sleep 1.5
    keep "$1"
    geometry=$(xs_geometry "$main")
    kill "$app"
    wait "$app" 2>/dev/null || true
    app=
    xs_stop
}

run C
c_geometry=$geometry
run de_DE.UTF-8
[ "$geometry" = "$c_geometry" ] || fail "the window moved: $c_geometry, then $geometry"
read -r wx wy ww wh <<<"$geometry"
# The window without its button column (the lamp may differ), and the tooltip below the pointer.
read -r bx _ _ _ < <(hw_rect status)
d=$(python3 "$shot_tool" diff "$work/C.ppm" "$work/de_DE.UTF-8.ppm" "$wx" "$wy" "$bx" $((wh + 40)))
[ "$d" = 0 ] || fail "the German window differs from the C locale's in $d pixels"
echo "window in a German locale: title with \\xNN, numbers and tooltip as in the C locale"
