#!/usr/bin/env bash
# start: make sure the prefix exists and keep one wineserver running for the
# whole test run (each Wine start then costs milliseconds, not seconds).
# stop: end it, writing the registry files out.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine-env.sh"
case "${1:-}" in
  start)
    "$here/wine-prefix.sh"
    wineserver -p </dev/null >/dev/null 2>&1
    wine cmd /c exit </dev/null >/dev/null 2>&1
    ;;
  stop)
    wineserver -k </dev/null >/dev/null 2>&1 || true
    ;;
  *)
    echo "usage: $0 start|stop" >&2
    exit 2
    ;;
esac
