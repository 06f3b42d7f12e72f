#!/usr/bin/env bash
# Installs what is needed, builds, and starts Kestrel. Arguments go to the program.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc 2>/dev/null || echo 2)"

exec build/bin/kestrel "$@"
