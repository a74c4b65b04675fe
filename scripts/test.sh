#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${RSE_BUILD_DIR:-$root/build}"
bash "$root/scripts/install-deps.sh" test
# Everything, whatever an earlier start.sh built into the same folder.
RSE_BUILD_TARGETS="" bash "$root/scripts/build.sh" -DRSE_TESTS=ON -DRSE_BENCH=ON
cd "$build"
export QT_QPA_PLATFORM=offscreen
ctest --output-on-failure -j "$(nproc)" --timeout 600
