#!/usr/bin/env bash
# Creates the build's Wine prefix once: no crash dialog, no window-manager
# waits, Wine's own fonts where Wine 8 looks for them, and metric-compatible
# substitutes for the fonts the programs ask for.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine-env.sh"

ready="$WINEPREFIX/.prolexa-ready"
[ -f "$ready" ] && exit 0

rm -rf "$WINEPREFIX"
mkdir -p "$(dirname "$WINEPREFIX")"
"$PROLEXA_WINE" wineboot -i >/dev/null 2>&1
wineserver -w

reg=$(mktemp --suffix=.reg)
trap 'rm -f "$reg"' EXIT
cat >"$reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"
"Decorated"="Y"

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"Courier New"="Liberation Mono"
"Times New Roman"="Liberation Serif"
"Arial"="Liberation Sans"
"Microsoft Sans Serif"="Liberation Sans"
REG
"$PROLEXA_WINE" regedit /S "Z:${reg//\//\\}" >/dev/null 2>&1
fonts="$WINEPREFIX/drive_c/windows/Fonts"
mkdir -p "$fonts"
cp -n /usr/share/wine/fonts/* "$fonts/" 2>/dev/null || true
wineserver -w
touch "$ready"
