#!/usr/bin/env bash
# The window driven with real X input (Xvfb, openbox, xdotool): the print button opens the
# preview in front of the main window with the focus; Ctrl+P and File > Print each print one page
# (to a PDF through the print-to-file printer); Ctrl+minus, Ctrl+wheel and View > Fit Width zoom
# the page; Save Report as PDF starts in the data folder; the close box, Ctrl+W, Escape and
# File > Close close a preview and the print button opens it again; a record button of the
# stability dialog raises the open preview; Enter does not end the program; Tab shows a focus
# frame on a button.
# HM_SHOTS_DIR, when set, keeps the screenshots as PNG files.
set -euo pipefail
. "$HM_SOURCE_DIR/tests/support/xsession.sh"
. "$HM_SOURCE_DIR/tests/support/haulwin.sh"
hw_begin
pages() { pdfinfo "$1" 2>/dev/null | awk '/^Pages:/ {print $2}'; }

export HAULMETRY_PRINT_FILE="$work/page.pdf"
mkdir "$work/data" "$work/cwd"
printf '[HLM+]\r\n%s/data/\r\n[MAKE XL FILE]\r\nNo\r\n[INFO POP UP]\r\nNo' "$work" >"$work/haulmetry.ini"
cd "$work/cwd"
hw_start_demo

# Print button -> the preview, in front and focused.
hw_click "$main" print
preview=$(xs_wait_window 'Print Preview') || fail "the print button opened no preview"
sleep 0.5
xs_above "$preview" "$main" || fail "the preview is behind the main window"
[ "$(xs_active)" = "$preview" ] || fail "the preview does not have the focus"
keep preview-in-front

# Ctrl+P prints one page.
xs_key "$preview" ctrl+p
xs_wait_file "$work/page.pdf" || fail "Ctrl+P printed nothing"
sleep 0.3
[ "$(pages "$work/page.pdf")" = 1 ] || fail "Ctrl+P did not print exactly one page"
rm "$work/page.pdf"

# File > Print prints one page: a click on the menu title, then on its item.
xs_click "$preview" 20 10
sleep 0.3
read -r px py _ _ < <(xs_geometry "$preview")
menu=
for id in $(xdotool search --onlyvisible --class 'haulmetry' 2>/dev/null); do
    [ "$id" != "$preview" ] && [ "$id" != "$main" ] && menu=$id
done
[ -n "$menu" ] || fail "the File menu did not open"
keep preview-file-menu
read -r mx my mw mh < <(xs_geometry "$menu")
# Print... is the first of the menu's entries.
xdotool mousemove $((mx + mw / 2)) $((my + mh / 6)) click 1
xs_wait_file "$work/page.pdf" || fail "File > Print printed nothing"
sleep 0.3
[ "$(pages "$work/page.pdf")" = 1 ] || fail "File > Print did not print exactly one page"

# The mouse wheel scrolls the page in the preview.
keep preview-before-wheel
xdotool mousemove $((px + 300)) $((py + 200))
for _ in 1 2 3 4 5; do xdotool click 5; done
sleep 0.3
keep preview-after-wheel
read -r gx gy gw gh < <(xs_geometry "$preview")
[ "$(python3 "$shot_tool" diff "$work/preview-before-wheel.ppm" "$work/preview-after-wheel.ppm" \
    "$gx" $((gy + 40)) $((gw - 40)) $((gh - 60)))" -gt 0 ] || fail "the wheel did not scroll the preview"

# Zoom: the grey backdrop beside the page (a band of rows across the view) grows with Ctrl+minus,
# goes with two Ctrl+wheel notches up (the page is wider than the window), and View > Fit Width
# (Alt+V, W) makes the page as wide as the view, so none is left.
backdrop() {  # backdrop SHOT: backdrop pixels in the band
    python3 "$shot_tool" count "$1" "$gx" $((gy + 60)) $((gw - 20)) 40 "$back"
}
xs_key "$preview" ctrl+minus
keep preview-zoomed-out
back=$(python3 "$shot_tool" pixel "$work/preview-zoomed-out.ppm" $((gx + 2)) $((gy + 80)))
[ "$back" != ffffff ] || fail "no backdrop beside the zoomed-out page"
[ "$(backdrop "$work/preview-zoomed-out.ppm")" -gt "$(backdrop "$work/preview-after-wheel.ppm")" ] ||
    fail "Ctrl+minus did not make the page smaller"
xdotool mousemove $((gx + gw / 2)) $((gy + gh / 2)) keydown ctrl click 4 click 4 keyup ctrl
sleep 0.3
keep preview-zoomed-in
[ "$(backdrop "$work/preview-zoomed-in.ppm")" = 0 ] || fail "Ctrl+wheel did not enlarge the page"
xs_key "$preview" ctrl+minus ctrl+minus ctrl+minus
xs_key "$preview" alt+v
xdotool key w
sleep 0.3
keep preview-fit-width
[ "$(backdrop "$work/preview-fit-width.ppm")" -le 80 ] || fail "Fit Width left a backdrop"

# Save Report as PDF (Alt+F, R) with a bare file name: saved in the data folder.
xs_key "$preview" alt+f
xdotool key r
dialog=$(xs_wait_window 'Save Report as PDF') || fail "no report save dialog"
hw_type_path "report.pdf"
xs_wait_gone "$dialog" || fail "the report save dialog is still open"
xs_wait_file "$work/data/report.pdf" || fail "the report is not in the data folder (current folder: $(ls "$work/cwd"))"

