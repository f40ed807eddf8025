#!/usr/bin/env bash
# Stepping the graphs with the keyboard and a file of stability records alone, with real X input
# on the demo download:
#  1. Right to graph 10 and Left back to graph 1 leave the keyboard focus where it was (Close,
#     after the download): the focus frame neither jumps to "Write To ECU" nor vanishes.
#  2. A file holding stability records only, loaded over graph 3, replaces the graph: blank
#     chart and graph title, the title names the file; Right and the next button show no graph,
#     information and print open nothing.
# HM_SHOTS_DIR, when set, keeps the screenshots as PNG files.
set -euo pipefail
. "$HM_SOURCE_DIR/tests/support/xsession.sh"
. "$HM_SOURCE_DIR/tests/support/haulwin.sh"
hw_begin

shot() { xdotool mousemove 0 0; sleep 0.4; keep "$1"; }
same() { # same SHOT-A SHOT-B CONTROL: the control looks the same in both screenshots
    local ox oy x y w h
    read -r ox oy _ _ < <(xs_geometry "$main")
    read -r x y w h < <(hw_rect "$3")
    [ "$(python3 "$shot_tool" diff "$work/$1.ppm" "$work/$2.ppm" $((ox + x)) $((oy + y)) "$w" "$h")" = 0 ]
}
bars() { # bars SHOT: pixels of the bar colour in the chart
    local ox oy x y w h
    read -r ox oy _ _ < <(xs_geometry "$main")
    read -r x y w h < <(hw_rect chart)
    python3 "$shot_tool" count "$work/$1.ppm" $((ox + x)) $((oy + y)) "$w" "$h" 408080
}

hw_start_demo
shot steps-start
# 1. Nine steps right, nine steps left: Close keeps its focus frame, Write To ECU gets none.
for _ in 1 2 3 4 5 6 7 8 9; do xs_key "$main" Right; done
shot steps-graph-10
for _ in 1 2 3 4 5 6 7 8 9; do xs_key "$main" Left; done
shot steps-graph-1
for s in steps-graph-10 steps-graph-1; do
    same steps-start "$s" close || fail "$s: the focus frame left the Close button"
    same steps-start "$s" erase || fail "$s: the Write To ECU button changed (focus moved to it)"
done
same steps-start steps-graph-10 chart && fail "Right did not step the graphs"
same steps-start steps-graph-1 chart || fail "Left did not step back to graph 1"

# 2. Graph 3, then a file with the demo trailer's stability records and no fleet data.
xs_key "$main" Right Right
shot records-over-graph-3
[ "$(bars records-over-graph-3)" -gt 500 ] || fail "graph 3 shows no bars"
python3 "$HM_SOURCE_DIR/tests/e2e/sample_datafile.py" "$work/full.asc"
python3 - "$work/full.asc" "$work/records.asc" <<'EOF'
import sys
data = bytearray(open(sys.argv[1], "rb").read())
data[28:924] = bytes(896)  # the ten fleet data blocks
open(sys.argv[2], "wb").write(data)
EOF
xs_key "$main" ctrl+o
xs_wait_window '^Open File$' >/dev/null || fail "Ctrl+O opened no file dialog"
hw_type_path "$work/records.asc"
box=$(xs_wait_window '^Haulmetry$') || fail "no \"Stability Data Only\" message"
xs_key "$box" Return
xs_wait_gone "$box" || fail "the message stayed"
xs_wait_window 'Haulmetry \[ File: records\.asc \]' >/dev/null ||
    fail "the title does not name the file of records: $(xdotool getwindowname "$main")"
shot records-loaded
[ "$(bars records-loaded)" = 0 ] || fail "the bars of graph 3 stayed over the stability records"
read -r ox oy _ _ < <(xs_geometry "$main")
read -r tx ty tw th < <(hw_du_rect 105 30 266 12)  # the graph title field
[ "$(python3 "$shot_tool" dark "$work/records-loaded.ppm" $((ox + tx)) $((oy + ty)) "$tw" "$th")" = none ] ||
    fail "the graph title stayed over the stability records"
# No graph to step to, explain or print.
xs_key "$main" Right
hw_click "$main" next
hw_click "$main" information
hw_click "$main" print
sleep 1
shot records-stepped
same records-loaded records-stepped chart || fail "a step showed a graph of no data"
[ -z "$(xdotool search --onlyvisible --name 'Information|Preview' 2>/dev/null | head -n 1)" ] ||
    fail "information or print opened over stability records alone"
xs_key "$main" Left
hw_click "$main" stability
table=$(xs_wait_window 'Stability') || fail "the stability button opened nothing"
keep records-table
xs_key "$table" Escape
xs_wait_gone "$table" || fail "the stability dialog stayed"

hw_quit
echo "steps keep the focus; stability records alone replace the graph and offer none"
