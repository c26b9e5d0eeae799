# Installs a build into PREFIX and checks what lands there: every file the menu, the package and
# the programs need, icons of the sizes their folders name, a menu entry whose command and icon
# are installed, and a command-line tool that finds its installed dictionary by itself.
# Arguments: BUILD_DIR, PREFIX, SOURCE_DIR, WITH_GUI, BINDIR, DATADIR, MANDIR.

file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
  RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed:\n${output}")
endif()

set(app_id org.quendry.Quendry)
set(expected
  ${BINDIR}/quendry-cli
  ${DATADIR}/quendry/Dct.txt
  ${DATADIR}/quendry/Dct-LICENSE.txt
  ${DATADIR}/quendry/help.htm
  ${MANDIR}/man1/quendry-cli.1.gz)
set(icon_sizes 16 22 24 32 48 64 128 256)
if(WITH_GUI)
  list(APPEND expected
    ${BINDIR}/quendry
    ${MANDIR}/man1/quendry.1.gz
    ${DATADIR}/applications/${app_id}.desktop
    ${DATADIR}/metainfo/${app_id}.metainfo.xml
    ${DATADIR}/icons/hicolor/scalable/apps/${app_id}.svg)
  foreach(size ${icon_sizes})
    list(APPEND expected ${DATADIR}/icons/hicolor/${size}x${size}/apps/${app_id}.png)
  endforeach()
endif()

set(missing)
foreach(file ${expected})
  if(NOT EXISTS ${PREFIX}/${file})
    list(APPEND missing ${file})
  endif()
endforeach()
if(missing)
  message(FATAL_ERROR "not installed: ${missing}")
endif()

if(WITH_GUI)
  # A PNG keeps its width and height as big-endian numbers at bytes 16 to 23.
  foreach(size ${icon_sizes})
    set(png ${PREFIX}/${DATADIR}/icons/hicolor/${size}x${size}/apps/${app_id}.png)
    file(READ ${png} header LIMIT 24 HEX)
    string(SUBSTRING "${header}" 0 16 signature)
    string(SUBSTRING "${header}" 32 8 width_hex)
    string(SUBSTRING "${header}" 40 8 height_hex)
    math(EXPR width "0x${width_hex}")
    math(EXPR height "0x${height_hex}")
    if(NOT signature STREQUAL "89504e470d0a1a0a" OR NOT width EQUAL size OR NOT height EQUAL size)
      message(FATAL_ERROR "${png} is not a ${size}x${size} PNG (${width}x${height})")
    endif()
  endforeach()

  # The menu entry starts an installed program and shows an installed icon.
  file(STRINGS ${PREFIX}/${DATADIR}/applications/${app_id}.desktop exec_line REGEX "^Exec=")
  file(STRINGS ${PREFIX}/${DATADIR}/applications/${app_id}.desktop icon_line REGEX "^Icon=")
  string(REGEX REPLACE "^Exec=([^ ]+).*" "\\1" program "${exec_line}")
  string(REGEX REPLACE "^Icon=" "" icon "${icon_line}")
  if(NOT EXISTS ${PREFIX}/${BINDIR}/${program})
    message(FATAL_ERROR "the menu entry starts \"${program}\", which is not installed")
  endif()
  if(NOT icon STREQUAL app_id)
    message(FATAL_ERROR "the menu entry shows the icon \"${icon}\", but the icon installed is ${app_id}")
  endif()
endif()

# The installed tool, with no --data, reads the installed dictionary.
execute_process(
  COMMAND ${PREFIX}/${BINDIR}/quendry-cli compare ${SOURCE_DIR}/examples/anna-1.txt ${SOURCE_DIR}/examples/anna-2.txt
  RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE errors)
if(NOT status EQUAL 0 OR NOT output MATCHES "^[0-9]+%\n$")
  message(FATAL_ERROR "the installed quendry-cli failed (status ${status}):\n${output}${errors}")
endif()
message(STATUS "installed into ${PREFIX}; quendry-cli printed ${output}")
