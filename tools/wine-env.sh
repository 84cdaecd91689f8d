# Sourced by the Wine scripts: one prefix for the whole build folder, quiet
# and without the Mono and Gecko installers.
_prolexa_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX="${PROLEXA_WINEPREFIX:-$_prolexa_root/build/wineprefix}"
export WINEARCH=win32
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml="
unset _prolexa_root
# The virtual X display the tests draw on, whatever display the user has.
export PROLEXA_TEST_DISPLAY="${PROLEXA_TEST_DISPLAY:-77}"
