#!/usr/bin/env bash
# Saves PNG pictures of the native Windows window to DIR: the main window with
# three candidates left (the hint panel's 違い table), in each of its four list
# layouts (the damage layout with its pictures of a typed value), the window
# menu with 常に手前に表示 ticked, the answer copied once one candidate is left,
# the two dialogs and the 答え合わせ dialog. Runs the cross-built
# kestrel.exe under wine and Xvfb with the sample monsters and a fresh settings
# file, in a wine prefix of its own inside the build folder whose dialog fonts
# are IPA Gothic, so that Japanese text has a font (scripts/wine-prefix.sh).
#
#   tools/screenshot-windows.sh DIR [PROGRAM]   (PROGRAM defaults to build-windows/bin/kestrel.exe)
#   tools/screenshot-windows.sh --first-start DIR [PROGRAM]
#
# --first-start: a first start instead, with no settings file and no file
# argument (the sample beside the program stands in, as in the zip), saved as
# first-start-1.png and first-start-2.png with each start-up message over the window.
set -euo pipefail

first_start=
if [ "${1:-}" = "--first-start" ]; then
  first_start=1
  shift
fi

if [ "$#" -lt 1 ]; then
  echo "usage: tools/screenshot-windows.sh DIR [PROGRAM]" >&2
  exit 2
fi
root=$(cd "$(dirname "$0")/.." && pwd)
program=${2:-$root/build-windows/bin/kestrel.exe}
if [ ! -f "$program" ]; then
  echo "screenshot-windows: $program is missing; build it first (bash scripts/build-windows.sh)" >&2
  exit 1
fi
for tool in wine xvfb-run xauth python3; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "screenshot-windows: $tool is missing (bash scripts/setup.sh installs it)" >&2
    exit 1
  fi
done
mkdir -p "$1"
out=$(cd "$1" && pwd)

export WINEPREFIX=$(dirname "$(dirname "$program")")/screenshot-prefix
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
source "$root/scripts/wine-prefix.sh"
trap kestrel_wine_server_stop EXIT
# The prefix and its fonts, in a server of their own: the program's server
# must start under Xvfb, or its windows would have no display.
kestrel_wine_server_start
kestrel_wine_server_stop

work=$(mktemp -d)
trap 'rm -rf "$work"; kestrel_wine_server_stop' EXIT
# The settings file lives beside the program, so the program runs from a copy.
cp "$program" "$work/kestrel.exe"
shots=(main-hints main-skills main-location main-trivia main-damage damage-typed menu-window answer-copied dialog-user
  dialog-config dialog-answer)
first_folder=
argument=$root/resources/sample-monsters.csv
if [ -n "$first_start" ]; then
  cp "$root/resources/sample-monsters.csv" "$work/"
  shots=(first-start-1 first-start-2)
  first_folder=$out
  argument=
else
  # Information messages already read; one player with attack 200 and defense 150.
  printf '[SETTING]\r\nINFORMATIONFLAG=5F\r\nQUIZCLASS=2\r\n[USER0]\r\nWEAPON=3\r\nATACK=200\r\nDEFENSE=150\r\nWEIGHT=500\r\nUSERNAME=Player\r\n' \
    >"$work/kestrel.ini"
fi
for shot in "${shots[@]}"; do rm -f "$out/$shot.png" "$out/$shot.bmp"; done

# The program is the only one its server sees, and starts it under Xvfb.
shot_folder=$out
[ -n "$first_start" ] && shot_folder=$work
KESTREL_SCREENSHOT_FIRST=${first_folder:+$(kestrel_wine_path "$first_folder")} \
KESTREL_SCREENSHOT=$(kestrel_wine_path "$shot_folder") timeout 180 \
  xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" \
  wine "$work/kestrel.exe" ${argument:+"$(kestrel_wine_path "$argument")"} || true

# The program writes BMP files; they become PNG here.
python3 - "$out" "${shots[@]}" <<'EOF'
import os, struct, sys, zlib

def bmp_to_png(source, target):
    data = open(source, 'rb').read()
    offset, = struct.unpack_from('<I', data, 10)
    width, height, _, bits = struct.unpack_from('<iiHH', data, 18)
    if bits != 24:
        raise ValueError(f'{source}: {bits}-bit pictures are not handled')
    stride = (width * 3 + 3) & ~3
    rows = []
    for y in range(abs(height)):
        line = height - 1 - y if height > 0 else y
        start = offset + line * stride
        bgr = data[start:start + width * 3]
        rgb = bytearray(len(bgr))
        rgb[0::3], rgb[1::3], rgb[2::3] = bgr[2::3], bgr[1::3], bgr[0::3]
        rows.append(b'\0' + bytes(rgb))
    def chunk(kind, body):
        return struct.pack('>I', len(body)) + kind + body + struct.pack('>I', zlib.crc32(kind + body))
    png = b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', width, abs(height), 8, 2, 0, 0, 0))
    png += chunk(b'IDAT', zlib.compress(b''.join(rows), 9)) + chunk(b'IEND', b'')
    open(target, 'wb').write(png)

folder = sys.argv[1]
for shot in sys.argv[2:]:
    source = os.path.join(folder, shot + '.bmp')
    if os.path.exists(source):
        bmp_to_png(source, os.path.join(folder, shot + '.png'))
        os.remove(source)
EOF

missing=0
for shot in "${shots[@]}"; do
  if [ -s "$out/$shot.png" ]; then
    echo "$out/$shot.png"
  else
    echo "screenshot-windows: $shot.png was not written" >&2
    missing=1
  fi
done
exit "$missing"
