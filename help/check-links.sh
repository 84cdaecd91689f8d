#!/usr/bin/env bash
# Unpacks a compiled help file and checks that every page's local links and
# pictures name a file that is inside it.
#
#   help/check-links.sh Pomocník.chm
set -euo pipefail
chm=$1
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
extract_chmLib "$chm" "$tree" >/dev/null
broken=0
while IFS= read -r page; do
  dir=$(dirname "$page")
  while IFS= read -r target; do
    case "$target" in
      http:* | https:* | mailto:* | '#'* | '') continue ;;
    esac
    file=${target%%#*}
    if [ ! -e "$dir/$file" ]; then
      echo "${page#"$tree"/}: $target is missing"
      broken=1
    fi
  done < <(grep -o -E '(href|src)="[^"]*"' "$page" | sed -E 's/^(href|src)="(.*)"$/\2/')
done < <(find "$tree" -name '*.html')
exit "$broken"
