#!/usr/bin/env bash
# Starts a program of the suite from the build's program folder under Wine:
# on the user's display, or on a virtual one when there is none.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
program=${1:-Zeruraruri}
source "$here/wine-env.sh"
bin="$here/../build/windows$([ "$PROLEXA_WINE_ARCH" != win64 ] || echo 64)/bin"
"$here/wine-prefix.sh"

if [ -z "${DISPLAY:-}" ]; then
  export DISPLAY=:88
  if ! xdpyinfo >/dev/null 2>&1; then
    setsid Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
    sleep 1
  fi
  echo "No display is set: $program runs on the virtual display $DISPLAY" \
       "(see it with: DISPLAY=$DISPLAY import -window root shot.png)."
fi
cd "$bin"
exec "$PROLEXA_WINE" "$program.exe"
