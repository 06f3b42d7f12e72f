#!/usr/bin/env bash
# Installs what is needed, builds, and runs every test: once in a normal build
# (build/), once under AddressSanitizer and UndefinedBehaviorSanitizer
# (build-sanitize/), and in the Windows build (build-windows/) under wine in
# code pages 1252 and 932. With --quick: the normal build and its tests only.
set -euo pipefail
cd "$(dirname "$0")/.."

quick=0
case "${1:-}" in
  --quick) quick=1 ;;
  "") ;;
  *) echo "usage: scripts/test.sh [--quick]" >&2; exit 2 ;;
esac

bash scripts/setup.sh
# A compiler cache makes the second and later builds (and the sanitizer and
# Windows builds of the same sources) much faster.
if command -v ccache >/dev/null 2>&1; then
  export CMAKE_C_COMPILER_LAUNCHER=ccache CMAKE_CXX_COMPILER_LAUNCHER=ccache
fi

jobs=$(nproc 2>/dev/null || echo 2)

echo "== format check"
bash scripts/format-check.sh

echo "== build (build/)"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKESTREL_WERROR=ON >/dev/null
cmake --build build -j "$jobs"
echo "== tests"
ctest --test-dir build --output-on-failure -j "$jobs"
if [ "$quick" -eq 1 ]; then
  exit 0
fi

if command -v clang++ >/dev/null 2>&1; then
  echo "== fuzz smoke run (build-fuzz/, each target 5 s)"
  bash scripts/fuzz.sh 5
else
  echo "== fuzz smoke run skipped: clang++ not found"
fi

echo "== build with sanitizers (build-sanitize/)"
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKESTREL_SANITIZE=ON -DKESTREL_WERROR=ON >/dev/null
cmake --build build-sanitize -j "$jobs"
echo "== tests with sanitizers"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-sanitize --output-on-failure -j "$jobs"

echo "== build for Windows (build-windows/)"
bash scripts/build-windows.sh
echo "== Windows tests under wine"
bash scripts/test-windows.sh
