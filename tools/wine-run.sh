#!/usr/bin/env bash
# Runs a Windows program under the build's Wine prefix, on the tests' own
# virtual display (the test emulator of the Windows build).
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine-env.sh"
export DISPLAY=":$PROLEXA_TEST_DISPLAY"
"$here/wine-prefix.sh" || exit 1
exec wine "$@"
