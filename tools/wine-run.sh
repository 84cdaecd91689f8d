#!/usr/bin/env bash
# Runs a Windows program under the build's Wine prefix, on the tests' own
# virtual display (the test emulator of the Windows build).
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine-env.sh"
if [ -f "$PROLEXA_TEST_DISPLAY_FILE" ]; then
  export DISPLAY=":$(cat "$PROLEXA_TEST_DISPLAY_FILE")"
else
  export DISPLAY=":$PROLEXA_TEST_DISPLAY"
fi
"$here/wine-prefix.sh" || exit 1
exec "$PROLEXA_WINE" "$@"
