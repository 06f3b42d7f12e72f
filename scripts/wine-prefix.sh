# The wine prefixes of the Windows build and the one wine server each run of
# wine programs keeps. Sourced by scripts/build-windows.sh,
# scripts/test-windows.sh and tools/screenshot-windows.sh; runs nothing itself.
#
# A prefix is always a folder of the build's own (never ~/.wine). Its dialog
# fonts ("MS Shell Dlg", "MS Shell Dlg 2" and Tahoma, which wine's own dialog
# fonts fall back on) are IPA Gothic, so that Japanese text has a font.
#
# Wine ends its server a moment after the last wine program of a prefix exits;
# a program started in that moment connects to a server that is going away and
# fails ("wine client error:0: recvmsg: Connection reset by peer"). Between two
# tests run by ctest no wine program may be alive, so a run of wine programs
# keeps one persistent server from its start to its end:
#
#   kestrel_wine_server_start   (WINEPREFIX, and LC_ALL for the code page, set)
#   ...wine programs...
#   kestrel_wine_server_stop    (also from the EXIT trap when something failed)
#
# The server alone is not enough: once the last program of a prefix has gone,
# wine also ends the prefix's own processes (services, the desktop) and starts
# them again with the next program; a program that arrives while they go is the
# likely cause of rare failures at once, with nothing said. So one idle
# program (find.exe reading a pipe that stays silent) lives from the server's
# start to its end.

# The registry settings every prefix gets; "null" adds wine's null graphics
# driver, so that windows need no display (the tests).
kestrel_wine_settings() {
  printf 'REGEDIT4\r\n\r\n'
  printf '[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes]\r\n'
  local face
  for face in "MS Shell Dlg" "MS Shell Dlg 2" "Tahoma"; do
    printf '"%s"="IPAGothic"\r\n' "$face"
  done
  if [ "${1:-}" = null ]; then
    printf '\r\n[HKEY_CURRENT_USER\\Software\\Wine\\Drivers]\r\n"Graphics"="null"\r\n'
  fi
}

# Makes the prefix $WINEPREFIX once (wineboot -i), with no server left behind.
kestrel_wine_prefix() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "== wine prefix ($WINEPREFIX)" >&2
    mkdir -p "$WINEPREFIX"
    WINEDLLOVERRIDES="mscoree,mshtml=" wineboot -i >/dev/null 2>&1
    wineserver -w
  fi
}

# Ends the idle program, whatever server the prefix has, and waits until it is
# gone.
kestrel_wine_server_stop() {
  if [ -n "${kestrel_wine_keeper_fd:-}" ]; then
    exec {kestrel_wine_keeper_fd}>&-  # the idle program reads its end of the line
    kestrel_wine_keeper_fd=
  fi
  wineserver -k >/dev/null 2>&1 || true
  wineserver -w >/dev/null 2>&1 || true
  if [ -n "${kestrel_wine_keeper:-}" ]; then
    wait "$kestrel_wine_keeper" 2>/dev/null || true
    kestrel_wine_keeper=
  fi
}

# Makes the prefix if needed, ends any server it has (one started with another
# code page would carry it over), starts a persistent one and waits until it
# answers: the first program (writing the settings, "null" as for
# kestrel_wine_settings) brings up the prefix's own processes and any update of
# the prefix to this wine before anything else runs. Its output goes to
# $WINEPREFIX/server.log.
kestrel_wine_server_start() {
  kestrel_wine_prefix
  kestrel_wine_server_stop
  local log=$WINEPREFIX/server.log settings=$WINEPREFIX/kestrel-settings.reg
  kestrel_wine_settings "${1:-}" >"$settings"
  if ! wineserver -p </dev/null >"$log" 2>&1; then
    echo "wine: the server of $WINEPREFIX did not start (see $log)" >&2
    return 1
  fi
  if ! WINEDLLOVERRIDES="mscoree,mshtml=" wine reg import "$(kestrel_wine_path "$settings")" </dev/null >>"$log" 2>&1; then
    echo "wine: the first program in $WINEPREFIX failed (see $log)" >&2
    return 1
  fi
  # The idle program: it waits on a pipe this shell holds open until
  # kestrel_wine_server_stop closes it.
  local line=$WINEPREFIX/keeper.fifo
  rm -f "$line"
  mkfifo "$line"
  WINEDLLOVERRIDES="mscoree,mshtml=" wine find.exe "kestrel" <"$line" >>"$log" 2>&1 &
  kestrel_wine_keeper=$!
  exec {kestrel_wine_keeper_fd}>"$line"
  rm -f "$line"
}

# A Linux path as wine sees it: its Z: drive is the root of the file system.
# (winepath would start a wine program of its own.)
kestrel_wine_path() {
  local path=${1//\//\\}
  echo "Z:$path"
}
