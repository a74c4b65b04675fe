#!/usr/bin/env bash
# The identity guard's added time per program and a fleet radio's time (read, program, read
# back) against three transfers at line rate, with rse-radio-sim pacing at BAUD.
#   bench/fleet_transfer.sh [BUILD_DIR] [BAUD]      (defaults: build, 9600)
set -euo pipefail

build=${1:-build}
baud=${2:-9600}
sim_bin=$build/src/sim/rse-radio-sim
bench_bin=$build/bench/rse_fleet_bench
for b in "$sim_bin" "$bench_bin"; do
    [[ -x $b ]] || { echo "missing $b (build first)" >&2; exit 2; }
done

work=$(mktemp -d)
sim_pid=
cleanup() {
    if [[ -n $sim_pid ]]; then kill -TERM "$sim_pid" 2>/dev/null || true; wait "$sim_pid" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT

mkfifo "$work/ready"
"$sim_bin" --baud "$baud" >"$work/ready" 2>"$work/sim.err" &
sim_pid=$!
read -r -t 20 word device <"$work/ready" || { echo "the virtual radio did not start" >&2; exit 1; }
[[ $word == READY ]] || { echo "unexpected: $word $device" >&2; exit 1; }

echo "rse-radio-sim at ${baud} baud on $device"
"$bench_bin" "$device" "$baud"
