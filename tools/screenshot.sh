#!/usr/bin/env bash
# Saves PNG pictures of the window to DIR: the main window with its hint panel
# filled, in each of its four list layouts (the damage layout with its pictures
# of a typed value), the view menu with 常に手前に表示 ticked, the answer copied
# once one candidate is left, a value button's and a cut cell's
# tooltips, the two dialogs, the file dialog, the 答え合わせ dialog with its
# verdict and the report of the quiz log. Runs the built program under Xvfb with the
# sample monsters and a fresh settings file in a temporary folder.
#
#   tools/screenshot.sh DIR [PROGRAM]     (PROGRAM defaults to build/bin/kestrel)
#   tools/screenshot.sh --first-start DIR [PROGRAM]
#
# --first-start: a first start instead, with no settings file and no file
# argument (the sample installed beside the program stands in), saved as
# first-start-1.png, first-start-2.png, … with each start-up message over the window.
set -euo pipefail

first_start=
if [ "${1:-}" = "--first-start" ]; then
  first_start=1
  shift
fi

if [ "$#" -lt 1 ]; then
  echo "usage: tools/screenshot.sh DIR [PROGRAM]" >&2
  exit 2
fi
root=$(cd "$(dirname "$0")/.." && pwd)
program=${2:-$root/build/bin/kestrel}
if [ ! -x "$program" ]; then
  echo "screenshot: $program is missing; build it first (bash scripts/run.sh)" >&2
  exit 1
fi
mkdir -p "$1"
out=$(cd "$1" && pwd)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
if [ -n "$first_start" ]; then
  # Installed as cmake --install lays it out: bin/ and share/kestrel/ side by side.
  mkdir -p "$work/bin" "$work/share/kestrel"
  cp "$program" "$work/bin/kestrel"
  cp "$root/resources/sample-monsters.csv" "$work/share/kestrel/"
  rm -f "$out"/first-start-*.png
  KESTREL_SCREENSHOT_FIRST="$out" KESTREL_SCREENSHOT="$work/shots" timeout 120 \
    xvfb-run -a -s "-screen 0 1366x768x24 -dpi 96" "$work/bin/kestrel"
  ls "$out"/first-start-*.png
  exit 0
fi
# The settings file lives beside the program, so the program runs from a copy.
cp "$program" "$work/kestrel"
# Information messages already read; one player with attack 200 and defense 150.
printf '[SETTING]\r\nINFORMATIONFLAG=5F\r\nQUIZCLASS=2\r\n[USER0]\r\nWEAPON=3\r\nATACK=200\r\nDEFENSE=150\r\nWEIGHT=500\r\nUSERNAME=Player\r\n' \
  >"$work/kestrel.ini"

shots=(main-hints main-skills main-location main-trivia main-damage damage-typed menu-view answer-copied tooltip-value-button
  tooltip-cut-cell dialog-user dialog-config dialog-file dialog-answer main-answer dialog-quiz-log)
for shot in "${shots[@]}"; do rm -f "$out/$shot.png"; done

KESTREL_SCREENSHOT="$out" timeout 120 \
  xvfb-run -a -s "-screen 0 1366x768x24 -dpi 96" \
  "$work/kestrel" "$root/resources/sample-monsters.csv"

missing=0
for shot in "${shots[@]}"; do
  if [ -s "$out/$shot.png" ]; then
    echo "$out/$shot.png"
  else
    echo "screenshot: $shot.png was not written" >&2
    missing=1
  fi
done
exit "$missing"
