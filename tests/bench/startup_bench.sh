#!/usr/bin/env bash
# Start-up cost of the window program against a bare Qt dialog with a dozen buttons, built in the
# same run with the same compiler and Qt: CPU time (user + system) and peak memory (max RSS) of a
# start up to the main window shown on the screen, several runs each, taken alternately, median.
# Both programs are started the same way in one Xvfb + openbox session and ended (SIGTERM) as
# soon as their window is visible, so that only the start is counted. The window is started
# twice: offline (its port is missing, so the retry question comes at once) and searching (a
# silent adapter).
# CPU times on a virtual machine swing by a fifth between runs, so with BENCH_INSTRUCTIONS=1 the
# bench also counts the instructions of one start of each (valgrind's callgrind: start to window
# shown plus one second for the first paint), which repeat to a few parts in a thousand; the
# window is counted with the pointer away from it and over its chart (which shows the system's
# wait cursor until the first graph: an animated cursor that libXcursor reads pixel by pixel).
# Then, when the test build is there, the demo start through the whole download (command
# script: time since process start).
# Usage: [BENCH_INSTRUCTIONS=1] tests/bench/startup_bench.sh [BUILD_DIR] [RUNS]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
bin="$build/haulmetry"
runs=${2:-7}
work=$(mktemp -d)
HM_SOURCE_DIR=$root
. "$root/tests/support/xsession.sh"
trap 'kill "${holder:-}" 2>/dev/null; xs_stop; rm -rf "$work"' EXIT
export XDG_RUNTIME_DIR="$work" HOME="$work" HAULMETRY_SETTINGS="$work/h.ini" HAULMETRY_PORTS=

# The bare dialog: a QApplication, a dialog with twelve push buttons in a grid, shown.
cat >"$work/bare.cpp" <<'EOF'
#include <QApplication>
#include <QDialog>
#include <QGridLayout>
#include <QPushButton>
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Bare dialog"));
    auto* grid = new QGridLayout(&dialog);
    for (int i = 0; i < 12; ++i) {
        grid->addWidget(new QPushButton(QStringLiteral("Button %1").arg(i + 1)), i / 3, i % 3);
    }
    dialog.show();
    return app.exec();
}
EOF
# shellcheck disable=SC2046
c++ -std=c++20 -O2 -fPIC "$work/bare.cpp" -o "$work/bare" $(pkg-config --cflags --libs Qt6Widgets)

xs_start "$work"
# A silent adapter: a pseudo-terminal nobody answers on, so that the window is still searching
# when it is shown (with a missing port the search fails at once and the retry question is
# built during the start).
python3 -c 'import os, pty, time
m, s = pty.openpty(); print(os.ttyname(s), flush=True); time.sleep(3600)' >"$work/pty.txt" &
holder=$!
for _ in $(seq 50); do [ -s "$work/pty.txt" ] && break; sleep 0.1; done
silent=$(head -n 1 "$work/pty.txt")

# start.py MODE NAME-REGEX PROGRAM [ARGS]: starts PROGRAM, waits for a visible window whose title
# matches, ends it. MODE cpu: prints "CPU-MS PEAK-KIB" from the kernel's resource usage.
# MODE instructions: runs PROGRAM under callgrind, waits one second more for the first paint,
# prints the instructions counted.
cat >"$work/start.py" <<'PY'
import os, signal, subprocess, sys, time
mode, name, argv = sys.argv[1], sys.argv[2], sys.argv[3:]
counted = os.path.join(os.environ["BENCH_DIR"], "callgrind.out")
if mode == "instructions":
    argv = ["valgrind", "--tool=callgrind", "--callgrind-out-file=" + counted] + argv
with open(os.environ["BENCH_OUT"], "wb") as out:
    child = subprocess.Popen(argv, stdout=out, stderr=subprocess.STDOUT)
deadline = time.monotonic() + (10 if mode == "cpu" else 120)
while subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(child.pid), "--name", name],
                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode != 0:
    if time.monotonic() > deadline or child.poll() is not None:
        sys.exit("startup_bench: no window '%s' from %s" % (name, argv[0]))
    time.sleep(0.005)
if mode == "instructions":
    time.sleep(1)
