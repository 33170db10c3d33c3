#!/usr/bin/env bash
# Installs what the project needs, builds it and runs it: ./do demo | test | asan | fuzz [SECONDS] | bench | package | build
# (test also builds setup for Windows with mingw-w64 and runs it under Wine)
set -euo pipefail
cd "$(dirname "$0")"

# Every Debian package the project builds, tests, fuzzes or benchmarks with: this list and nowhere else.
PACKAGES=(
    cmake ninja-build g++ pkg-config
    clang libclang-rt-14-dev
    googletest libgtest-dev libgmock-dev
    libbenchmark-dev
    python3
    qt6-base-dev qt6-translations-l10n libgl-dev libx11-dev fonts-ipafont-mincho fonts-ipafont-gothic
    libmspack-dev mscompress liblnk-utils
    poppler-utils xvfb xauth
    g++-mingw-w64-x86-64-posix wine wine64 locales
)

install_missing() {
    local missing=()
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build() {
    local preset=$1
    shift
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" "$@"
}

jobs=$(nproc 2>/dev/null || echo 2)

case "${1:-}" in
demo)
    install_missing
    build release --target korvane hamlog32
    bin=build/release/bin
    con=examples/sample-contest.con
    ini=examples/sample-station.ini
    for log in examples/sample-contest.csv examples/sample-contest.adi; do
        echo
        echo "== $con over $log =="
        "$bin/korvane" --report - --ini "$ini" --log "$log" "$con" | python3 tools/summarize_report.py
    done
    elog=$(mktemp --suffix=.txt)
    echo
    echo "== electronic log of $con: summary sheet (whole file in CP932: $elog) =="
    "$bin/korvane" --elog "$elog" --ini "$ini" --log examples/sample-contest.csv "$con"
    sed -n '1,/<\/SUMMARYSHEET>/p' "$elog" | iconv -f CP932 -t UTF-8 | tr -d '\r'
    sheets=build/demo
    rm -rf "$sheets" && mkdir -p "$sheets"
    "$bin/korvane" --pdf "$sheets/sample-contest.pdf" --png "$sheets/png" \
        --ini "$ini" --log examples/sample-contest.csv "$con"
    echo
    echo "== Sheets: $sheets/sample-contest.pdf and $(ls "$sheets/png" | wc -l) PNG pages in $sheets/png =="
    # korvane from its own medium on a fresh emulated machine: installed, run from there, removed.
    ./do package >/dev/null
    root=$(mktemp -d)
    env=(env QUILLET_ROOT="$root")
    echo
    echo "== build/medium/SETUP.EXE /SILENT on an emulated machine in $root =="
    "${env[@]}" build/medium/SETUP.EXE /SILENT | grep -E -e '-> ' -e '起動しません'
    app=$("${env[@]}" "$bin/quillet-env" hostpath 'C:\Program Files\Korvane\')
    "$app/KORVANE.EXE" --pdf "$sheets/installed.pdf" --ini "$app/Sample/sample-station.ini" \
        --log "$app/Sample/sample-contest.csv" "$app/Sample/sample-contest.con" 2>/dev/null
    echo "The installed $app/KORVANE.EXE rendered $sheets/installed.pdf"
    echo "== C:\WINDOWS\UNQUILL.EXE \"C:\Program Files\Korvane\UNSETUP.INI\" /SILENT =="
    "${env[@]}" "$root/drive_c/WINDOWS/UNQUILL.EXE" 'C:\Program Files\Korvane\UNSETUP.INI' /SILENT |
        tail -n 1
    echo "Files left on C: $(cd "$root/drive_c" && find . -type f -printf '%P ')"
    ;;
test)
    install_missing
    build debug
    ctest --preset debug -j "$jobs"
    # The Windows build runs under Wine in a Japanese locale, where the ANSI code page is 932.
    if ! locale -a 2>/dev/null | grep -qix 'ja_JP.utf8'; then
        sudo=""
        [ "$(id -u)" -ne 0 ] && sudo="sudo"
        $sudo localedef -i ja_JP -f UTF-8 ja_JP.UTF-8
    fi
    build mingw
    tests/smoke/setup-wine.sh build/mingw/bin examples/package
    ;;
asan)
    install_missing
    build asan
    # System libraries under Qt's platform plugins keep a few allocations until exit.
    export LSAN_OPTIONS="suppressions=$PWD/tests/lsan-suppressions.txt:print_suppressions=0"
    ctest --preset asan -j "$jobs"
    ;;
fuzz)
    install_missing
    build fuzz
    seconds=${2:-60}
    for target in build/fuzz/bin/fuzz_*; do
        name=$(basename "$target")
        corpus=build/fuzz/corpus/$name
        mkdir -p "$corpus"
        echo "== $name for ${seconds}s =="
        "$target" -max_total_time="$seconds" -print_final_stats=1 "$corpus" "fuzz/corpus/${name#fuzz_}" 2>&1 | tail -n 3
    done
    ;;
bench)
    install_missing
    build release
    for b in build/release/bin/bench_*; do
        echo "== $(basename "$b") =="
        "$b"
    done
    ;;
package)
    # The installation medium of the imagined Sample program (examples/package; its SAMPLE.HL_ is
    # mscompress output with the missing last letter "P" stored) with the release setup program.
    install_missing
    if [ ! -f setup/install/InstallProcedure.cpp ]; then
        echo "package: setup cannot be built yet (its install procedure is missing)" >&2
        exit 1
    fi
    build release --target setup korvane hamlog32 quillet-env
    medium=build/package
    rm -rf "$medium" && mkdir -p "$medium"
    cp -p examples/package/* "$medium/"
    cp build/release/bin/setup "$medium/SETUP.EXE"
    echo "== Installation medium: $medium (run $medium/SETUP.EXE /SILENT) =="
    tools/make-korvane-medium.sh build/release/bin build/medium
    echo "== korvane's installation medium: build/medium (run build/medium/SETUP.EXE /SILENT) =="
    ;;
build)
    install_missing
    build "${2:-debug}"
    ;;
*)
    echo "usage: ./do demo | test | asan | fuzz [SECONDS] | bench | package | build [PRESET]" >&2
    exit 2
    ;;
esac
