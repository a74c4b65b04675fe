#!/usr/bin/env bash
# The answers of rse-cli's bash completion: commands, each command's options, the files each
# place takes (by extension, any letter case, folders always) and the ports for --port.
# Usage: completion_test.sh PATH/TO/rse-cli.bash-completion
set -uo pipefail
# shellcheck source=/dev/null
source "$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"
touch a.dat B.HEX c.txt d.csv e.pdf f.bin
mkdir sub
ln -s /dev/null radio

failures=0
# expect "WORDS TYPED (the last one is completed)" "ANSWERS, sorted, blank-separated"
expect() {
    local line="$1" want="$2"
    read -r -a COMP_WORDS <<<"$line"
    [[ "$line" == *" " ]] && COMP_WORDS+=("")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMPREPLY=()
    _rse_cli
    local got
    got="$(printf '%s\n' "${COMPREPLY[@]}" | sed '/^$/d' | LC_ALL=C sort | paste -sd' ')"
    if [[ "$got" != "$want" ]]; then
        echo "FAIL: '$line': expected '$want', got '$got'"
        failures=$((failures + 1))
    fi
}

# Commands
expect "rse-cli re" "read report"
expect "rse-cli ex" "export-channels export-directory"
expect "rse-cli f" "fleet"
expect "rse-cli --v" "--version"
expect "rse-cli zz" ""
# Options of each command
expect "rse-cli read --" "--no-backup --no-echo --output --port --progress"
expect "rse-cli program --" \
    "--backup --base --change-identity --keep-identity --no-echo --port --progress --verify"
expect "rse-cli program --port COM1 --b" "--backup --base"
expect "rse-cli fleet --" "--base --log --no-echo --no-verify --port --progress --records"
expect "rse-cli clear-count --" "--no-echo --port --progress"
expect "rse-cli doctor --" "--no-echo --port"
expect "rse-cli convert --" "--base"
expect "rse-cli print a.dat --" "--pdf"
expect "rse-cli backups --" ""
expect "rse-cli bogus --" ""
# Files
expect "rse-cli convert " "B.HEX a.dat sub"
expect "rse-cli diff a.dat " "B.HEX a.dat sub"
expect "rse-cli new " "a.dat sub"
expect "rse-cli import-directory a.dat " "B.HEX a.dat d.csv sub"
expect "rse-cli convert a.dat b.dat --base " "B.HEX sub"
expect "rse-cli print a.dat --pdf " "e.pdf sub"
expect "rse-cli report a.dat -o " "c.txt sub"
expect "rse-cli export-directory a.dat --output " "d.csv sub"
expect "rse-cli read --port COM1 -o " "B.HEX a.dat sub"
expect "rse-cli fleet --port COM1 a.dat --log " "d.csv sub"
expect "rse-cli fleet --port COM1 a.dat --records " "sub"
expect "rse-cli read " ""
expect "rse-cli ports " ""
# Ports
expect "rse-cli read --port CO" "COM1 COM2 COM3 COM4"
expect "rse-cli doctor --port COM3" "COM3"
expect "rse-cli program --port ./ra" "./radio"

if ((failures > 0)); then
    echo "$failures completion case(s) failed"
    exit 1
fi
echo "all completion cases passed"
