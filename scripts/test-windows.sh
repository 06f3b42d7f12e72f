#!/usr/bin/env bash
# Runs the tests of the Windows build (scripts/build-windows.sh) under wine,
# twice: with the Western code page 1252 and with the Japanese code page 932,
# as on Japanese Windows (wine takes its code page from LC_ALL).
set -euo pipefail
cd "$(dirname "$0")/.."
out=$PWD/build-windows
jobs=$(nproc 2>/dev/null || echo 2)
export WINEPREFIX=$out/wine-prefix WINEDEBUG=-all

for pass in "1252 C.UTF-8" "932 ja_JP.UTF-8"; do
  read -r codepage locale <<<"$pass"
  echo "== Windows tests under wine, code page $codepage (LC_ALL=$locale)"
  # A wine server started in the other code page would carry it over.
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
  LC_ALL=$locale ctest --test-dir "$out" --output-on-failure -j "$jobs"
  if [ -x build/bin/kestrel-cli ]; then
    echo "== kestrel-cli.exe dump of the sample file, byte for byte as on Linux"
    cmp <(build/bin/kestrel-cli dump resources/sample-monsters.csv) \
        <(LC_ALL=$locale wine "$out/bin/kestrel-cli.exe" dump resources/sample-monsters.csv)
  fi
done
wineserver -k 2>/dev/null || true
