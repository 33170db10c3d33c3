#!/usr/bin/env bash
# The Windows build under Wine: its test programs, then the example medium installed silently and
# uninstalled again in a fresh Japanese prefix, checked in Wine's registry, the shell links and the
# uninstall log. Usage: setup-wine.sh BINARY_DIR EXAMPLE_PACKAGE_DIR
set -euo pipefail
# On a display of its own the shell's dialogs show, so that the tests can answer them; Wine without
# one ends them at once, unanswered.
if [ -z "${DISPLAY:-}" ] && command -v xvfb-run >/dev/null && xvfb-run -a true 2>/dev/null; then
    exec xvfb-run -a "$0" "$@"
fi
bin=$(realpath "$1")
package=$(realpath "$2")

work=$(mktemp -d)
trap 'wineserver -k >/dev/null 2>&1 || true; rm -rf "$work"' EXIT
export WINEPREFIX=$work/prefix WINEDEBUG=-all LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
# No desktop menu entries or browser and .NET installers in the throwaway prefix.
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe=d"

if ! command -v wine >/dev/null || ! wine wineboot -i >"$work/boot.log" 2>&1; then
    echo "SKIP: Wine cannot start here; the Windows build was not run ($(tail -n 1 "$work/boot.log" 2>/dev/null))"
    exit 0
fi

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

for test in "$bin"/test_*.exe; do
    echo "== $(basename "$test") under Wine"
    wine "$test" --gtest_brief=1 || fail "$(basename "$test")"
done

echo "== silent install of the example medium under Wine"
medium=$work/medium
mkdir -p "$medium"
cp -p "$package"/* "$medium/"
cp "$bin/setup.exe" "$medium/SETUP.EXE"
(cd "$medium" && wine SETUP.EXE /SILENT) >"$work/install.out" 2>&1 || fail "install: $(cat "$work/install.out")"

drive=$WINEPREFIX/drive_c
app=$drive/Program\ Files/Sample
for file in SAMPLE.EXE SAMPLE.HLP Data/SAMPLE.INI UNSETUP.INI; do
    [ -f "$app/$file" ] || fail "install left no $file"
done
query() { wine reg query "$@" 2>/dev/null | tr -d '\r'; }
# Outputs are taken whole before grep -q looks at them: an early exit of grep would break the pipe.
folder=$(query 'HKCU\Software\Quillet\Sample' /v Folder)
grep -q 'C:\\Program Files\\Sample' <<<"$folder" || fail "registry value Folder missing"
query 'HKCR\.smp' >/dev/null || fail "association .smp missing"
uninstall=$(query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\QuilletSample' /v UninstallString)
grep -q 'UNQUILL.EXE' <<<"$uninstall" || fail "uninstall entry missing"
link=$(find "$drive/users" -name 'サンプル 1.0.lnk' | head -n 1)
[ -n "$link" ] || fail "shell link missing"
if command -v lnkinfo >/dev/null; then
    info=$(lnkinfo "$link")
    grep -qi 'Local path.*Program Files\\Sample\\SAMPLE.EXE' <<<"$info" || fail "link target: $info"
fi
log=$(iconv -f CP932 -t UTF-8 "$app/UNSETUP.INI" | tr -d '\r')
for entry in 'SAMPLE.EXE' 'SAMPLEX.DLL' 'サンプル 1.0.lnk' 'Software\Quillet\Sample'; do
    grep -qF "$entry" <<<"$log" || fail "uninstall log lacks $entry"
done

echo "== silent uninstall under Wine"
unquill=$(find "$drive/windows" -maxdepth 1 -iname UNQUILL.EXE | head -n 1)
[ -n "$unquill" ] || fail "no UNQUILL.EXE"
wine "$unquill" 'C:\Program Files\Sample\UNSETUP.INI' /SILENT >"$work/uninstall.out" 2>&1 ||
    fail "uninstall: $(cat "$work/uninstall.out")"
[ ! -e "$app/SAMPLE.EXE" ] || fail "uninstall left SAMPLE.EXE"
[ ! -e "$link" ] || fail "uninstall left the shell link"
! query 'HKCU\Software\Quillet\Sample' >/dev/null || fail "uninstall left the registry key"
echo "OK: setup.exe installed and uninstalled the example medium under Wine"
