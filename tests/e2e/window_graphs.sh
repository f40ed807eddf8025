#!/usr/bin/env bash
# The chart driven with real X input: graphs 1 to 10 forward with the next button, back to 1
# with the Left key. Each graph's chart, labels and title must look the same both ways (nothing
# of the graph shown before stays), the bars must fill the chart, and on the distance graphs the
# left distance label must stand under the first bar. HM_SHOTS_DIR keeps every screenshot.
set -euo pipefail
. "$HM_SOURCE_DIR/tests/support/xsession.sh"
. "$HM_SOURCE_DIR/tests/support/haulwin.sh"
hw_begin

hw_start_demo
read -r wx wy _ _ < <(xs_geometry "$main")
read -r cx cy cw ch < <(hw_rect chart)
read -r lx ly lw lh < <(hw_rect labels)
# Compared per graph: from the left edge to the chart's right edge, from the title down to the
# labels under the chart (the step buttons, whose focus and hover differ, stay out).
read -r _ ty _ _ < <(hw_du_rect 0 28 1 1)
area=("$wx" $((wy + ty)) $((cx + cw + 3)) $((ly + lh - ty)))
sleep 0.8

# Forward: the next button, and Page Down from graph 6 on; backward: Left, and Page Up from
# graph 5 down. A step that did nothing would show up as a graph that differs below.
for n in 1 2 3 4 5 6 7 8 9 10; do
    keep "graph-$n-forward"
    if [ "$n" -lt 6 ]; then hw_click "$main" next; elif [ "$n" -lt 10 ]; then xs_key "$main" Next; fi
    sleep 0.8
done
for n in 10 9 8 7 6 5 4 3 2 1; do
    if [ "$n" -ge 5 ] && [ "$n" -lt 10 ]; then xs_key "$main" Left; elif [ "$n" -lt 5 ]; then xs_key "$main" Prior; fi
    sleep 0.8
    keep "graph-$n-backward"
done

for n in 1 2 3 4 5 6 7 8 9 10; do
    d=$(python3 "$shot_tool" diff "$work/graph-$n-forward.ppm" "$work/graph-$n-backward.ppm" "${area[@]}")
    [ "$d" = 0 ] || fail "graph $n differs by $d pixels between forward and backward"
done
# Different graphs do look different (the comparison above would catch a stuck chart).
d=$(python3 "$shot_tool" diff "$work/graph-1-forward.ppm" "$work/graph-2-forward.ppm" "${area[@]}")
[ "$d" -gt 0 ] || fail "graphs 1 and 2 look the same"

# The bars fill the chart: 16 single bars from 8 pixels in (graph 1), 28 stacked bars from
# 4 pixels in (graph 6), each ending near the right edge.
read -r first last < <(python3 "$shot_tool" columns "$work/graph-1-forward.ppm" \
    $((wx + cx)) $((wy + cy)) "$cw" "$ch" 408080)
[ "$first" -le 10 ] && [ "$last" -ge $((cw - 14)) ] || fail "graph 1 bars span $first..$last of $cw"
read -r first last < <(python3 "$shot_tool" columns "$work/graph-6-forward.ppm" \
    $((wx + cx)) $((wy + cy)) "$cw" "$ch" 408080)
[ "$first" -le 6 ] && [ "$last" -ge $((cw - 8)) ] || fail "graph 6 bars span $first..$last of $cw"
# The left distance label starts under the first bar (within a few pixels of its left edge).
for n in 6 7 8; do
    read -r tfirst _ < <(python3 "$shot_tool" dark "$work/graph-$n-forward.ppm" \
        $((wx + lx)) $((wy + ly)) "$lw" "$lh")
    off=$((tfirst - (cx - lx) - 4))
    [ "$off" -ge -2 ] && [ "$off" -le 8 ] || fail "graph $n: left label starts $off pixels from the first bar"
done

kill "$app"
wait "$app" 2>/dev/null || true
app=
echo "graphs forward and backward: identical; bars fill the chart; distance labels under the bars"
