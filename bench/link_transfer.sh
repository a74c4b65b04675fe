#!/usr/bin/env bash
# A full read, a full program, a program with backup and one with backup and verify through
# rse-cli against rse-radio-sim, with the wall time against the line's own limit and the CPU
# time the client used.
#   bench/link_transfer.sh [BUILD_DIR] [BAUD]      (defaults: build, 9600; BAUD 0: no pacing)
set -euo pipefail

build=${1:-build}
baud=${2:-9600}
sim_bin=$build/src/sim/rse-radio-sim
cli_bin=$build/src/cli/rse-cli
for b in "$sim_bin" "$cli_bin"; do
    [[ -x $b ]] || { echo "missing $b (build first)" >&2; exit 2; }
done

source "$(dirname "$0")/virtual_radio.sh"
start_virtual_radio "$sim_bin" "$baud"
export XDG_DATA_HOME=$work/data  # the backups of this run, removed with it

# Bytes on the receive line: the model check (two read-byte frames: 10 echoed + 8 answered
# each), then per block the echo and the reply (read: 10 + 38) or the echo and the ACK
# (program: 42 + 1). Ten bits a byte; 500 ms pause after a successful transfer.
check_bytes=$((2 * (10 + 8)))
read_bytes=$((check_bytes + 256 * (10 + 38)))
program_bytes=$((check_bytes + 256 * (42 + 1)))

run() {
    local name=$1 bytes=$2 steps=$3
    shift 3
    local TIMEFORMAT='%R %U %S'
    local t
    t=$( { time "$cli_bin" "$@" --port "$device" 2>"$work/$name.err" >/dev/null; } 2>&1 ) || {
        echo "$name failed:" >&2; cat "$work/$name.err" >&2; exit 1; }
    read -r wall user sys <<<"$t"
    awk -v n="$name" -v w="$wall" -v u="$user" -v s="$sys" -v bytes="$bytes" -v baud="$baud" \
        -v steps="$steps" 'BEGIN {
        cpu = u + s
        if (baud > 0) {
            limit = bytes * 10 / baud + 0.5 * steps
            printf "%-15s wall %6.2f s  limit %6.2f s  over %+5.1f %%  cpu %5.2f s (%4.1f %% of wall)\n",
                   n, w, limit, (w - limit) / limit * 100, cpu, cpu / w * 100
        } else {
            printf "%-15s wall %6.2f s (no pacing, %.2f s of it closing pauses)  cpu %5.2f s\n", n, w, 0.5 * steps, cpu
        }
    }'
}

echo "rse-radio-sim at ${baud} baud on $device"
run read "$read_bytes" 1 read -o "$work/radio.hex"
# Each program below sends an image the radio does not hold yet, so every one writes.
cp "$work/radio.hex" "$work/changed.hex"
printf '\x5a' | dd of="$work/changed.hex" bs=1 seek=4000 conv=notrunc status=none
run program "$program_bytes" 1 program "$work/changed.hex"
run +backup $((read_bytes + program_bytes)) 2 program --backup "$work/radio.hex"
run +backup+verify $((2 * read_bytes + program_bytes)) 3 program --backup --verify "$work/changed.hex"
