#!/usr/bin/env bash
# Checks that every program in a folder fits its size budget, as shipped:
#   tools/check-sizes.sh BIN_DIR [LIMIT_BYTES [PROGRAM.exe=LIMIT_BYTES ...]]
# Prints each program's size and budget; fails when one is larger than its
# budget (LIMIT_BYTES, 300 KB unless given, or the program's own), when a
# program given its own budget is not in the folder, or when the folder holds
# no program at all.
set -euo pipefail
bin=${1:?usage: check-sizes.sh BIN_DIR [LIMIT_BYTES [PROGRAM.exe=LIMIT_BYTES ...]]}
limit=${2:-307200}
shift $(( $# < 2 ? $# : 2 ))
declare -A own=()
for budget in "$@"; do
  name=${budget%%=*} bytes=${budget#*=}
  [[ $budget == *=* && $bytes =~ ^[0-9]+$ ]] || { echo "check-sizes: bad budget '$budget'" >&2; exit 2; }
  own[$name]=$bytes
done
shopt -s nullglob
programs=("$bin"/*.exe)
[ ${#programs[@]} -gt 0 ] || { echo "check-sizes: no programs in $bin" >&2; exit 1; }
over=0
for name in "${!own[@]}"; do
  [ -f "$bin/$name" ] || { echo "check-sizes: $name is not in $bin" >&2; over=1; }
done
for exe in "${programs[@]}"; do
  name=$(basename "$exe")
  budget=${own[$name]:-$limit}
  size=$(stat -c %s "$exe")
  if [ "$size" -le "$budget" ]; then verdict=ok; else verdict="OVER by $((size - budget))"; over=1; fi
  printf '%-20s %8d of %8d bytes  %s\n' "$name" "$size" "$budget" "$verdict"
done
exit $over
