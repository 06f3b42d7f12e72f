#!/usr/bin/env bash
# Installs what is needed, builds the window (and nothing else), and starts
# Kestrel. Arguments go to the program. Until a definition file has been chosen,
# the bundled sample monsters open, so a first start shows a working window.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
# A compiler cache makes the second and later builds (and the sanitizer and
# Windows builds of the same sources) much faster.
if command -v ccache >/dev/null 2>&1; then
  export CMAKE_C_COMPILER_LAUNCHER=ccache CMAKE_CXX_COMPILER_LAUNCHER=ccache
fi
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc 2>/dev/null || echo 2)" --target kestrel

# The settings file the program uses: beside it, or the per-user fallback.
chosen_file() {
  local ini
  for ini in build/bin/kestrel.ini "${XDG_CONFIG_HOME:-$HOME/.config}/kestrel/kestrel.ini"; do
    if [ -f "$ini" ]; then
      grep -Eq '^[[:space:]]*MONSTERFILE(_UTF8)?[[:space:]]*=[[:space:]]*[^[:space:]]' "$ini"
      return
    fi
  done
  return 1
}

if [ "$#" -eq 0 ] && ! chosen_file; then
  set -- "$PWD/resources/sample-monsters.csv"
fi
exec build/bin/kestrel "$@"
