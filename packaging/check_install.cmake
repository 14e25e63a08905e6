cmake_minimum_required(VERSION 3.25)
# Installs the build into a scratch prefix and checks the tree a desktop and
# a package manager rely on, then runs the menu entry's and the metadata's
# validators. Run by ctest with BUILD_DIR, PREFIX, APP_ID, ICON, ICON_SIZES,
# DESKTOP_FILE_VALIDATE and APPSTREAMCLI.
set(failures)
macro(fail text)
  list(APPEND failures "${text}")
endmacro()

file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed:\n${out}")
endif()

# Exactly these files and links, nothing else (no test programs, no strays).
set(expected
  bin/qvkalkor
  bin/qvkalkor-batch
  share/man/man1/qvkalkor.1.gz
  share/man/man1/qvkalkor-batch.1.gz
  share/doc/qvkalkor/copyright
  share/doc/qvkalkor/changelog.Debian.gz
  share/lintian/overrides/qvkalkor
  lib/qvkalkor/qvkalkor
  lib/qvkalkor/users.qvp
  share/applications/${APP_ID}.desktop
  share/metainfo/${APP_ID}.metainfo.xml
  share/icons/hicolor/scalable/apps/${APP_ID}.svg)
foreach(size IN LISTS ICON_SIZES)
  list(APPEND expected share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
endforeach()
file(GLOB_RECURSE found LIST_DIRECTORIES false RELATIVE ${PREFIX} ${PREFIX}/*)
list(SORT found)
list(SORT expected)
if(NOT found STREQUAL expected)
  string(REPLACE ";" "\n  " f "${found}")
  string(REPLACE ";" "\n  " e "${expected}")
  fail("installed files:\n  ${f}\nexpected:\n  ${e}")
endif()

# The command on PATH is a relative link to the program in its own folder.
if(NOT IS_SYMLINK ${PREFIX}/bin/qvkalkor)
  fail("bin/qvkalkor is not a symbolic link")
else()
  file(READ_SYMLINK ${PREFIX}/bin/qvkalkor target)
  if(NOT target STREQUAL "../lib/qvkalkor/qvkalkor")
    fail("bin/qvkalkor points to ${target}")
  endif()
  file(REAL_PATH ${PREFIX}/bin/qvkalkor resolved)
  file(REAL_PATH ${PREFIX}/lib/qvkalkor/qvkalkor program)
  if(NOT resolved STREQUAL program)
    fail("bin/qvkalkor resolves to ${resolved}")
  endif()
endif()
execute_process(COMMAND test -x ${PREFIX}/lib/qvkalkor/qvkalkor RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  fail("lib/qvkalkor/qvkalkor is not executable")
endif()

# The scalable icon is the window's own picture; each PNG has its size
# (width and height in the header, bytes 16 to 23).
file(SHA256 ${ICON} window_icon)
file(SHA256 ${PREFIX}/share/icons/hicolor/scalable/apps/${APP_ID}.svg installed_icon)
if(NOT window_icon STREQUAL installed_icon)
  fail("the scalable icon differs from the window's icon")
endif()
foreach(size IN LISTS ICON_SIZES)
  set(png ${PREFIX}/share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
  if(EXISTS ${png})
    file(READ ${png} signature LIMIT 8 HEX)
    file(READ ${png} header OFFSET 16 LIMIT 8 HEX)
    math(EXPR side "${size}" OUTPUT_FORMAT HEXADECIMAL)
    string(SUBSTRING "${side}" 2 -1 side)
    string(LENGTH "${side}" n)
    while(n LESS 8)
      string(PREPEND side 0)
      math(EXPR n "${n} + 1")
    endwhile()
    if(NOT signature STREQUAL "89504e470d0a1a0a" OR NOT header STREQUAL "${side}${side}")
      fail("${png} is not a ${size}x${size} PNG (${signature} ${header})")
    endif()
  endif()
endforeach()

# The entry starts the command from PATH under its icon's name, and the
# metadata launches that entry.
set(desktop ${PREFIX}/share/applications/${APP_ID}.desktop)
set(metainfo ${PREFIX}/share/metainfo/${APP_ID}.metainfo.xml)
file(STRINGS ${desktop} lines)
foreach(line IN ITEMS "Exec=qvkalkor" "Icon=${APP_ID}" "Categories=Education;Math;")
  if(NOT line IN_LIST lines)
    fail("${APP_ID}.desktop lacks ${line}")
  endif()
endforeach()
foreach(key IN ITEMS Name Comment GenericName)
  if(NOT "${lines}" MATCHES "${key}\\[cs\\]=")
    fail("${APP_ID}.desktop has no Czech ${key}")
  endif()
endforeach()
file(READ ${metainfo} xml)
foreach(part IN ITEMS "<id>${APP_ID}</id>" "<launchable type=\"desktop-id\">${APP_ID}.desktop</launchable>"
                      "<summary xml:lang=\"cs\">" "<p xml:lang=\"cs\">" "<content_rating type=\"oars-1.1\"")
  string(FIND "${xml}" "${part}" at)
  if(at LESS 0)
    fail("${APP_ID}.metainfo.xml lacks ${part}")
  endif()
endforeach()

foreach(tool IN ITEMS DESKTOP_FILE_VALIDATE APPSTREAMCLI)
  if(NOT ${tool})
    fail("${tool} is not installed (Makefile: make deps)")
  endif()
endforeach()
if(DESKTOP_FILE_VALIDATE)
  execute_process(COMMAND ${DESKTOP_FILE_VALIDATE} ${desktop} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  # It reports hints without failing; a clean entry has none.
  if(NOT rc EQUAL 0 OR NOT out STREQUAL "")
    fail("desktop-file-validate:\n${out}")
  endif()
endif()
if(APPSTREAMCLI)
  execute_process(COMMAND ${APPSTREAMCLI} validate --no-net --pedantic --no-color ${metainfo}
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT rc EQUAL 0)
    fail("appstreamcli validate:\n${out}")
  endif()
endif()

if(failures)
  string(REPLACE ";" "\n" text "${failures}")
  message(FATAL_ERROR "${text}")
endif()
message(STATUS "install tree in ${PREFIX}: ok")