# The close box closes it; the print button opens it again, and Ctrl+W closes that one.
xs_click_close_box "$preview"
xs_wait_gone "$preview" || fail "the close box did not close the preview"
hw_click "$main" print
again=$(xs_wait_window 'Print Preview') || fail "the print button did not open the preview again"
xs_key "$again" ctrl+p
xs_key "$again" ctrl+w
xs_wait_gone "$again" || fail "Ctrl+W did not close the preview"

# A record button of the stability dialog (window-modal on the main window) opens the record's
# preview, which takes input too: in front, Ctrl+P prints one page, the close box closes it.
hw_click "$main" stability
table=$(xs_wait_window 'Stability Snaphot') || fail "the stability button opened nothing"
read -r _ _ tw th < <(xs_geometry "$table")
# Laid out in the main window's base units (6 x 13), whatever the desktop's font.
[ "${tw}x$th" = 782x302 ] || fail "the stability dialog is ${tw}x$th, not 782x302"
# Record button 1 of the dialog: 15 x 23 dialog units at (30, 156) of 521 x 186.
xs_click "$table" $(((30 * 2 + 15) * tw / (521 * 2))) $(((156 * 2 + 23) * th / (186 * 2)))
record=$(xs_wait_window 'Print Preview') || fail "the record button opened no preview"
sleep 0.5
xs_above "$record" "$table" || fail "the record preview is behind the stability dialog"
[ "$(xs_active)" = "$record" ] || fail "the record preview does not have the focus"
keep record-preview-in-front
rm -f "$work/page.pdf"
xs_key "$record" ctrl+p
xs_wait_file "$work/page.pdf" || fail "Ctrl+P in the record preview printed nothing"
sleep 0.3
[ "$(pages "$work/page.pdf")" = 1 ] || fail "the record preview did not print exactly one page"
# Record button 2 while that preview is open: the same preview comes to the front, no second.
xdotool windowactivate --sync "$table"
sleep 0.3
xs_above "$table" "$record" || fail "the stability dialog did not come to the front"
xs_click "$table" $(((45 * 2 + 15) * tw / (521 * 2))) $(((156 * 2 + 23) * th / (186 * 2)))
sleep 0.5
keep record-button-raises-preview
[ "$(xdotool search --onlyvisible --name 'Print Preview' | wc -l)" = 1 ] || fail "a second preview opened"
xs_above "$record" "$table" || fail "the record button did not raise the open preview"
[ "$(xs_active)" = "$record" ] || fail "the raised preview does not have the focus"
# File > Close (Alt+F, C) closes it.
xs_key "$record" alt+f
xdotool key c
xs_wait_gone "$record" || fail "File > Close did not close the record preview"
xs_key "$table" Escape
xs_wait_gone "$table" || fail "Escape did not close the stability dialog"

# The information dialog too: 225 x 210 dialog units are 338 x 341 pixels.
hw_click "$main" information
info=$(xs_wait_window '^Display Information$') || fail "the information button opened nothing"
sleep 0.3
keep information-dialog
read -r _ _ iw ih < <(xs_geometry "$info")
[ "${iw}x$ih" = 338x341 ] || fail "the information dialog is ${iw}x$ih, not 338x341"
xs_key "$info" Escape
xs_wait_gone "$info" || fail "Escape did not close the information dialog"

# Ctrl+P in the main window opens the graph preview as its button does.
xs_key "$main" ctrl+p
third=$(xs_wait_window 'Print Preview') || fail "Ctrl+P in the main window opened no preview"
xs_key "$third" Escape
xs_wait_gone "$third" || fail "Escape did not close the preview"

# Enter and Return do not end the program.
xs_key "$main" Return
xs_key "$main" KP_Enter
sleep 0.5
kill -0 "$app" 2>/dev/null || fail "Enter ended the program"
xwininfo -id "$main" | grep -q IsViewable || fail "Enter closed the main window"

# Tab moves the focus, and the focused button shows a dotted frame (dark pixels along the top
# edge inside the button, where an unfocused flat button has only its background).
read -r wx wy _ _ < <(xs_geometry "$main")
framed() {  # framed SHOT: names of the buttons that show the frame
    local b x y w h n
    for b in stability reload erase save load information print close next previous; do
        read -r x y w h < <(hw_rect "$b")
        n=$(python3 "$shot_tool" count "$1" $((wx + x + 3)) $((wy + y + 2)) $((w - 6)) 1 000000)
        [ "$n" -ge $(((w - 6) / 4)) ] && echo "$b"
    done
    return 0
}
xs_key "$main" Tab
keep focus-after-tab
first=$(framed "$work/focus-after-tab.ppm")
xs_key "$main" Tab
keep focus-after-second-tab
second=$(framed "$work/focus-after-second-tab.ppm")
[ "$(echo "$first" | wc -w)" = 1 ] || fail "not exactly one framed button after Tab: '$first'"
[ "$(echo "$second" | wc -w)" = 1 ] || fail "not exactly one framed button after a second Tab: '$second'"
[ "$first" != "$second" ] || fail "Tab did not move the focus frame ($first)"

# Ctrl+Q closes the program through Close (the ECU session is stopped first).
hw_quit
echo "window print, keys and focus: ok (focus frame on $first, then $second)"
