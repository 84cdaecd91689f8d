#!/usr/bin/env bash
# Holds the longest solution of each calculator to its instruction budget:
#   tools/check-instructions.sh PROLEXA_SOLVE CASES_FILE [LIMIT]
# For every case (a line "PROGRAM INPUTS...", or "refused PROGRAM INPUTS..."
# for inputs whose solution is laid out and then refused) callgrind counts
# the instructions of prolexa::Solve, which is everything a window computes
# for one solution: the check, the drawing steps and their display lists.
# Fails when a case is not answered as its line says or costs more than the
# limit (50,000 unless given).
# Exits 77, which CTest reports as skipped, when valgrind is not installed.
set -euo pipefail
solve=${1:?usage: check-instructions.sh PROLEXA_SOLVE CASES_FILE [LIMIT]}
cases=${2:?usage: check-instructions.sh PROLEXA_SOLVE CASES_FILE [LIMIT]}
limit=${3:-50000}
if ! command -v valgrind >/dev/null; then
  echo "check-instructions: valgrind is not installed; skipped"
  exit 77
fi
out=$(mktemp)
trap 'rm -f "$out"' EXIT
over=0
count_cases=0
while read -r program inputs; do
  case "$program" in '' | '#'*) continue ;; esac
  want=0
  if [ "$program" = refused ]; then
    want=1
    read -r program inputs <<<"$inputs"
  fi
  read -ra args <<<"$inputs"
  count_cases=$((count_cases + 1))
  got=0
  "$solve" "$program" "${args[@]}" >/dev/null || got=$?
  if [ "$got" != "$want" ]; then
    echo "$program ${args[*]}: exit $got, not $want as the case says" >&2
    over=1
    continue
  fi
  # Every symbol bound at start: a lazy lookup of a library function on its
  # first call belongs to the process start, not to the solution.
  count=$(LD_BIND_NOW=1 valgrind --tool=callgrind --callgrind-out-file="$out" \
    --toggle-collect='prolexa::Solve(*' "$solve" "$program" "${args[@]}" 2>&1 >/dev/null |
    sed -n 's/.*Collected : //p') || true  # a refusal exits 1
  if [ -z "$count" ]; then
    echo "$program ${args[*]}: callgrind gave no count" >&2
    over=1
    continue
  fi
  if [ "$count" -le "$limit" ]; then verdict=ok; else verdict="OVER by $((count - limit))"; over=1; fi
  printf '%-14s %7d instructions  %s\n' "$program" "$count" "$verdict"
done <"$cases"
[ "$count_cases" -gt 0 ] || { echo "check-instructions: no cases in $cases" >&2; exit 1; }
exit $over
