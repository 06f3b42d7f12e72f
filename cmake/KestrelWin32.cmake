# The native Windows window on Win32 common controls, and the program built on
# it when there is no Qt: a self-contained kestrel.exe.
enable_language(RC)
file(GLOB KESTREL_WIN32_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/ui/win32/*.cpp)
add_library(kestrel-win32 STATIC ${KESTREL_WIN32_SOURCES})
target_link_libraries(kestrel-win32 PUBLIC kestrel-ui comctl32 comdlg32 shell32 gdi32 user32)
target_compile_definitions(kestrel-win32 PUBLIC
  UNICODE _UNICODE NOMINMAX WIN32_LEAN_AND_MEAN _WIN32_WINNT=0x0A00 WINVER=0x0A00)

file(GLOB KESTREL_WIN32_APP_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/app/win32/*.cpp)
if(KESTREL_WIN32_APP_SOURCES AND NOT TARGET kestrel)
  # Icon, manifest and version information, with the project's version.
  set(KESTREL_ICON_DIR ${PROJECT_SOURCE_DIR}/resources/icons)
  set(KESTREL_VERSION_QUAD ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.0.0)
  set(KESTREL_VERSION_COMMAS ${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR},0,0)
  set(KESTREL_MANIFEST ${CMAKE_CURRENT_BINARY_DIR}/kestrel.manifest)
  configure_file(${PROJECT_SOURCE_DIR}/app/win32/kestrel.manifest ${KESTREL_MANIFEST} @ONLY)
  configure_file(${PROJECT_SOURCE_DIR}/app/win32/kestrel.rc.in ${CMAKE_CURRENT_BINARY_DIR}/kestrel.rc @ONLY)
  add_executable(kestrel WIN32 ${KESTREL_WIN32_APP_SOURCES} ${PROJECT_SOURCE_DIR}/app/arguments.cpp
                 ${CMAKE_CURRENT_BINARY_DIR}/kestrel.rc)
  target_link_libraries(kestrel PRIVATE kestrel-win32)
endif()
