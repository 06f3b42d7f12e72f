# Holds every #include of the sources to the layer order
#   platform -> text -> catalogue -> engine -> settings -> ui -> ui/qt, ui/win32
# A layer includes only its own headers and those of the layers below it; the
# programs (app, cli, scenario) include any layer below them. Qt headers belong
# to ui/qt, app, the Qt tests and the benchmarks; Windows headers to ui/win32,
# platform and the Win32 tests. Inside ui/, its rooms (the folders beside
# ui/qt and ui/win32, and the loose files of ui/ itself) never point at each
# other: when a file of room A includes a header of room B, no file of B
# includes one of A.
#
#   cmake -DSOURCE_DIR=<repository> -P check_includes.cmake

cmake_minimum_required(VERSION 3.25)

if(NOT SOURCE_DIR)
  message(FATAL_ERROR "usage: cmake -DSOURCE_DIR=<repository> -P check_includes.cmake")
endif()

set(order platform text catalogue engine settings ui)
set(window_systems ui/qt ui/win32)
set(programs app cli scenario)
set(tools tests fuzz bench)
set(windows_headers windows.h winbase.h windef.h winuser.h wingdi.h winnls.h winerror.h winreg.h
    shlobj.h shellapi.h shlwapi.h commctrl.h commdlg.h objbase.h knownfolders.h uxtheme.h dwmapi.h tchar.h)

# The layer a path inside the repository belongs to ("" for none).
function(layer_of path out)
  string(REGEX MATCH "^(ui/qt|ui/win32|[a-z]+)/" match "${path}")
  set(layer "${CMAKE_MATCH_1}")
  if(NOT layer IN_LIST order AND NOT layer IN_LIST window_systems AND NOT layer IN_LIST programs
     AND NOT layer IN_LIST tools)
    set(layer "")
  endif()
  set(${out} "${layer}" PARENT_SCOPE)
endfunction()

# The layers whose headers a file of layer may include.
function(allowed_for layer out)
  set(allowed "")
  if(layer IN_LIST order)
    foreach(below ${order})
      list(APPEND allowed ${below})
      if(below STREQUAL layer)
        break()
      endif()
    endforeach()
  elseif(layer IN_LIST window_systems)
    set(allowed ${order} ${layer})
  elseif(layer STREQUAL "app")
    set(allowed ${order} ${window_systems} app)
  elseif(layer IN_LIST programs)
    set(allowed ${order} ${layer})
  else()
    set(allowed ${order} ${window_systems} ${programs} ${tools})
  endif()
  set(${out} "${allowed}" PARENT_SCOPE)
endfunction()

# The room of ui/ a path belongs to: "ui" for a loose file of ui/, the folder
# name for one of its rooms, "" outside ui/ and for the window systems.
function(ui_room_of path out)
  set(room "")
  if(path MATCHES "^ui/([a-z_0-9]+)/")
    set(room "${CMAKE_MATCH_1}")
    if(room STREQUAL "qt" OR room STREQUAL "win32")
      set(room "")
    endif()
  elseif(path MATCHES "^ui/[^/]+$")
    set(room "ui")
  endif()
  set(${out} "${room}" PARENT_SCOPE)
endfunction()

set(faults 0)
set(checked 0)
set(room_edges "")
set(roots ${order} ${programs} ${tools})
foreach(root ${roots})
  file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE "${SOURCE_DIR}"
       "${SOURCE_DIR}/${root}/*.cpp" "${SOURCE_DIR}/${root}/*.h")
  foreach(file ${files})
    layer_of("${file}" layer)
    allowed_for("${layer}" allowed)
    math(EXPR checked "${checked} + 1")
    file(STRINGS "${SOURCE_DIR}/${file}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
    foreach(line ${includes})
      string(REGEX MATCH "[<\"]([^>\"]+)[>\"]" unused "${line}")
      set(header "${CMAKE_MATCH_1}")
      ui_room_of("${file}" from_room)
      ui_room_of("${header}" to_room)
      if(from_room AND to_room AND NOT from_room STREQUAL to_room)
        list(APPEND room_edges "${from_room}>${to_room}")
        set(room_edge_${from_room}_${to_room} "${file} includes ${header}")
      endif()
      layer_of("${header}" target)
      if(target AND NOT target IN_LIST allowed)
        message(SEND_ERROR "${file}: includes ${header}, but ${layer} may use only: ${allowed}")
        math(EXPR faults "${faults} + 1")
      endif()
      if(header MATCHES "^Q[A-Za-z]*(/|$)" AND NOT layer MATCHES "^(ui/qt|app)$"
         AND NOT file MATCHES "^(tests/qt|bench)/")
        message(SEND_ERROR "${file}: includes the Qt header ${header} outside ui/qt and app")
        math(EXPR faults "${faults} + 1")
      endif()
      string(TOLOWER "${header}" lower)
      if(lower IN_LIST windows_headers AND NOT layer MATCHES "^(ui/win32|platform)$"
         AND NOT file MATCHES "^tests/win32/")
        message(SEND_ERROR "${file}: includes the Windows header ${header} outside ui/win32 and platform")
        math(EXPR faults "${faults} + 1")
      endif()
    endforeach()
  endforeach()
endforeach()

list(REMOVE_DUPLICATES room_edges)
foreach(edge ${room_edges})
  string(REPLACE ">" ";" ends "${edge}")
  list(GET ends 0 a)
  list(GET ends 1 b)
  if("${b}>${a}" IN_LIST room_edges AND a STRLESS b)
    message(SEND_ERROR "ui/${a} and ui/${b} point at each other: ${room_edge_${a}_${b}}; ${room_edge_${b}_${a}}")
    math(EXPR faults "${faults} + 1")
  endif()
endforeach()

if(checked EQUAL 0)
  message(FATAL_ERROR "no sources found under ${SOURCE_DIR}")
endif()
if(faults GREATER 0)
  message(FATAL_ERROR "${faults} include(s) against the layer order in ${checked} files")
endif()
message(STATUS "${checked} files include only what their layer may use")
