#!/usr/bin/env bash
# The Debian package made from the builds' programs, checked as a school's
# administrator and a pupil meet it.
#
#   tests/deb/deb-test.sh build BIN32 BIN64 OUT   make OUT/prolexa_*.deb
#   tests/deb/deb-test.sh lint DEB                Debian's own checks
#   tests/deb/deb-test.sh run DEB                 the unpacked package used
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
tools="$here/../../tools"
fail() { echo "FAIL: $*"; exit 1; }

case "${1:-}" in
build)
  rm -f "$4"/prolexa_*.deb
  for bin in "$2" "$3"; do
    [ -f "$bin/Zeruraruri.exe" ] ||
      fail "no programs in $bin: the package takes both builds' (make windows-programs windows64-programs)"
  done
  "$tools/make-deb.sh" "$2" "$3" "$4"
  ;;

lint)
  deb=$2
  lintian --fail-on error,warning "$deb" || fail "lintian"
  root=$(mktemp -d)
  trap 'rm -rf "$root"' EXIT
  dpkg-deb -x "$deb" "$root"
  entries=("$root"/usr/share/applications/*.desktop)
  [ ${#entries[@]} -eq 8 ] || fail "${#entries[@]} menu entries instead of 8"
  for entry in "${entries[@]}"; do
    desktop-file-validate "$entry" || fail "$(basename "$entry")"
    # Each entry's icon is in the package at every size.
    icon=$(sed -n 's/^Icon=//p' "$entry")
    for size in 16 22 24 32 48 64 128 256; do
      [ -f "$root/usr/share/icons/hicolor/${size}x$size/apps/$icon.png" ] ||
        fail "$icon has no $size px picture"
    done
  done
  appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml || fail "appstream"
  # The menu shows the pictures the Windows icons hold at their sizes (drawn
  # anew from the same drawings: to the eight bits of the icon's colours).
  for pair in zeruraruri:cz.tolvek.Prolexa trigona:cz.tolvek.Prolexa.Trigona \
              teplo:cz.tolvek.Prolexa.Zeraz; do
    ico="$here/../../${pair%%:*}/res/app.ico"
    for frame in 0:48 1:32 2:16; do
      size=${frame#*:}
      png="$root/usr/share/icons/hicolor/${size}x$size/apps/${pair#*:}.png"
      differ=$(compare -metric AE -fuzz 1% "${ico}[${frame%%:*}]" "$png" null: 2>&1) || true
      [ "$differ" = 0 ] || fail "${pair#*:} at $size px differs from $ico in $differ pixels"
    done
  done
  echo "lintian, 8 menu entries with their icons, AppStream data: clean"
  ;;

run)
  deb=$2
  source "$tools/wine-env.sh"
  if [ -f "$PROLEXA_TEST_DISPLAY_FILE" ]; then
    export DISPLAY=":$(cat "$PROLEXA_TEST_DISPLAY_FILE")"
  else
    export DISPLAY=":$PROLEXA_TEST_DISPLAY"
  fi
  root=$(mktemp -d)
  pids=()
  cleanup() {
    [ -d "$root/data/prolexa" ] && for p in "$root"/data/prolexa/win*; do
      WINEPREFIX=$p wineserver -k 2>/dev/null || true
    done
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$root"
  }
  trap cleanup EXIT
  dpkg-deb -x "$deb" "$root/pkg"
  prolexa="$root/pkg/usr/bin/prolexa"
  mkdir -p "$root/home" "$root/stub"
  export HOME="$root/home" XDG_DATA_HOME="$root/data"
  unset WINEPREFIX WINEARCH WINELOADER WINEDEBUG WINEDLLOVERRIDES

  # Without Wine: one line that says so.
  said=$(PATH=/nonexistent /bin/sh "$prolexa" 2>&1) && fail "started without Wine"
  [ "$(printf '%s\n' "$said" | wc -l)" = 1 ] && [[ $said == *"Wine is not installed"* ]] ||
    fail "without Wine it says: $said"
  [ "$("$prolexa" --version)" = "prolexa 2.0" ] || fail "--version"
  "$prolexa" Pythagoras 2>/dev/null && fail "an unknown program started"

  # The desktop's DPI, as X's resources give it.
  xrdb_says() {
    printf '#!/bin/sh\nprintf "Xft.dpi:\\t%s\\n"\n' "$1" >"$root/stub/xrdb"
    chmod +x "$root/stub/xrdb"
  }
  # The visible window of a process, waiting up to `2` seconds.
  window_of() {
    local waited
    for ((waited = 0; waited < $2 * 5; waited++)); do
      xdotool search --onlyvisible --pid "$1" 2>/dev/null | head -n 1 && return 0
      kill -0 "$1" 2>/dev/null || return 1
      sleep 0.2
    done
    return 1
  }
  width_of() { xdotool getwindowgeometry "$1" | sed -n 's/.*Geometry: \([0-9]*\)x.*/\1/p'; }

  arch=$("$tools/wine-arch.sh")
  prefix="$XDG_DATA_HOME/prolexa/$arch"

  # First start: the launcher, in a new prefix at the desktop's 144 DPI.
  xrdb_says 144
  started=$SECONDS
  PATH="$root/stub:$PATH" "$prolexa" >"$root/first.log" 2>&1 &
  pids+=($!)
  launcher=$(window_of "${pids[0]}" 120) || fail "no launcher window: $(cat "$root/first.log")"
  echo "launcher's window after $((SECONDS - started)) s (the prefix made first)"
  [ -f "$prefix/.prolexa-ready" ] || fail "no prefix in $prefix"
  [ ! -e "$HOME/.wine" ] || fail "the default Wine prefix was made too"
  grep -q '"Courier New"="Liberation Mono"' "$prefix/user.reg" || fail "no font substitutes"
  grep -q '"ShowCrashDialog"=dword:00000000' "$prefix/user.reg" || fail "the crash dialog is on"
  # The launcher is 725 pixels wide on a screen of 96 DPI.
  width=$(width_of "$launcher")
  ((width >= 1050 && width <= 1150)) || fail "the launcher is $width px wide at 144 DPI"
  made=$(stat -c %Y "$prefix/.prolexa-ready")
  WINEPREFIX=$prefix wineserver -k 2>/dev/null || true

  # Second start: one calculator by name, any case, in the same prefix,
  # which follows the desktop back to 96 DPI.
  xrdb_says 96
  PATH="$root/stub:$PATH" "$prolexa" TRIGONA >"$root/second.log" 2>&1 &
  pids+=($!)
  trigona=$(window_of "${pids[1]}" 30) || fail "no Trigona window: $(cat "$root/second.log")"
  [ "$(xdotool getwindowname "$trigona")" = Trigona ] || fail "not Trigona's window"
  [ "$(stat -c %Y "$prefix/.prolexa-ready")" = "$made" ] && [ ! -s "$root/second.log" ] ||
    fail "the prefix was made again: $(cat "$root/second.log")"
  width=$(width_of "$trigona")
  ((width < 600)) || fail "Trigona is $width px wide at 96 DPI"
  echo "Trigona's window in the same prefix, $width px wide at 96 DPI"

  # Its help icon opens the page beside the installed programs in the
  # browser: a stand-in browser writes down the address.
  WINEPREFIX=$prefix "$PROLEXA_WINE" reg add 'HKCU\Software\Wine\WineBrowser' /v Browsers \
    /t REG_SZ /d "/bin/sh -c \"echo \\\"\$0\\\" >> $root/browser.txt\"" /f >/dev/null 2>&1
  xdotool mousemove --window "$trigona" 485 25 click 1
  for ((i = 0; i < 50; i++)); do [ -s "$root/browser.txt" ] && break; sleep 0.1; done
  [ "$(cat "$root/browser.txt" 2>/dev/null)" = "file://$root/pkg/usr/lib/prolexa/$arch/help/trigona.html" ] ||
    fail "the help asked the browser for: $(cat "$root/browser.txt" 2>/dev/null)"
  [ -f "$root/pkg/usr/lib/prolexa/$arch/help/trigona.html" ] || fail "no help page there"
  echo "the help icon asked the browser for the packaged trigona.html"
  ;;

*)
  echo "usage: $0 build BIN32 BIN64 OUT | lint DEB | run DEB" >&2
  exit 2
  ;;
esac
