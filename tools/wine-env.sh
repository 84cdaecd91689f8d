# Sourced by the Wine scripts: one prefix per architecture for the whole
# build folder, quiet and without the Mono and Gecko installers.
#
# PROLEXA_WINE_ARCH (win32 unless set) tells which programs run: the 32-bit
# ones as shipped, or a 64-bit build of them on a machine that runs no
# 32-bit code (tools/wine-arch.sh tells which this machine is).
#
# PROLEXA_WINE_DPI (96 unless set) tells the display scaling the programs
# see. Wine has one DPI per prefix, so each DPI other than 96 has a prefix of
# its own beside the 96-DPI one, named after it with "-DPI" added
# (build/wineprefix-144), with its own server and test display.
_prolexa_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export PROLEXA_WINE_ARCH="${PROLEXA_WINE_ARCH:-win32}"
export WINEARCH="$PROLEXA_WINE_ARCH"
if [ "$PROLEXA_WINE_ARCH" = win64 ]; then
  # The wine wrapper would try the 32-bit loader first.
  PROLEXA_WINE=/usr/lib/wine/wine64
  export WINELOADER=$PROLEXA_WINE
  _prolexa_prefix=wineprefix64
else
  PROLEXA_WINE=wine
  _prolexa_prefix=wineprefix
fi
export PROLEXA_WINE
export PROLEXA_WINE_DPI="${PROLEXA_WINE_DPI:-96}"
export WINEPREFIX="${PROLEXA_WINEPREFIX:-$_prolexa_root/build/$_prolexa_prefix}"
[ "$PROLEXA_WINE_DPI" = 96 ] || WINEPREFIX="$WINEPREFIX-$PROLEXA_WINE_DPI"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml="
unset _prolexa_root _prolexa_prefix
# The virtual X display the tests draw on, whatever display the user has:
# this one if it runs, else the one the test run started, whose number it
# writes into the file.
export PROLEXA_TEST_DISPLAY="${PROLEXA_TEST_DISPLAY:-77}"
export PROLEXA_TEST_DISPLAY_FILE="$WINEPREFIX.display"
