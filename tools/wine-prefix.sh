#!/usr/bin/env bash
# Creates the build's Wine prefix once: no crash dialog, no window-manager
# waits, Wine's own fonts where Wine 8 looks for them, and metric-compatible
# substitutes for the fonts the programs ask for. A prefix at another DPI
# (PROLEXA_WINE_DPI) is a copy of the 96-DPI one with its own LogPixels.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine-env.sh"

ready="$WINEPREFIX/.prolexa-ready"
[ -f "$ready" ] && exit 0
# One maker at a time: the prefix of another DPI makes the 96-DPI one first,
# maybe while the 96-DPI tests' own start makes it too. Wine is started with
# the lock's file closed, so that a server it leaves running holds no lock.
mkdir -p "$(dirname "$WINEPREFIX")"
exec 9>"$WINEPREFIX.lock"
flock 9
[ -f "$ready" ] && exit 0

if [ "$PROLEXA_WINE_DPI" != 96 ]; then
  [[ "$PROLEXA_WINE_DPI" =~ ^[1-9][0-9]*$ ]] ||
    { echo "wine-prefix: PROLEXA_WINE_DPI must be a number of dots per inch" >&2; exit 2; }
  # Copying the finished 96-DPI prefix takes a second where a new one takes
  # ten, and leaves it with the same settings and fonts. Its server may be
  # running: the registry files it saves are whole, since the server writes
  # a new file and renames it. The copy is made under another name and
  # renamed when complete, so that no half copy is ever taken for a prefix.
  PROLEXA_WINE_DPI=96 "$here/wine-prefix.sh"
  base=$(PROLEXA_WINE_DPI=96 && source "$here/wine-env.sh" && echo "$WINEPREFIX")
  rm -rf "$WINEPREFIX" "$WINEPREFIX.copy"
  cp -a "$base" "$WINEPREFIX.copy"
  rm -f "$WINEPREFIX.copy/.prolexa-ready"
  mv "$WINEPREFIX.copy" "$WINEPREFIX"
  reg=$(mktemp --suffix=.reg)
  trap 'rm -f "$reg"' EXIT
  # Wine takes the DPI of every program from this value when its server
  # starts.
  printf 'REGEDIT4\n\n[HKEY_CURRENT_USER\\Control Panel\\Desktop]\n"LogPixels"=dword:%08x\n' \
    "$PROLEXA_WINE_DPI" >"$reg"
  "$PROLEXA_WINE" regedit /S "Z:${reg//\//\\}" >/dev/null 2>&1 9>&-
  wineserver -w
  touch "$ready"
  exit 0
fi

rm -rf "$WINEPREFIX"
mkdir -p "$(dirname "$WINEPREFIX")"
"$PROLEXA_WINE" wineboot -i >/dev/null 2>&1 9>&-
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
"$PROLEXA_WINE" regedit /S "Z:${reg//\//\\}" >/dev/null 2>&1 9>&-
fonts="$WINEPREFIX/drive_c/windows/Fonts"
mkdir -p "$fonts"
cp -n /usr/share/wine/fonts/* "$fonts/" 2>/dev/null || true
wineserver -w
touch "$ready"
