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

# hw_rect NAME: load save reload write stability information print close next previous, chart
# (the histogram's client area), left-distance right-distance scale (the labels under the chart).
hw_rect() {
    case $1 in
        stability) hw_du_rect 417 15 44 30 ;;
        reload) hw_du_rect 417 46 44 30 ;;
        write) hw_du_rect 417 77 44 30 ;;
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
