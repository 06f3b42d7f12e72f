#!/usr/bin/env bash
# Makes the pictures of the player's guide (docs/guide/guide-images/) from the
# real programs: the Qt window by tools/screenshot.sh and the native Windows
# window by tools/screenshot-windows.sh, so that they stay true when the window
# changes. Build both first (bash scripts/run.sh, bash scripts/build-windows.sh).
#
#   tools/guide-pictures.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
images=$root/docs/guide/guide-images
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$root/tools/screenshot.sh" "$work/qt" >/dev/null
"$root/tools/screenshot-windows.sh" "$work/windows" >/dev/null

mkdir -p "$images"
# guide picture <- the screenshot it is
while read -r picture shot; do
  cp "$work/$shot.png" "$images/$picture.png"
  echo "$images/$picture.png"
done <<'LIST'
qt-damage qt/damage-typed
qt-hints qt/main-hints
qt-answer qt/answer-copied
qt-menu qt/menu-view
win-damage windows/damage-typed
win-answer windows/answer-copied
win-menu windows/menu-window
LIST
