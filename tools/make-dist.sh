#!/usr/bin/env bash
# Packs the programs of a build folder: a Windows Installer package and a
# portable zip, the same sources always giving the same file list and
# versions.
#
#   tools/make-dist.sh BIN OUT [x86|x64]
#
# BIN holds the eight programs and Pomocník.chm; OUT receives
# Prolexa-2.0.msi and Prolexa-2.0-portable.zip. The programs are stripped of
# their debugging sections on the way.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root="$here/.."
bin=$(cd "$1" && pwd)
mkdir -p "$2"
out=$(cd "$2" && pwd)
arch=${3:-x86}
programs=(Zeruraruri Trigona Radixa Redero Dromika Zeraz Zazozarozovuz Mernika)
if [ "$arch" = x64 ]; then
  strip=x86_64-w64-mingw32-strip
  program_files=ProgramFiles64Folder
else
  strip=i686-w64-mingw32-strip
  program_files=ProgramFilesFolder
fi

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
suite="$stage/Prolexa-2.0"
mkdir -p "$suite"
for p in "${programs[@]}"; do
  "$strip" -o "$suite/$p.exe" "$bin/$p.exe"
done
cp "$bin/Pomocník.chm" "$suite/"

# wixl reads its sources by relative paths; the help file goes in under an
# ASCII name and is installed under its own.
cp "$suite/Pomocník.chm" "$stage/Pomocnik.chm"
for p in "${programs[@]}"; do cp "$suite/$p.exe" "$stage/"; done
cp "$root/zeruraruri/res/app.ico" "$stage/prolexa.ico"
(cd "$stage" && wixl -a "$arch" -D Bin=. -D ProgramFiles="$program_files" -D Icon=prolexa.ico \
   -o "$out/Prolexa-2.0.msi" "$root/packaging/prolexa.wxs")

# One folder, runnable where it is unpacked, its entries in a fixed order
# with fixed times. Info-ZIP's zip stores "Pomocník.chm" as UTF-8 bytes
# without saying so, and an extractor that follows the format then reads
# them in code page 437 and writes "Pomocn├¡k.chm", which F1 does not find.
# Python's zipfile marks every non-ASCII name as UTF-8 (flag bit 11).
rm -f "$out/Prolexa-2.0-portable.zip"
(cd "$stage" && python3 - "$out/Prolexa-2.0-portable.zip" <<'PY'
import os, sys, zipfile
paths = ["Prolexa-2.0"]
paths += sorted(os.path.join("Prolexa-2.0", name) for name in os.listdir("Prolexa-2.0"))
with zipfile.ZipFile(sys.argv[1], "w") as archive:
    for path in paths:
        folder = os.path.isdir(path)
        entry = zipfile.ZipInfo(path + "/" if folder else path, (2026, 1, 1, 0, 0, 0))
        entry.external_attr = (os.stat(path).st_mode & 0xFFFF) << 16 | (0x10 if folder else 0)
        if folder:
            archive.writestr(entry, b"")
        else:
            entry.compress_type = zipfile.ZIP_DEFLATED
            with open(path, "rb") as data:
                archive.writestr(entry, data.read(), compresslevel=9)
PY
)
ls -l "$out/Prolexa-2.0.msi" "$out/Prolexa-2.0-portable.zip"
