#!/usr/bin/env bash
# Smoke test of setup's windows under Xvfb: installs the example medium by pressing the buttons
# (QUILLET_SETUP_SMOKE), then uninstalls it through the uninstaller the install left, on a temporary
# emulated machine, and checks what each left behind.
# Usage: setup-smoke.sh SETUP PACKAGE_DIR   (QUILLET_SETUP_SHOTS=DIR keeps window images)
set -euo pipefail

setup=$1
package=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

mkdir -p "$work/medium"
cp -p "$package"/* "$work/medium/"
cp "$setup" "$work/medium/SETUP.EXE"
root="$work/root"
shots=${QUILLET_SETUP_SHOTS:-}
export HOME="$work" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=xcb QUILLET_SETUP_SMOKE=1 QUILLET_ROOT="$root"

fail() {
    echo "setup-smoke: $*" >&2
    exit 1
}

# Runs the program under Xvfb with its output kept in $work/$1.txt.
run() {
    local name=$1
    shift
    local status=0
    QUILLET_SETUP_SHOTS=${shots:+$shots/$name} timeout 60 \
        xvfb-run -a -s "-screen 0 1280x1024x24" "$@" >"$work/$name.txt" 2>&1 || status=$?
    cat "$work/$name.txt"
    [ "$status" -eq 0 ] || fail "$name ended with status $status"
}

# While another setup holds the machine, a second one ends at once, without a window or a word.
mkdir -p "$root"
status=0
flock "$root/QUILLRUN.lock" env -u DISPLAY QT_QPA_PLATFORM=xcb "$work/medium/SETUP.EXE" \
    >"$work/second.txt" 2>&1 || status=$?
[ "$status" -eq 4 ] && [ ! -s "$work/second.txt" ] ||
    fail "a second setup ended with status $status: $(cat "$work/second.txt")"

app="$root/drive_c/Program Files/Sample"
run install "$work/medium/SETUP.EXE"
grep -q "pressing セットアップ続行(&C)" "$work/install.txt" || fail "the readme was not shown"
grep -q "setup smoke: 完了:" "$work/install.txt" || fail "the install did not complete"
for file in SAMPLE.EXE SAMPLE.HLP UNSETUP.INI Data/SAMPLE.INI; do
    [ -f "$app/$file" ] || fail "$file was not installed"
done
[ -f "$root/drive_c/WINDOWS/UNQUILL.EXE" ] || fail "the uninstaller was not copied"
key='Software\\Quillet\\Sample\]'
grep -q "$key" "$root/registry.reg" || fail "the registry key was not written"

run uninstall "$root/drive_c/WINDOWS/UNQUILL.EXE" "$app/UNSETUP.INI"
grep -q "pressing アンセットアップ開始(&S)" "$work/uninstall.txt" ||
    fail "the uninstaller did not start"
grep -q "setup smoke: 完了: アンセットアップを完了しました" "$work/uninstall.txt" ||
    fail "the uninstall did not complete"
[ ! -e "$app" ] || fail "the setup folder is still there"
! grep -q "$key" "$root/registry.reg" || fail "the registry key is still there"
# Both runs removed their work folders when the main window closed.
if ls "$root/drive_c/WINDOWS/TEMP" | grep -qi '^BSTMP'; then
    fail "work folders were left in the temporary folder"
fi
echo "setup-smoke: passed"
