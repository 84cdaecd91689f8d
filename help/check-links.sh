#!/bin/sh
# Unpacks a compiled help file and checks that every link and picture of its
# pages (href="..." and src="...") that names a local file names one that is
# inside it. Web and mail addresses and anchors on the same page are not
# checked. Prints each broken link as "page: target" and exits 1 if any.
#
#   sh help/check-links.sh Pomocník.chm
set -eu
chm=${1:?usage: check-links.sh FILE.chm}
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
extract_chmLib "$chm" "$tree" >/dev/null
LC_ALL=C
export LC_ALL

pages=$(find "$tree" -type f -name '*.html' | sort)
if [ -z "$pages" ]; then
  echo "$chm: no pages inside"
  exit 1
fi

broken=$(printf '%s\n' "$pages" | while IFS= read -r page; do
  dir=${page%/*}
  grep -o -i -E '(href|src)="[^"]*"' "$page" | sed -E 's/^[^"]*"//; s/"$//' |
    while IFS= read -r target; do
      case $target in
        '' | '#'* | *:*) continue ;; # an anchor here, or http:, mailto: and the like
      esac
      file=${target%%#*}
      file=${file%%\?*}
      case $file in
        /*) path=$tree$file ;;
        *) path=$dir/$file ;;
      esac
      [ -f "$path" ] || echo "${page#"$tree"/}: $target"
    done
done)

if [ -n "$broken" ]; then
  echo "Links to files that are not in $chm:"
  printf '%s\n' "$broken"
  exit 1
fi
