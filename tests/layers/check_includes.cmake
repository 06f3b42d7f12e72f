# Holds every #include of the sources to the layer order
#   platform -> text -> catalogue -> engine -> settings -> ui -> ui/qt, ui/win32
# A layer includes only its own headers and those of the layers below it; the
# programs (app, cli, scenario) include any layer below them. Qt headers belong
# to ui/qt, app, the Qt tests and the benchmarks; Windows headers to ui/win32,
# platform and the Win32 tests.
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

set(faults 0)
set(checked 0)
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

if(checked EQUAL 0)
  message(FATAL_ERROR "no sources found under ${SOURCE_DIR}")
endif()
if(faults GREATER 0)
  message(FATAL_ERROR "${faults} include(s) against the layer order in ${checked} files")
endif()
message(STATUS "${checked} files include only what their layer may use")
