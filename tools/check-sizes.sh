#!/usr/bin/env bash
# Checks that every program in a folder fits its size budget, as shipped:
#   tools/check-sizes.sh BIN_DIR [LIMIT_BYTES]
# Prints each program's size; fails when one is larger than the limit
# (300 KB unless given) or when the folder holds no program at all.
set -euo pipefail
bin=${1:?usage: check-sizes.sh BIN_DIR [LIMIT_BYTES]}
limit=${2:-307200}
shopt -s nullglob
programs=("$bin"/*.exe)
[ ${#programs[@]} -gt 0 ] || { echo "check-sizes: no programs in $bin" >&2; exit 1; }
over=0
for exe in "${programs[@]}"; do
  size=$(stat -c %s "$exe")
  if [ "$size" -le "$limit" ]; then verdict=ok; else verdict="OVER by $((size - limit))"; over=1; fi
  printf '%-20s %8d bytes  %s\n' "$(basename "$exe")" "$size" "$verdict"
done
exit $over
