#!/bin/sh
# Checks in a compiled help file that every page declares the language it is
# written in (<html lang="...">): Slovak for the Slovak programs and their
# launcher, Czech for the rest. A screen reader reads a page in the language
# it declares. Prints each page that says otherwise and exits 1 if any.
#
#   sh help/check-languages.sh Pomocník.chm
set -eu
chm=${1:?usage: check-languages.sh FILE.chm}
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
extract_chmLib "$chm" "$tree" >/dev/null
wrong=0
for page in index:cs trigona:cs radixa:cs rezeze:cs dromika:cs zazozarozovuz:cs \
  zeraz:sk mernika:sk zeruraruri:sk pristupnost:cs; do
  name=${page%:*}.html
  if ! grep -q "<html lang=\"${page#*:}\">" "$tree/$name"; then
    echo "$name: not <html lang=\"${page#*:}\">"
    wrong=1
  fi
done
exit $wrong
