#!/usr/bin/env bash
# Smoke test of the windowed program under Xvfb: starts korvane on the sample contest, lets it search,
# open and cancel each dialog and quit by itself (KORVANE_SMOKE), then checks the settings it wrote.
# Usage: korvane-smoke.sh KORVANE EXAMPLES_DIR   (KORVANE_SMOKE_SHOTS=DIR keeps window images)
set -euo pipefail

korvane=$1
examples=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cp "$examples/sample-station.ini" "$work/k.ini"
# Nothing of the user's own configuration is read or written.
export HOME="$work" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=xcb KORVANE_SMOKE=1

status=0
timeout 30 xvfb-run -a -s "-screen 0 1280x1024x24" \
    "$korvane" --ini "$work/k.ini" --log "$examples/sample-contest.csv" \
    "$examples/sample-contest.con" >"$work/out.txt" 2>&1 || status=$?
cat "$work/out.txt"
if [ "$status" -ne 0 ]; then
    echo "korvane-smoke: korvane ended with status $status" >&2
    exit 1
fi
# The search listed the sample's QSOs.
grep -q "korvane smoke: [1-9][0-9]* rows" "$work/out.txt" || {
    echo "korvane-smoke: the search listed nothing" >&2
    exit 1
}
# The master settings were written back at exit, the sample's log path untouched.
grep -q '^PRINTX=0' "$work/k.ini" && grep -q '^THDIR=sample-contest.csv' "$work/k.ini" &&
    grep -q '^\[Recent File List\]' "$work/k.ini" || {
    echo "korvane-smoke: the settings file was not written as expected" >&2
    cat "$work/k.ini" >&2
    exit 1
}
echo "korvane-smoke: passed"
