#!/usr/bin/env bash
# Packs the programs of the 32-bit and the 64-bit build into a Debian
# package that runs them under Wine: the programs with the help file and the
# help pages in /usr/lib/prolexa, the command prolexa, menu entries, icons,
# AppStream data and a manual page.
#
#   tools/make-deb.sh BIN32 BIN64 OUT
#
# BIN32 and BIN64 hold the eight programs, Pomocník.chm and the folder help
# (the build's bin folders); OUT receives prolexa_VERSION-1_all.deb. The
# programs are stripped as for the Windows packages.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/.." && pwd)
source_dir="$root/packaging/deb"
bin32=$(cd "$1" && pwd)
bin64=$(cd "$2" && pwd)
mkdir -p "$3"
out=$(cd "$3" && pwd)
version=$(sed -n 's/^project(Prolexa VERSION \([0-9]*\.[0-9]*\).*/\1/p' "$root/CMakeLists.txt")
[ -n "$version" ] || { echo "make-deb: no version in CMakeLists.txt" >&2; exit 1; }
programs=(Zeruraruri Trigona Radixa Redero Dromika Zeraz Zazozarozovuz Mernika)
# One time for the programs' headers (strip writes it), the files and the
# archive's members, so that the same programs give the same package.
export SOURCE_DATE_EPOCH=1796000000

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
stage="$work/stage"
lib="$stage/usr/lib/prolexa"
share="$stage/usr/share"

# The programs of both builds; the help file and the pages once, beside
# both through links.
for arch in win32 win64; do
  if [ $arch = win32 ]; then bin=$bin32 strip=i686-w64-mingw32-strip
  else bin=$bin64 strip=x86_64-w64-mingw32-strip; fi
  mkdir -p "$lib/$arch"
  for p in "${programs[@]}"; do
    "$strip" -o "$lib/$arch/$p.exe" "$bin/$p.exe"
  done
  ln -s ../Pomocník.chm "$lib/$arch/Pomocník.chm"
  ln -s ../help "$lib/$arch/help"
done
cp "$bin32/Pomocník.chm" "$lib/"
cp -r "$bin32/help" "$lib/help"

install -D -m 755 "$source_dir/prolexa.sh" "$stage/usr/bin/prolexa"
sed -i "s/@VERSION@/$version/" "$stage/usr/bin/prolexa"
install -d "$share/applications"
install -m 644 "$source_dir"/applications/*.desktop "$share/applications/"
install -D -m 644 "$source_dir/cz.tolvek.Prolexa.metainfo.xml" \
  "$share/metainfo/cz.tolvek.Prolexa.metainfo.xml"
install -d "$share/man/man1" "$share/doc/prolexa" "$share/lintian/overrides"
sed "s/@VERSION@/$version/" "$source_dir/prolexa.1" | gzip -9n >"$share/man/man1/prolexa.1.gz"
sed "s/@VERSION@/$version/" "$source_dir/changelog" | gzip -9n >"$share/doc/prolexa/changelog.Debian.gz"
install -m 644 "$source_dir/copyright" "$share/doc/prolexa/copyright"
install -m 644 "$source_dir/lintian-overrides" "$share/lintian/overrides/prolexa"

# The icons are the very drawings of the Windows icons: the small, bolder
# one up to 24 pixels, the large one above, scaled as the .ico files are.
# The drawing script runs in a copy of the tree, so that the pictures
# committed under */res stay untouched.
art="$work/art"
mkdir -p "$art/tools" "$art/drawings"
cp "$here/make-art.sh" "$art/tools/"
ICON_DRAWINGS="$art/drawings" "$art/tools/make-art.sh" >/dev/null
declare -A icon_of=([zeruraruri]=cz.tolvek.Prolexa [trigona]=cz.tolvek.Prolexa.Trigona
  [radixa]=cz.tolvek.Prolexa.Radixa [rezeze]=cz.tolvek.Prolexa.Redero
  [dromika]=cz.tolvek.Prolexa.Dromika [teplo]=cz.tolvek.Prolexa.Zeraz
  [zazozarozovuz]=cz.tolvek.Prolexa.Zazozarozovuz [mernika]=cz.tolvek.Prolexa.Mernika)
for folder in "${!icon_of[@]}"; do
  for size in 16 22 24 32 48 64 128 256; do
    drawing=large
    [ $size -le 24 ] && drawing=small
    dir="$share/icons/hicolor/${size}x${size}/apps"
    mkdir -p "$dir"
    convert "$art/drawings/$folder-$drawing.png" -filter Box -resize "${size}x${size}" -depth 8 \
      -define png:exclude-chunks=date,time "$dir/${icon_of[$folder]}.png"
  done
done

# Plain modes and the one time for every file.
find "$stage" -type d -exec chmod 755 {} +
find "$stage" -type f -exec chmod 644 {} +
chmod 755 "$stage/usr/bin/prolexa"
mkdir -p "$stage/DEBIAN"
(cd "$stage" && find usr -type f | LC_ALL=C sort | xargs -d '\n' md5sum) >"$stage/DEBIAN/md5sums"
size=$(du -sk --apparent-size --exclude=DEBIAN "$stage" | cut -f1)
sed -e "s/@VERSION@/$version/" -e "s/@INSTALLED_SIZE@/$size/" "$source_dir/control" \
  >"$stage/DEBIAN/control"
chmod 644 "$stage/DEBIAN/control" "$stage/DEBIAN/md5sums"
find "$stage" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +

package="$out/prolexa_${version}-1_all.deb"
dpkg-deb --root-owner-group -Zxz --build "$stage" "$package" >/dev/null
ls -l "$package"
