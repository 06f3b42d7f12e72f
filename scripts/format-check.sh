#!/usr/bin/env bash
# Checks that C++ sources follow .clang-format; changes nothing. Without
# arguments it checks every tracked .cpp and .h file. To reformat a file:
#   clang-format -i FILE
set -euo pipefail
cd "$(dirname "$0")/.."

if ! command -v clang-format >/dev/null 2>&1; then
  echo "format-check: clang-format not found (bash scripts/setup.sh installs it)" >&2
  exit 1
fi
if [ "$#" -gt 0 ]; then
  files=("$@")
else
  mapfile -t files < <(git ls-files '*.cpp' '*.h')
fi
clang-format --dry-run -Werror "${files[@]}"
echo "format-check: ${#files[@]} files follow .clang-format"
