#!/usr/bin/env bash
# Makes kestrel-windows-x86_64.zip from the Windows build: kestrel.exe,
# kestrel-cli.exe, the sample monsters, the player's guide (使い方.html and its
# pictures) and a short Japanese read-me (UTF-8 with
# a byte order mark, which Notepad and every editor on Windows read as such).
# Builds first when the programs are missing.
#
#   bash scripts/package-windows.sh [OUTPUT.zip]   (default: build-windows/kestrel-windows-x86_64.zip)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
bin=$root/build-windows/bin
zip=${1:-$root/build-windows/kestrel-windows-x86_64.zip}

if [ ! -f "$bin/kestrel.exe" ] || [ ! -f "$bin/kestrel-cli.exe" ]; then
  bash scripts/build-windows.sh
fi

# Only Windows' own DLLs: the package needs nothing else installed.
for exe in kestrel.exe kestrel-cli.exe; do
  foreign=$(x86_64-w64-mingw32-objdump -p "$bin/$exe" | sed -n 's/^\s*DLL Name: //p' |
    grep -viE '^(kernel32|user32|gdi32|comctl32|comdlg32|shell32|advapi32|ole32|oleaut32|msvcrt|ucrtbase|api-ms-win-.*|ws2_32|shlwapi|uxtheme|version)\.dll$' || true)
  if [ -n "$foreign" ]; then
    echo "package-windows: $exe needs $foreign" >&2
    exit 1
  fi
done

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
folder=$stage/kestrel
mkdir -p "$folder"
x86_64-w64-mingw32-strip -o "$folder/kestrel.exe" "$bin/kestrel.exe"
x86_64-w64-mingw32-strip -o "$folder/kestrel-cli.exe" "$bin/kestrel-cli.exe"
cp resources/sample-monsters.csv "$folder/"
cp resources/windows/README-ja.txt "$folder/はじめにお読みください.txt"
# The player's guide, opened by ヘルプ → 使い方 from beside kestrel.exe.
cp docs/guide/使い方.html "$folder/使い方.html"
mkdir -p "$folder/guide-images"
cp docs/guide/guide-images/*.png "$folder/guide-images/"

rm -f "$zip"
mkdir -p "$(dirname "$zip")"
# File names in UTF-8, flagged as such, so that Windows' own unzip shows the read-me's name.
python3 - "$stage" "$zip" <<'PY'
import os, sys, zipfile
stage, target = sys.argv[1], sys.argv[2]
with zipfile.ZipFile(target, 'w', zipfile.ZIP_DEFLATED, compresslevel=9) as z:
    for folder, _, files in os.walk(stage):
        for name in sorted(files):
            path = os.path.join(folder, name)
            z.write(path, os.path.relpath(path, stage))
PY
echo "$zip"
