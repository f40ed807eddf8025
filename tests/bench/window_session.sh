# Shared start of the window benchmarks: sourced after `root` is set. Makes a scratch folder,
# starts Xvfb and openbox in it, points the program's runtime, home and settings there, and
# stops everything (the window in $app, every virtual ECU, the X session) on exit.
sim="$root/build/haulmetry-ecusim"
work=$(mktemp -d)
HM_SOURCE_DIR=$root
. "$root/tests/support/xsession.sh"
. "$root/tests/support/ecusim.sh"
app=
cleanup() {
    [ -z "$app" ] || kill "$app" 2>/dev/null || true
    sim_stop_all
    xs_stop
    rm -rf "$work"
}
trap cleanup EXIT
export XDG_RUNTIME_DIR="$work" HOME="$work" HAULMETRY_SETTINGS="$work/h.ini" HAULMETRY_PORTS=
xs_start "$work"
# CPU ticks (user + system) of process $1.
ticks() { sed 's/.*) //' "/proc/$1/stat" | awk '{print $12 + $13}'; }
