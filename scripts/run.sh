#!/usr/bin/env bash
# Installs what is needed, builds, and starts Kestrel. Arguments go to the program.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc 2>/dev/null || echo 2)"

if [ -x build/bin/kestrel ]; then
  exec build/bin/kestrel "$@"
fi
# Until the window lands, the terminal companion is the program: by default it
# checks the bundled sample definition file.
if [ "$#" -eq 0 ]; then
  set -- check resources/sample-monsters.csv
fi
exec build/bin/kestrel-cli "$@"
