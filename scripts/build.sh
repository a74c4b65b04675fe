#!/usr/bin/env bash
# Configures and builds the project into build/ (or $RSE_BUILD_DIR): every target, or only
# those named in $RSE_BUILD_TARGETS (separated by blanks). Uses ccache when it is installed,
# so that rebuilds of other checkouts and build folders reuse what was compiled.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${RSE_BUILD_DIR:-$root/build}"
launcher=()
if command -v ccache >/dev/null 2>&1; then
    export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$root}" CCACHE_NOHASHDIR=1
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S "$root" -B "$build" -G Ninja "${launcher[@]}" "$@" >/dev/null
cmake --build "$build" -j "$(nproc)" ${RSE_BUILD_TARGETS:+--target $RSE_BUILD_TARGETS}
