#!/usr/bin/env bash
# Installs the Debian packages that are missing for the named purposes (needs root or sudo):
#   install-deps.sh [run] [test] [package] [ci]     (no purpose: run)
# Each purpose's packages are listed in scripts/packages/PURPOSE.txt, one a line; every purpose
# includes run. Unknown purposes and packages the release does not have fail before anything
# is installed.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
purposes=(run "$@")
wanted=()
for purpose in "${purposes[@]}"; do
    list="$here/packages/$purpose.txt"
    if [[ ! -f "$list" ]]; then
        echo "install-deps.sh: no purpose '$purpose' (known: run test package ci)" >&2
        exit 2
    fi
    mapfile -t -O "${#wanted[@]}" wanted < <(sed -e 's/#.*//' -e 's/[[:space:]]//g' -e '/^$/d' "$list")
done
missing=()
for p in "${wanted[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
if ((${#missing[@]} == 0)); then
    exit 0
fi
mapfile -t missing < <(printf '%s\n' "${missing[@]}" | sort -u)
echo "Installing: ${missing[*]}"
sudo=()
if [[ $(id -u) -ne 0 ]]; then sudo=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -q
"${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
