#!/usr/bin/env bash
# Remakes the Windows icons (resources/icons/*.ico, committed) from their SVG
# drawings: the program's icon and the arrows of the stepping buttons, each at
# the sizes Windows picks from for 100 % to 250 % scaling. Needs rsvg-convert
# (librsvg2-bin) and icotool (icoutils).
set -euo pipefail
cd "$(dirname "$0")/../resources/icons"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

make_ico() { # name size...
  local name=$1 files=()
  shift
  for size in "$@"; do
    rsvg-convert -w "$size" -h "$size" "$name.svg" -o "$work/$name-$size.png"
    if [ "$size" -ge 256 ]; then files+=(-r "$work/$name-$size.png"); else files+=("$work/$name-$size.png"); fi
  done
  icotool -c -o "$name.ico" "${files[@]}"
}

make_ico kestrel 16 20 24 32 40 48 64 256
make_ico left 12 16 20 24 32
make_ico right 12 16 20 24 32
