# Virtual ECUs for end-to-end shell tests. Source it after setting $work (a temporary folder)
# and $sim (the haulmetry-ecusim executable); call sim_stop_all in the script's EXIT trap.
#
#   sim_start NAME [OPTIONS...]   # starts an ECU, sets $dev to its device; output in $work/NAME.*
#   sim_stop_all

sim_pids=()

sim_start() {
    local name=$1
    shift
    "$sim" "$@" >"$work/$name.out" 2>"$work/$name.err" &
    sim_pids+=($!)
    for _ in $(seq 50); do
        [ -s "$work/$name.out" ] && break
        sleep 0.1
    done
    dev=$(head -n 1 "$work/$name.out")
    [ -e "$dev" ] || { echo "virtual ECU did not start: $(cat "$work/$name.err")"; exit 1; }
}

sim_stop_all() {
    for pid in "${sim_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
}

# Stops the ECU started last and waits for it.
sim_stop_last() {
    kill "${sim_pids[-1]}" 2>/dev/null || true
    wait "${sim_pids[-1]}" 2>/dev/null || true
}
