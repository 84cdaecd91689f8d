#!/usr/bin/env bash
# start: make sure the prefix exists, start the tests' virtual display, and
# keep one wineserver running for the whole test run (each Wine start then
# costs milliseconds, not seconds).
# stop: end the server, writing the registry files out, and the display.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine-env.sh"
pidfile="$WINEPREFIX.xvfb.pid"
case "${1:-}" in
  start)
    "$here/wine-prefix.sh"
    display=$PROLEXA_TEST_DISPLAY
    # A prefix at another DPI draws on a display of its own, so that its
    # tests may run beside the 96-DPI ones, with a screen as much larger as
    # its pixels are denser. At 96 DPI the screen is large enough for the
    # layout tests' windows at twice the scale (Dromika is 1560 x 1300 then);
    # at 150 % it is 3840 x 2400, and the scaled windows fit on it as the
    # others fit on theirs.
    width=$((2560 * PROLEXA_WINE_DPI / 96))
    height=$((1600 * PROLEXA_WINE_DPI / 96))
    if [ "$PROLEXA_WINE_DPI" != 96 ] || ! DISPLAY=":$display" xdpyinfo >/dev/null 2>&1; then
      # Let the server pick a free display: a display number left locked by
      # a server that was killed must not stop the tests.
      fifo=$(mktemp -u)
      mkfifo "$fifo"
      setsid Xvfb -displayfd 3 -screen 0 "${width}x${height}x24" -nolisten tcp 3>"$fifo" \
        </dev/null >/dev/null 2>&1 &
      echo $! >"$pidfile"
      display=$(timeout 10 head -n1 "$fifo" || true)
      rm -f "$fifo"
      [ -n "$display" ] || { echo "Xvfb did not start" >&2; exit 1; }
    fi
    echo "$display" >"$PROLEXA_TEST_DISPLAY_FILE"
    export DISPLAY=":$display"
    wineserver -p </dev/null >/dev/null 2>&1
    "$PROLEXA_WINE" cmd /c exit </dev/null >/dev/null 2>&1
    ;;
  stop)
    wineserver -k </dev/null >/dev/null 2>&1 || true
    if [ -f "$pidfile" ]; then
      kill "$(cat "$pidfile")" 2>/dev/null || true
      rm -f "$pidfile"
    fi
    rm -f "$PROLEXA_TEST_DISPLAY_FILE"
    ;;
  *)
    echo "usage: $0 start|stop" >&2
    exit 2
    ;;
esac
