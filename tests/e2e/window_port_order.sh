#!/usr/bin/env bash
# The window probes its --port paths before the devices it finds itself: with a silent adapter
# in the scanned device folder and the virtual ECU given with --port, the ECU is COM 1 and the
# silent adapter never sees a probe. The lamp's tooltip names the port.
set -euo pipefail
bin="${HM_BIN_DIR:?}/haulmetry"
sim="$HM_BIN_DIR/haulmetry-ecusim"
work=$(mktemp -d)
. "${HM_SOURCE_DIR:?}/tests/support/ecusim.sh"
trap 'sim_stop_all; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; cat "$work/out.txt" "$work/silent.err" 2>/dev/null; exit 1; }
export XDG_RUNTIME_DIR="$work" HOME="$work" HAULMETRY_SETTINGS="$work/haulmetry.ini"
unset QT_QPA_PLATFORM HAULMETRY_PORTS
mkdir -p "$work/dev"
sim_start silent --silent --trace --link "$work/dev/ttyUSB0"
sim_start ecu
cat >"$work/script.txt" <<'SCRIPT'
wait-title  [ ECU Data ]
state
close
SCRIPT
command -v xvfb-run >/dev/null || { echo "xvfb-run missing"; exit 1; }
HAULMETRY_DEVICE_DIR="$work/dev" HAULMETRY_TEST_SCRIPT="$work/script.txt" timeout 120 \
    xvfb-run -a -s "-screen 0 1280x800x24" "$bin" --port "$dev" >"$work/out.txt" 2>&1 ||
    fail "the window did not download"
grep -qxF "status-tip=COM 1 ($dev)" "$work/out.txt" || fail "the ECU is not COM 1"
! grep -q "02 90 92" "$work/silent.err" || fail "the scanned device was probed first"
echo "window port order: ok"
