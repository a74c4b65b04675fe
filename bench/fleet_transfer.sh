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

source "$(dirname "$0")/virtual_radio.sh"
start_virtual_radio "$sim_bin" "$baud"

echo "rse-radio-sim at ${baud} baud on $device"
"$bench_bin" "$device" "$baud"
