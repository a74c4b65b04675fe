# Sourced by the transfer benchmarks: starts rse-radio-sim at BAUD in a scratch folder that
# goes away, with the radio, when the script ends. Sets `work` (the folder) and `device`.
#   start_virtual_radio SIM_BIN BAUD
start_virtual_radio() {
    local sim_bin=$1 baud=$2 word
    work=$(mktemp -d)
    sim_pid=
    trap stop_virtual_radio EXIT
    mkfifo "$work/ready"
    "$sim_bin" --baud "$baud" >"$work/ready" 2>"$work/sim.err" &
    sim_pid=$!
    read -r -t 20 word device <"$work/ready" || { echo "the virtual radio did not start" >&2; exit 1; }
    [[ $word == READY ]] || { echo "unexpected: $word $device" >&2; exit 1; }
}

stop_virtual_radio() {
    if [[ -n $sim_pid ]]; then kill -TERM "$sim_pid" 2>/dev/null || true; wait "$sim_pid" 2>/dev/null || true; fi
    rm -rf "$work"
}
