# Cross build for 64-bit Windows with the MinGW-w64 compiler (posix thread
# model, so std::thread and std::mutex work). Tests and tools run under wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(KESTREL_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${KESTREL_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KESTREL_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${KESTREL_MINGW_PREFIX}-windres)

# Libraries and packages come from the MinGW-w64 sysroot and from the folder
# KESTREL_WINDOWS_DEPS (GoogleTest and the JSON headers, staged by
# scripts/build-windows.sh), never from the host: a Linux Qt or GoogleTest is
# not found. Programs come from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${KESTREL_MINGW_PREFIX})
if(KESTREL_WINDOWS_DEPS)
  list(APPEND CMAKE_FIND_ROOT_PATH ${KESTREL_WINDOWS_DEPS})
  list(APPEND CMAKE_PREFIX_PATH ${KESTREL_WINDOWS_DEPS})
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# ctest and the test discovery run the programs under wine, in a wine prefix of
# the build's own (never ~/.wine), quietly. The code page follows LC_ALL.
find_program(KESTREL_WINE NAMES wine wine64 wine-stable)
if(KESTREL_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR env WINEPREFIX=${CMAKE_BINARY_DIR}/wine-prefix WINEDEBUG=-all
      WINEDLLOVERRIDES=mscoree,mshtml= ${KESTREL_WINE})
endif()

# One self-contained executable: the C++ runtime and winpthread linked in, so
# only Windows' own DLLs are needed.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
