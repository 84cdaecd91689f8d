#!/usr/bin/env bash
# Installs the package made from a build's programs into the build's Wine
# prefix, silently, and checks what a school's deployment relies on: the
# files and shortcuts, the installed launcher starting a calculator, and an
# uninstall that takes the files and shortcuts but leaves the pupils'
# preferences. Also unpacks the zip and checks the names of its files.
#
#   tools/dist-test.sh BIN E2E_TEST_EXE
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine-env.sh"
if [ -f "$PROLEXA_TEST_DISPLAY_FILE" ]; then
  export DISPLAY=":$(cat "$PROLEXA_TEST_DISPLAY_FILE")"
else
  export DISPLAY=":$PROLEXA_TEST_DISPLAY"
fi
bin=$1
e2e=$2
arch=x86
[ "$PROLEXA_WINE_ARCH" = win64 ] && arch=x64
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
"$here/make-dist.sh" "$bin" "$out" "$arch" >/dev/null

fail() { echo "FAIL: $*"; exit 1; }
wine_path() { printf 'Z:%s' "${1//\//\\}"; }
folder="$WINEPREFIX/drive_c/Program Files/Prolexa"

programs=(Zeruraruri Trigona Radixa Redero Dromika Zeraz Zazozarozovuz Mernika)

# A preference a pupil left before the suite is installed again.
"$PROLEXA_WINE" reg add 'HKCU\Software\Tolvek\Prolexa\Trigona' /v round /t REG_DWORD /d 4 /f >/dev/null

"$PROLEXA_WINE" msiexec /i "$(wine_path "$out/Prolexa-2.0.msi")" /qn || fail "install"
for p in "${programs[@]}"; do [ -f "$folder/$p.exe" ] || fail "$p.exe not installed"; done
[ -f "$folder/Pomocník.chm" ] || fail "help file not installed"
shortcuts=$(find "$WINEPREFIX/drive_c" -path '*Start Menu/Programs/Prolexa/*.lnk' | wc -l)
[ "$shortcuts" -eq 8 ] || fail "$shortcuts shortcuts instead of 8"
echo "installed: 8 programs, the help file, 8 shortcuts"

"$PROLEXA_WINE" "$e2e" 'C:\Program Files\Prolexa' || fail "the installed launcher"

"$PROLEXA_WINE" msiexec /x "$(wine_path "$out/Prolexa-2.0.msi")" /qn || fail "uninstall"
[ ! -e "$folder" ] || fail "the folder stays after uninstall"
[ -z "$(find "$WINEPREFIX/drive_c" -path '*Start Menu/Programs/Prolexa*')" ] ||
  fail "shortcuts stay after uninstall"
"$PROLEXA_WINE" reg query 'HKCU\Software\Tolvek\Prolexa\Trigona' /v round | grep -q 0x4 ||
  fail "the pupil's preference went with the uninstall"
echo "uninstalled: folder and shortcuts gone, preferences kept"

# Unpacked by an extractor that follows the format (a name not marked as
# UTF-8 is read in code page 437, as Windows does): the names on disk must
# be the suite's own, or F1 finds no help file.
unpacked="$out/unpacked"
python3 -m zipfile -e "$out/Prolexa-2.0-portable.zip" "$unpacked" || fail "the zip does not unpack"
listed=$(cd "$unpacked" && find . -mindepth 1 | sed 's|^\./||' | LC_ALL=C sort | tr '\n' ' ')
want="Prolexa-2.0 Prolexa-2.0/Dromika.exe Prolexa-2.0/Mernika.exe Prolexa-2.0/Pomocník.chm Prolexa-2.0/Radixa.exe Prolexa-2.0/Redero.exe Prolexa-2.0/Trigona.exe Prolexa-2.0/Zazozarozovuz.exe Prolexa-2.0/Zeraz.exe Prolexa-2.0/Zeruraruri.exe "
[ "$listed" = "$want" ] || fail "the zip unpacks as: $listed"
cmp -s "$unpacked/Prolexa-2.0/Pomocník.chm" "$bin/Pomocník.chm" || fail "the unpacked help file differs"
echo "zip: the suite's folder with its nine files, unpacked under their own names"
