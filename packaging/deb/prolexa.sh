#!/bin/sh
# Starts a program of the Prolexa suite under Wine: the launcher, or one
# calculator by name. Each user gets a Wine prefix of their own on the first
# start, under $XDG_DATA_HOME/prolexa, set up for the suite: the fonts it asks
# for, no crash dialog, and the desktop's DPI.
set -eu

version=@VERSION@
programs="Zeruraruri Trigona Radixa Redero Dromika Zeraz Zazozarozovuz Mernika"

usage() {
  cat <<EOF
Usage: prolexa [PROGRAM]

Starts the Prolexa launcher, or the calculator PROGRAM of the suite
(case does not matter): Trigona, Radixa, Redero (Ruzezi), Dromika, Zeraz,
Zazozarozovuz, Mernika. The programs run under Wine, in a Wine prefix of
your own made on the first start in \${XDG_DATA_HOME:-~/.local/share}/prolexa.

Options:
  --help     show this text
  --version  show the version
EOF
}

case "${1:-}" in
  --help | -h) usage; exit 0 ;;
  --version) echo "prolexa $version"; exit 0 ;;
  -*) echo "prolexa: unknown option '$1' (see prolexa --help)" >&2; exit 2 ;;
esac
if [ $# -gt 1 ]; then
  echo "prolexa: one program at a time (see prolexa --help)" >&2
  exit 2
fi

# Asked before anything else, with the shell's own means, so that the answer
# is this one line whatever else is missing.
if ! command -v wine >/dev/null 2>&1; then
  echo "prolexa: Wine is not installed; install it (apt install wine) and start prolexa again" >&2
  exit 1
fi

wanted=$(printf '%s' "${1:-Zeruraruri}" | tr '[:upper:]' '[:lower:]')
program=
for p in $programs; do
  [ "$(printf '%s' "$p" | tr '[:upper:]' '[:lower:]')" = "$wanted" ] && program=$p
done
# The names pupils know besides the program files' own: the window title of
# Redero and the suite's name for its launcher.
case $wanted in
  ruzezi | rezeze) program=Redero ;;
  prolexa) program=Zeruraruri ;;
esac
if [ -z "$program" ]; then
  echo "prolexa: there is no program '$1'; the programs are: $programs" >&2
  exit 2
fi

# The programs lie beside this script's own folder, as installed or as
# unpacked anywhere else.
here=$(dirname "$(readlink -f "$0")")
lib=$(cd "$here/../lib/prolexa" && pwd)

# The 32-bit programs where Wine's 32-bit loader runs; else the 64-bit build
# of the same sources under the 64-bit loader (a system without 32-bit Wine,
# or a kernel without 32-bit support). Debian's wine command would try the
# 32-bit loader first, so that one is named directly.
if [ -x /usr/lib/wine/wine ] && /usr/lib/wine/wine --version >/dev/null 2>&1; then
  arch=win32 loader=wine
elif [ -x /usr/lib/wine/wine64 ]; then
  arch=win64 loader=/usr/lib/wine/wine64
  export WINELOADER=$loader
elif command -v wine64 >/dev/null 2>&1; then
  arch=win64 loader=wine64
else
  arch=win32 loader=wine
fi
wineserver_w() {
  if [ -x /usr/lib/wine/wineserver ]; then /usr/lib/wine/wineserver -w; else wineserver -w; fi
}

data=${XDG_DATA_HOME:-${HOME:?}/.local/share}/prolexa
export WINEPREFIX="$data/$arch" WINEARCH=$arch
export WINEDEBUG="${WINEDEBUG:--all}"
# No questions about Wine's .NET and HTML engines: the programs use neither.
export WINEDLLOVERRIDES="mscoree,mshtml="

# The desktop's scaling as X's resources tell it (GNOME, KDE and Xfce set
# Xft.dpi there), else 96 dots per inch, the unscaled screen.
dpi=96
if [ -n "${DISPLAY:-}" ] && command -v xrdb >/dev/null 2>&1; then
  found=$(xrdb -query 2>/dev/null | sed -n 's/^Xft\.dpi:[[:space:]]*\([0-9][0-9]*\).*/\1/p' | head -n 1)
  if [ -n "$found" ] && [ "$found" -ge 48 ] && [ "$found" -le 480 ]; then dpi=$found; fi
fi

# Registry settings go in through a file; Wine takes its path as Z:\...
load_registry() {
  reg=$(mktemp)
  cat >"$reg"
  "$loader" regedit /S "Z:$(printf '%s' "$reg" | tr / '\\')" >/dev/null 2>&1 9>&-
  rm -f "$reg"
}

mkdir -p "$data"
(
  # One maker at a time: a second start while the first still makes the
  # prefix waits for it. Wine runs with the lock's file closed, so that a
  # server it leaves running holds no lock.
  flock 9
  if [ ! -f "$WINEPREFIX/.prolexa-ready" ]; then
    echo "prolexa: preparing Wine for the first start, this takes a few seconds" >&2
    # What an interrupted first start left is no prefix to build on.
    rm -rf "$WINEPREFIX"
    "$loader" wineboot -i >/dev/null 2>&1 9>&-
    wineserver_w 9>&-
    # Metric-compatible fonts for those the programs ask for, so that every
    # text has the width the layout gives it; no crash dialog waiting on a
    # pupil; the display's DPI.
    load_registry <<EOF
REGEDIT4

[HKEY_CURRENT_USER\\Software\\Wine\\WineDbg]
"ShowCrashDialog"=dword:00000000

[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]
"Courier New"="Liberation Mono"
"Times New Roman"="Liberation Serif"
"Arial"="Liberation Sans"
"Microsoft Sans Serif"="Liberation Sans"

[HKEY_CURRENT_USER\\Control Panel\\Desktop]
"LogPixels"=dword:$(printf '%08x' "$dpi")
EOF
    # Wine's own fonts (Tahoma, and Marlett for the caption buttons) where
    # Wine looks for them.
    mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
    cp -n /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
    wineserver_w 9>&-
    echo "$dpi" >"$WINEPREFIX/.prolexa-dpi"
    touch "$WINEPREFIX/.prolexa-ready"
  elif [ "$(cat "$WINEPREFIX/.prolexa-dpi" 2>/dev/null)" != "$dpi" ]; then
    # The desktop's scaling changed since: the programs follow it from the
    # next start of Wine on.
    load_registry <<EOF
REGEDIT4

[HKEY_CURRENT_USER\\Control Panel\\Desktop]
"LogPixels"=dword:$(printf '%08x' "$dpi")
EOF
    echo "$dpi" >"$WINEPREFIX/.prolexa-dpi"
  fi
) 9>"$data/.lock"

# The launcher starts the calculators from its own folder, and each program
# finds its help beside itself.
cd "$lib/$arch"
exec "$loader" "$program.exe"
