# Sourced by the Wine scripts: one prefix for the whole build folder, quiet
# and without the Mono and Gecko installers.
_prolexa_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX="${PROLEXA_WINEPREFIX:-$_prolexa_root/build/wineprefix}"
export WINEARCH=win32
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml="
unset _prolexa_root
# The virtual X display the tests draw on, whatever display the user has:
# this one if it runs, else the one the test run started, whose number it
# writes into the file.
export PROLEXA_TEST_DISPLAY="${PROLEXA_TEST_DISPLAY:-77}"
export PROLEXA_TEST_DISPLAY_FILE="$(dirname "$WINEPREFIX")/test-display"
