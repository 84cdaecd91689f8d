#!/usr/bin/env bash
# start: make sure the prefix exists, start the tests' virtual display, and
# keep one wineserver running for the whole test run (each Wine start then
# costs milliseconds, not seconds).
# stop: end the server, writing the registry files out, and the display.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine-env.sh"
export DISPLAY=":$PROLEXA_TEST_DISPLAY"
pidfile="$(dirname "$WINEPREFIX")/xvfb-$PROLEXA_TEST_DISPLAY.pid"
case "${1:-}" in
  start)
    "$here/wine-prefix.sh"
    if ! xdpyinfo >/dev/null 2>&1; then
      setsid Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
      echo $! >"$pidfile"
      for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
      xdpyinfo >/dev/null 2>&1 || { echo "Xvfb did not start on $DISPLAY" >&2; exit 1; }
    fi
    wineserver -p </dev/null >/dev/null 2>&1
    wine cmd /c exit </dev/null >/dev/null 2>&1
    ;;
  stop)
    wineserver -k </dev/null >/dev/null 2>&1 || true
    if [ -f "$pidfile" ]; then
      kill "$(cat "$pidfile")" 2>/dev/null || true
      rm -f "$pidfile"
    fi
    ;;
  *)
    echo "usage: $0 start|stop" >&2
    exit 2
    ;;
esac
