# Installs the build stripped into PREFIX and checks that every file a desktop
# needs is there and that the programs carry no debug information.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX} --strip
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${status}")
endif()
foreach(file bin/kestrel bin/kestrel-cli share/applications/kestrel.desktop
             share/icons/hicolor/scalable/apps/kestrel.svg share/metainfo/io.github.kestrel.Kestrel.metainfo.xml
             share/doc/kestrel/使い方.html share/doc/kestrel/guide-images/qt-damage.png
             share/kestrel/sample-monsters.csv)
  if(NOT EXISTS ${PREFIX}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()
# The desktop file offers the program for no file type: not every CSV file is a definition file.
file(READ ${PREFIX}/share/applications/kestrel.desktop desktop)
if(desktop MATCHES "MimeType=")
  message(FATAL_ERROR "kestrel.desktop claims a file type")
endif()
find_program(READELF readelf)
if(READELF)
  foreach(program kestrel kestrel-cli)
    execute_process(COMMAND ${READELF} -S ${PREFIX}/bin/${program} OUTPUT_VARIABLE sections)
    if(sections MATCHES "\\.debug_info")
      message(FATAL_ERROR "${program} was installed with its debug information")
    endif()
  endforeach()
endif()
file(REMOVE_RECURSE ${PREFIX})
