#!/usr/bin/env bash
# Cross-builds Kestrel for 64-bit Windows into build-windows/ with MinGW-w64:
# GoogleTest is built from Debian's packaged sources and the JSON headers are
# staged beside it (build-windows/deps), once. No Qt: the Windows programs are
# the command-line tools and the tests. `ctest --test-dir build-windows` runs
# the .exe files under wine, in build-windows/wine-prefix (see
# scripts/test-windows.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
out=$root/build-windows
deps=$out/deps
toolchain=$root/cmake/mingw-w64-x86_64.cmake
jobs=$(nproc 2>/dev/null || echo 2)
launcher=()
if command -v ccache >/dev/null 2>&1; then
  launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi

if [ ! -f "$deps/lib/cmake/GTest/GTestConfig.cmake" ]; then
  echo "== GoogleTest for Windows (build-windows/deps)"
  cmake -S /usr/src/googletest -B "$out/googletest" -G Ninja "${launcher[@]}" \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$deps" -DBUILD_GMOCK=OFF -DINSTALL_GTEST=ON >/dev/null
  cmake --build "$out/googletest" -j "$jobs" >/dev/null
  cmake --install "$out/googletest" >/dev/null
fi

if [ ! -f "$deps/include/nlohmann/json.hpp" ]; then
  mkdir -p "$deps/include" "$deps/share/cmake"
  cp -r /usr/include/nlohmann "$deps/include/"
  cp -r /usr/share/cmake/nlohmann_json "$deps/share/cmake/"
fi

# The build's own wine prefix: the test discovery after each link runs the
# test programs under wine already, with one server for the whole build
# (scripts/wine-prefix.sh).
export WINEPREFIX=$out/wine-prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY
source scripts/wine-prefix.sh
trap kestrel_wine_server_stop EXIT
kestrel_wine_server_start null

echo "== build for Windows (build-windows/)"
cmake -S . -B "$out" -G Ninja "${launcher[@]}" \
  -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DKESTREL_WINDOWS_DEPS="$deps" \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKESTREL_GUI=OFF -DKESTREL_BENCHMARKS=OFF >/dev/null
cmake --build "$out" -j "$jobs"
