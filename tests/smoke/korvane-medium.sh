#!/usr/bin/env bash
# korvane's installation medium end to end on a fresh emulated machine: a silent install, the
# installed korvane rendering the sample contest with the HAMLOG32.DLL beside it, and the uninstall.
# Usage: korvane-medium.sh BIN_DIR SOURCE_DIR   (BIN_DIR holds korvane, HAMLOG32.DLL, setup, quillet-env)
set -euo pipefail

bin=$1
source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QUILLET_ROOT="$work/root" HOME="$work/home" XDG_CONFIG_HOME="$work/home/config"
unset LD_LIBRARY_PATH
mkdir -p "$HOME"
failures=0
fail() {
    echo "korvane-medium: $*" >&2
    failures=$((failures + 1))
}
# Every folder and file below C: with its checksum, and every registry value under its key (a
# parent key made for a value stays when the value goes, as on Windows).
state() {
    (cd "$QUILLET_ROOT/drive_c" && find . -type d | sort && find . -type f -exec sha256sum {} + | sort)
    "$bin/quillet-env" reg | awk '/^\[/ { key = $0; next } NF && !/^REGEDIT4/ { print key, $0 }'
}

medium=$work/medium
"$source/tools/make-korvane-medium.sh" "$bin" "$medium"
"$bin/quillet-env" hostpath 'C:\' >/dev/null # makes the machine
state >"$work/before.txt"

"$medium/SETUP.EXE" /SILENT >"$work/setup.txt" || fail "setup ended with status $?"
grep -qF 'セットアップ後のプログラムは起動しません：C:\Program Files\Korvane\KORVANE.EXE' \
    "$work/setup.txt" || fail "setup did not say that it leaves korvane unstarted"
app=$("$bin/quillet-env" hostpath 'C:\Program Files\Korvane\')
windows="$QUILLET_ROOT/drive_c/WINDOWS"

# Compressed files as an outside expander reads them, the others as they lie on the medium.
while read -r installed packed; do
    if [[ $packed == *_ ]]; then
        msexpand <"$medium/$packed" >"$work/expanded" && cmp -s "$app/$installed" "$work/expanded"
    else
        cmp -s "$app/$installed" "$medium/$packed"
    fi || fail "$installed is not $packed of the medium"
done <<EOF
KORVANE.EXE KORVANE.EX_
HAMLOG32.DLL HAMLOG32.DL_
korvane-guide.html korvane-guide.htm_
README.TXT README.TXT
Sample/sample-contest.con sample-contest.con
Sample/sample-contest.csv sample-contest.csv
Sample/sample-contest.adi sample-contest.adi
Sample/sample-station.ini sample-station.ini
EOF
[ -x "$app/KORVANE.EXE" ] || fail "the installed KORVANE.EXE cannot be run"

registry=$("$bin/quillet-env" reg)
for line in '[HKEY_CLASSES_ROOT\.con]|@="con_auto_file"' \
    '[HKEY_CLASSES_ROOT\con_auto_file]|@="Korvane Document"' \
    '[HKEY_CLASSES_ROOT\con_auto_file\shell\open\command]|@="\"C:\\Program Files\\Korvane\\KORVANE.EXE\" \"%1\""' \
    '[HKEY_CLASSES_ROOT\con_auto_file\DefaultIcon]|@="C:\\Program Files\\Korvane\\KORVANE.EXE,0"' \
    '[HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\Korvane]|"UninstallString"="C:\\WINDOWS\\UNQUILL.EXE \"C:\\Program Files\\Korvane\\UNSETUP.INI\""'; do
    key=${line%%|*} value=${line#*|}
    KEY=$key VALUE=$value awk '/^\[/ { in_key = $0 == ENVIRON["KEY"] } in_key && $0 == ENVIRON["VALUE"] { found = 1 }
        END { exit !found }' <<<"$registry" || fail "registry lacks $key $value"
done

for link in "ｽﾀｰﾄ ﾒﾆｭｰ/ﾌﾟﾛｸﾞﾗﾑ/Korvane/Korvane.lnk" "ﾃﾞｽｸﾄｯﾌﾟ/Korvane.lnk"; do
    info=$(lnkinfo "$windows/$link") || fail "lnkinfo cannot read $link"
    grep -qF 'Local path			: C:\Program Files\Korvane\KORVANE.EXE' <<<"$info" &&
        grep -qF 'Working directory		: C:\Program Files\Korvane\' <<<"$info" ||
        fail "$link does not start KORVANE.EXE in its folder: $info"
done

# The installed program reads both sample logs as the built one does, through its own library.
sample=(--ini "$app/Sample/sample-station.ini" "$app/Sample/sample-contest.con")
for log in csv adi; do
    "$app/KORVANE.EXE" --report "$work/installed.json" --log "$app/Sample/sample-contest.$log" \
        "${sample[@]}" 2>/dev/null || fail "the installed korvane cannot report over the $log log"
    "$bin/korvane" --report "$work/built.json" --log "$app/Sample/sample-contest.$log" \
        "${sample[@]}" 2>/dev/null
    cmp -s "$work/installed.json" "$work/built.json" || fail "reports over the $log log differ"
done
python3 -c 'import json, sys; sys.exit(not json.load(open(sys.argv[1]))["qsos"])' \
    "$work/installed.json" || fail "the installed korvane kept no QSO"
"$app/KORVANE.EXE" --pdf "$work/sheets.pdf" --png "$work/png" --log "$app/Sample/sample-contest.csv" \
    "${sample[@]}" 2>/dev/null || fail "the installed korvane cannot render the sheets"
pages=$(pdfinfo "$work/sheets.pdf" | awk '/^Pages:/ { print $2 }')
[ "${pages:-0}" -ge 2 ] && [ "$(ls "$work/png" | wc -l)" -eq "$pages" ] ||
    fail "the sheets are ${pages:-no} PDF pages and $(ls "$work/png" | wc -l) PNG pages"
# Without the library beside it, korvane says so: it does not find another one.
mv "$app/HAMLOG32.DLL" "$work/HAMLOG32.DLL"
if "$app/KORVANE.EXE" --report - --log "$app/Sample/sample-contest.csv" "${sample[@]}" \
    >/dev/null 2>"$work/nodll.txt" || ! grep -q 'HAMLOG32.DLLを開けません' "$work/nodll.txt"; then
    fail "korvane did not miss the HAMLOG32.DLL taken from beside it"
fi
mv "$work/HAMLOG32.DLL" "$app/HAMLOG32.DLL"

# Its master settings, as the windows write them beside the program, go with the uninstall.
printf '[MASTER]\r\nCALLSIGN=JJ1KVN\r\n' >"$app/KORVANE.ini"
"$windows/UNQUILL.EXE" 'C:\Program Files\Korvane\UNSETUP.INI' /SILENT >/dev/null ||
    fail "the uninstall ended with status $?"
# Left behind by rule: the uninstaller and the installer's own ini file.
state | grep -v -e '\./WINDOWS/UNQUILL\.EXE$' -e '\./WINDOWS/QUILLET\.INI$' >"$work/after.txt"
diff "$work/before.txt" "$work/after.txt" >&2 || fail "the uninstall left the machine changed"

[ "$failures" -eq 0 ] || exit 1
echo "korvane-medium: passed"
