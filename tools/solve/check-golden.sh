#!/usr/bin/env bash
# Runs prolexa-solve on every golden case and compares its output and exit
# status. A case file: lines of prose starting with '#', the command line as
# "$ ARGS" (quotes as in a shell), "exit N", then the exact expected output.
set -u
shopt -s nullglob
solve=$1
dir=$2
failed=0
count=0
for case in "$dir"/*.txt; do
  count=$((count + 1))
  args=$(grep -m1 '^\$ ' "$case" | cut -c3-)
  want_exit=$(grep -m1 '^exit ' "$case" | cut -d' ' -f2)
  want=$(sed -n '/^exit /,$p' "$case" | tail -n +2)
  mapfile -t argv < <(printf '%s' "$args" | xargs -n1 printf '%s\n')
  got=$("$solve" "${argv[@]}" 2>/dev/null)
  got_exit=$?
  if [ "$got" != "$want" ] || [ "$got_exit" != "$want_exit" ]; then
    failed=$((failed + 1))
    echo "FAIL $(basename "$case"): exit $got_exit (want $want_exit)"
    diff <(printf '%s\n' "$want") <(printf '%s\n' "$got") | head -20
  fi
done
echo "golden cases: $((count - failed)) passed, $failed failed"
[ "$failed" -eq 0 ] && [ "$count" -gt 0 ]
