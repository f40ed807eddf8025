#!/usr/bin/env bash
# The findings of an overloaded trailer, with real X input, in English and in German: the
# virtual ECU serves a crafted data file (OVL00001, 770 km of its distance at 100 % load and
# above); the window downloads it, and the findings line above the graph title names the trailer,
# its distance and the overload finding (read through the accessibility tree, as a screen reader
# sees it); Ctrl+F opens the findings window. Ctrl+L opens the library window, whose fleet
# counts the trailer's findings, whose "needs attention" filter keeps it, and whose history
# gives the findings of the visit. HM_SHOTS_DIR keeps the screenshots.
set -euo pipefail
. "$HM_SOURCE_DIR/tests/support/a11y_session.sh"
tree() {  # tree WINDOW-REGEX CHECK...: the accessibility tree of that window, tried for a while
    local window=$1
    shift
    for _ in $(seq 15); do
        "$py" "$HM_SOURCE_DIR/tests/support/a11y_tree.py" haulmetry --window "$window" "$@" \
            >"$work/tree.txt" && return 0
        sleep 1
    done
    cat "$work/tree.txt"
    return 1
}

mkdir -p "$work/home"
export XDG_RUNTIME_DIR="$work" HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config"
export HAULMETRY_SETTINGS="$work/haulmetry.ini"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
unset HAULMETRY_LIBRARY
printf '[HLM+]\r\n%s/saved/\r\n[MAKE XL FILE]\r\nNo\r\n[INFO POP UP]\r\nNo' "$work" >"$work/haulmetry.ini"
"$py" "$HM_SOURCE_DIR/tests/e2e/sample_datafile.py" "$work/base.asc"
"$py" "$HM_SOURCE_DIR/tests/e2e/overloaded_trailer.py" "$work/base.asc" "$work/overloaded.asc"
xs_start "$work"
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/atspi.log" 2>&1 &
xs_pids+=($!)

# One run per language: LANG TITLE FINDINGS-NAME SENTENCE-REGEX FINDINGS-TITLE LIBRARY-TITLE
#   ATTENTION-NAME VISIT-LABEL
runs=(
    "en|\\[ ECU Data \\]|Findings|Driven overloaded for 770 km \\(7\\.8 % of the distance\\)|^Findings$|^Trailer Library$|Needs attention|Findings of the visit"
    "de|\\[ ECU-Daten \\]|Befunde|770 km|^Befunde$|^Anhängerarchiv$|Braucht Aufmerksamkeit|Befunde des Besuchs"
)
# xdotool matches window names byte by byte: letters outside ASCII match any one to four bytes.
ascii() { LC_ALL=C sed 's/[^ -~]\{1,\}/.{1,4}/g' <<<"$1"; }
for run in "${runs[@]}"; do
    IFS='|' read -r lang title name sentence findings library attention visit <<<"$run"
    export LANGUAGE=$lang XDG_DATA_HOME="$work/data-$lang"
    rm -f "$work/ecu"
    "$HM_BIN_DIR/haulmetry-ecusim" --link "$work/ecu" --vehicle "$work/overloaded.asc" \
        >"$work/sim.out" 2>"$work/sim.err" &
    sim=$!
    for _ in $(seq 100); do [ -e "$work/ecu" ] && break; sleep 0.1; done
    "$HM_BIN_DIR/haulmetry" --port "$work/ecu" >"$work/app.log" 2>&1 &
    app=$!
    main=$(xs_wait_window "Haulmetry $(ascii "$title")") || fail "$lang: no download"
    sleep 1

    # The findings line: a button named for the findings, its description the whole line.
    tree "Haulmetry $title" --require "push button:^$name\$" ||
        fail "$lang: no findings line in the main window"
    grep "push button.*'$name'" "$work/tree.txt" | grep -Eq "OVL00001.*9812 km.*$sentence" ||
        fail "$lang: the findings line does not tell the overload: $(grep -A1 "'$name'" "$work/tree.txt")"
    keep "findings-main-$lang"
    xs_key "$main" ctrl+f
    box=$(xs_wait_window "$(ascii "$findings")") || fail "$lang: Ctrl+F opened no findings window"
    tree "$findings" --require "label:$sentence" || fail "$lang: the findings window lacks the overload"
    keep "findings-window-$lang"
    xs_key "$box" Escape
    xs_wait_gone "$box"

    # The library window: the fleet's findings column, the filter, the visit's findings.
    xs_key "$main" ctrl+l
    lib=$(xs_wait_window "$(ascii "$library")") || fail "$lang: Ctrl+L opened no library window"
    tree "$library" --require 'table cell:^OVL00001$' --require "check box:^$attention\$" \
        --require "label:^$visit\$" ||
        fail "$lang: the library window lacks the trailer, the filter or the visit's findings"
    # The fleet row: the trailer, its last visit, then its findings (overload, low reservoir).
    grep -A2 "table cell | 'OVL00001'" "$work/tree.txt" | tail -1 | grep -q "table cell | '2'" ||
        fail "$lang: the fleet row does not count two findings"
    grep "label | '$visit'" "$work/tree.txt" | grep -Eq "$sentence" ||
        fail "$lang: the visit's findings lack the overload"
    # "Needs attention" on keeps the trailer: it has findings of severity attention.
    xs_key "$lib" alt+a
    sleep 1
    tree "$library" --require 'table cell:^OVL00001$' || fail "$lang: the filter dropped the trailer"
    grep -q "check box.*'$attention'.*checked" "$work/tree.txt" || fail "$lang: the filter is not on"
    keep "findings-library-$lang"
    xs_key "$lib" Escape
    xs_wait_gone "$lib"
    hw_quit
    kill "$sim" 2>/dev/null || true
    wait "$sim" 2>/dev/null || true
done
hw_end
echo "PASS"
