#!/usr/bin/env bash
# Start-up of the editor: wall time from starting the process to the first paint of its main
# window, and the resident memory at that moment. Each run uses fresh settings folders.
# Usage: bench/startup_rse.sh [BUILD_DIR] [RUNS] [offscreen|xvfb]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$root/build}"
runs="${2:-10}"
platform="${3:-offscreen}"
rse="$build/src/app/rse"
[[ -x "$rse" ]] || { echo "no $rse; build first" >&2; exit 1; }

work="$(mktemp -d "${TMPDIR:-/tmp}/rse-bench.XXXXXX")"
xvfb_pid=""
cleanup() {
    [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

if [[ "$platform" == xvfb ]]; then
    display=":$((90 + RANDOM % 100))"
    Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    sleep 1
    export DISPLAY="$display"
    export QT_QPA_PLATFORM=xcb
else
    export QT_QPA_PLATFORM=offscreen
fi

times=()
rss=()
for i in $(seq 1 "$runs"); do
    home="$work/run$i"
    mkdir -p "$home/config" "$home/data" "$home/runtime"
    chmod 700 "$home/runtime"
    start=$(date +%s%N)
    out=$(XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" \
        XDG_RUNTIME_DIR="$home/runtime" RSE_STARTUP_PROBE=1 "$rse" 2>/dev/null)
    shown=$(sed -n 's/.*shown_ns=\([0-9]*\).*/\1/p' <<<"$out")
    kb=$(sed -n 's/.*rss_kb=\([0-9]*\).*/\1/p' <<<"$out")
    [[ -n "$shown" ]] || { echo "run $i: no start-up report" >&2; exit 1; }
    times+=($(((shown - start) / 1000000)))
    rss+=("$kb")
done

median() { printf '%s\n' "$@" | sort -n | awk '{a[NR]=$1} END{print a[int((NR+1)/2)]}'; }
min() { printf '%s\n' "$@" | sort -n | head -n1; }
max() { printf '%s\n' "$@" | sort -n | tail -n1; }
echo "platform: $platform, runs: $runs"
echo "start-up to window shown (ms): median $(median "${times[@]}"), min $(min "${times[@]}"), max $(max "${times[@]}")"
echo "resident memory after start (MB): median $(( $(median "${rss[@]}") / 1024 )), max $(( $(max "${rss[@]}") / 1024 ))"
