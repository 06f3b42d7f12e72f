#!/usr/bin/env bash
# Runs the tests of the Windows build (scripts/build-windows.sh) under wine,
# twice: with the Western code page 1252 and with the Japanese code page 932,
# as on Japanese Windows (wine takes its code page from LC_ALL). Each pass keeps
# one persistent wine server in the build's prefix from before its first test
# to after its last (scripts/wine-prefix.sh says why); a failing test fails the
# run, never retried.
set -euo pipefail
cd "$(dirname "$0")/.."
out=$PWD/build-windows
jobs=$(nproc 2>/dev/null || echo 2)
if [ ! -f "$out/CTestTestfile.cmake" ]; then
  echo "test-windows: build-windows/ holds no build; run bash scripts/build-windows.sh first" >&2
  exit 1
fi
# The prefix the build's test programs run in (cmake/mingw-w64-x86_64.cmake).
export WINEPREFIX=$out/wine-prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# The windows use wine's null graphics driver; no display is needed or used.
unset DISPLAY WAYLAND_DISPLAY
source scripts/wine-prefix.sh
trap kestrel_wine_server_stop EXIT

for pass in "1252 C.UTF-8" "932 ja_JP.UTF-8"; do
  read -r codepage locale <<<"$pass"
  echo "== Windows tests under wine, code page $codepage (LC_ALL=$locale)"
  LC_ALL=$locale kestrel_wine_server_start null
  LC_ALL=$locale ctest --test-dir "$out" --output-on-failure -j "$jobs"
  if [ -x build/bin/kestrel-cli ]; then
    echo "== kestrel-cli.exe dump of the sample file, byte for byte as on Linux"
    cmp <(build/bin/kestrel-cli dump resources/sample-monsters.csv) \
        <(LC_ALL=$locale wine "$out/bin/kestrel-cli.exe" dump resources/sample-monsters.csv)
  fi
  kestrel_wine_server_stop
done
