#!/usr/bin/env bash
# Assembles korvane's installation medium: the script and readme of examples/korvane-medium, the
# built programs (setup as SETUP.EXE), the user guide and the sample contest.
# Usage: make-korvane-medium.sh BIN_DIR MEDIUM_DIR   (BIN_DIR holds korvane, HAMLOG32.DLL, setup)
set -euo pipefail

bin=$1
medium=$2
examples=$(cd "$(dirname "$0")/../examples" && pwd)

# mscompress output named as COMPRESS.EXE names it, the last letter replaced by "_" and kept in
# the header; the compressed file keeps the original's mode, so an expanded program still runs.
# Programs are shipped without their symbol tables (dynamic symbols stay).
compress() {
    local source=$1 name=$2
    local work
    work=$(mktemp -d)
    if [ "${3:-}" = strip ]; then
        strip -o "$work/$name" "$source"
    else
        cp -p "$source" "$work/$name"
    fi
    (cd "$work" && mscompress "$name")
    local packed="$medium/${name%?}_"
    mv "$work/${name}_" "$packed"
    rm -rf "$work"
    printf '%s' "${name: -1}" | dd of="$packed" bs=1 seek=9 conv=notrunc status=none
    chmod --reference="$source" "$packed"
}

rm -rf "$medium"
mkdir -p "$medium"
cp -p "$examples"/korvane-medium/* "$medium/"
cp -p "$bin/setup" "$medium/SETUP.EXE"
# The programs and the guide shrink to about half; the samples are too small to gain much.
compress "$bin/korvane" KORVANE.EXE strip
compress "$bin/HAMLOG32.DLL" HAMLOG32.DLL strip
compress "$bin/korvane-guide.html" korvane-guide.html
cp -p "$examples"/sample-contest.con "$examples"/sample-contest.csv "$examples"/sample-contest.adi \
    "$examples"/sample-station.ini "$medium/"
