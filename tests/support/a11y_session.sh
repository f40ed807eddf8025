# Sourced by the accessibility scripts: skips (77) without the AT-SPI bus, pyatspi or
# dbus-run-session, re-runs the script inside a private D-Bus session, and starts the X session
# and the window helpers. Sets py to the Python that has pyatspi (Debian's, not a pyenv one).
py=/usr/bin/python3
if ! command -v dbus-run-session >/dev/null || [ ! -x /usr/libexec/at-spi-bus-launcher ] ||
    ! "$py" -c 'import pyatspi' 2>/dev/null; then
    echo "skipped: at-spi2-core, python3-pyatspi and dbus-run-session are needed (scripts/deps.sh test)"
    exit 77
fi
if [ -z "${HM_A11Y_SESSION:-}" ]; then
    HM_A11Y_SESSION=1 exec dbus-run-session -- bash "$0" "$@"
fi
. "$HM_SOURCE_DIR/tests/support/xsession.sh"
. "$HM_SOURCE_DIR/tests/support/haulwin.sh"
hw_begin
# The bus launcher puts its socket under the runtime folder (else ~/.cache/at-spi/bus, the same
# path for every test): each test gets its own, so one test ending cannot take another's bus.
mkdir -p "$work/home"
export XDG_RUNTIME_DIR="$work" HOME="$work/home"
