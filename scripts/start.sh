#!/usr/bin/env bash
# Installs the missing Debian packages, builds the three programs and starts the editor with a
# virtual radio attached: the radio simulator runs on a pseudo-terminal and the COM entry that
# is ticked in the editor's Serial Port menu (COM1 when none is) stands for it while the editor
# runs, so that Transfer > Read from Radio works at once. The simulator stops with the editor.
# Arguments are passed to rse (for example /D for debug mode).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${RSE_BUILD_DIR:-$root/build}"

bash "$root/scripts/install-deps.sh" run
# Only the programs: the tests, fuzz replays and benchmarks are built by scripts/test.sh.
# (Without tests and benchmarks the build needs none of the test packages.)
RSE_BUILD_DIR="$build" RSE_BUILD_TARGETS="rse rse-radio-sim rse-cli" bash "$root/scripts/build.sh" \
    -DRSE_TESTS=OFF -DRSE_BENCH=OFF

rse="$build/src/app/rse"
sim="$build/src/sim/rse-radio-sim"
if [[ ! -x "$rse" ]]; then
    echo "start.sh: $rse was not built" >&2
    exit 1
fi
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" && -z "${QT_QPA_PLATFORM:-}" ]]; then
    echo "start.sh: no display: run this from a desktop session (or under xvfb-run)" >&2
    exit 1
fi

# The COM entry the editor will use: the stored choice when it is 1..4, else 1.
settings="${XDG_CONFIG_HOME:-$HOME/.config}/rse/rse.ini"
com="$(awk -F= '/^\[/{s=($0=="[ComPath]");next} s&&$1~/^ComNum *$/{gsub(/[ \r]/,"",$2);print $2}' \
    "$settings" 2>/dev/null | tail -n1 || true)"
case "$com" in 1 | 2 | 3 | 4) ;; *) com=1 ;; esac

work="$(mktemp -d "${TMPDIR:-/tmp}/rse-start.XXXXXX")"
sim_pid=""
cleanup() {
    if [[ -n "$sim_pid" ]] && kill -0 "$sim_pid" 2>/dev/null; then
        kill "$sim_pid" 2>/dev/null || true
        wait "$sim_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT INT TERM

device=""
if [[ -x "$sim" ]]; then
    "$sim" --link "$work/virtual-radio" >"$work/sim.out" 2>"$work/sim.err" &
    sim_pid=$!
    for _ in $(seq 1 100); do  # up to 10 s
        if read -r word path <"$work/sim.out" 2>/dev/null && [[ "$word" == READY ]]; then
            device="$path"
            break
        fi
        if ! kill -0 "$sim_pid" 2>/dev/null; then break; fi
        sleep 0.1
    done
    if [[ -z "$device" ]]; then
        echo "start.sh: the virtual radio did not start:" >&2
        cat "$work/sim.err" >&2 || true
    fi
else
    echo "start.sh: $sim not built; starting the editor without a virtual radio" >&2
fi

if [[ -n "$device" ]]; then
    echo "Virtual radio on $device, used by COM$com of Options > SerialPort while rse runs."
    env "RSE_COM$com=$device" "$rse" "$@"
else
    "$rse" "$@"
fi