os.kill(child.pid, signal.SIGTERM)
_, _, usage = os.wait4(child.pid, 0)
if mode == "cpu":
    print("%d %d" % (round((usage.ru_utime + usage.ru_stime) * 1000), usage.ru_maxrss))
else:
    with open(counted) as f:
        print(next(int(l.split()[1]) for l in f if l.startswith("totals:")))
PY
run_once() { python3 "$work/start.py" cpu "$@"; }
instructions() { python3 "$work/start.py" instructions "$@"; }
export BENCH_DIR="$work"
export BENCH_OUT="$work/out.txt"

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

: >"$work/bare.txt"
: >"$work/haul.txt"
: >"$work/search.txt"
for _ in $(seq "$runs"); do
    run_once '^Bare dialog$' "$work/bare" >>"$work/bare.txt"
    run_once ' Haulmetry' "$bin" --port "$work/none" >>"$work/haul.txt"
    run_once ' Haulmetry' "$bin" --port "$silent" >>"$work/search.txt"
done
bare_cpu=$(awk '{ print $1 }' "$work/bare.txt" | median)
bare_kib=$(awk '{ print $2 }' "$work/bare.txt" | median)
haul_cpu=$(awk '{ print $1 }' "$work/haul.txt" | median)
haul_kib=$(awk '{ print $2 }' "$work/haul.txt" | median)
search_cpu=$(awk '{ print $1 }' "$work/search.txt" | median)
search_kib=$(awk '{ print $2 }' "$work/search.txt" | median)
report() {  # LABEL CPU-MS KIB
    printf '%-30s CPU %4d ms  peak RSS %6d KiB (%.1f MiB)\n' "$1" "$2" "$3" \
        "$(awk -v k="$3" 'BEGIN { print k / 1024 }')"
}
echo "start to window shown, median of $runs runs each:"
report "bare dialog, 12 buttons" "$bare_cpu" "$bare_kib"
report "haulmetry (offline)" "$haul_cpu" "$haul_kib"
awk -v hc="$haul_cpu" -v bc="$bare_cpu" -v hk="$haul_kib" -v bk="$bare_kib" \
    'BEGIN { printf "ratio                          CPU %.2fx      peak RSS %.2fx\n", hc / bc, hk / bk }'
report "haulmetry (searching)" "$search_cpu" "$search_kib"
awk -v hc="$search_cpu" -v bc="$bare_cpu" -v hk="$search_kib" -v bk="$bare_kib" \
    'BEGIN { printf "ratio                          CPU %.2fx      peak RSS %.2fx\n", hc / bc, hk / bk }'

if [ "${BENCH_INSTRUCTIONS:-0}" = 1 ] && command -v valgrind >/dev/null; then
    xdotool mousemove 0 0
    bare_ir=$(instructions '^Bare dialog$' "$work/bare")
    away_ir=$(instructions ' Haulmetry' "$bin" --port "$silent")
    offline_ir=$(instructions ' Haulmetry' "$bin" --port "$work/none")
    # The window opens centred on the screen, its chart under the screen's centre.
    xdotool mousemove 640 400
    over_ir=$(instructions ' Haulmetry' "$bin" --port "$silent")
    echo "instructions, start to window shown and painted (one start each):"
    for row in "bare dialog, 12 buttons:$bare_ir" "haulmetry (searching):$away_ir" \
        "haulmetry (pointer over chart):$over_ir" "haulmetry (offline, question):$offline_ir"; do
        awk -v label="${row%%:*}" -v ir="${row##*:}" -v b="$bare_ir" \
            'BEGIN { printf "%-30s %6.1f M instructions  %.3fx\n", label, ir / 1e6, ir / b }'
    done
fi

# The demo start up to the whole download, through the test build's command script.
testbin="$build/test-bin/haulmetry"
[ -x "$testbin" ] || exit 0
printf 'wait-title  [ ECU Data ]\nelapsed\nclose\n' >"$work/download.txt"
total=0
for _ in $(seq "$runs"); do
    HAULMETRY_TEST_SCRIPT="$work/download.txt" "$testbin" --demo >"$work/out.txt" 2>&1
    total=$((total + $(sed -n 's/^elapsed-ms=//p' "$work/out.txt")))
done
printf 'demo download complete         %d ms after process start (mean of %d runs)\n' \
    $((total / runs)) "$runs"
