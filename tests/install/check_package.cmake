# SPDX-License-Identifier: MIT
cmake_minimum_required(VERSION 3.25)
# Builds the Debian package into a fresh folder and checks that it holds exactly the
# installed files and declares what the program needs at run time.
file(REMOVE_RECURSE "${OUT_DIR}")
execute_process(
  COMMAND cpack -G DEB -B "${OUT_DIR}" --config "${BUILD_DIR}/CPackConfig.cmake"
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
file(GLOB packages "${OUT_DIR}/*.deb")
if(NOT result EQUAL 0 OR NOT packages)
  message(FATAL_ERROR "cpack -G DEB failed (${result}):\n${output}")
endif()

execute_process(COMMAND dpkg-deb --contents ${packages} OUTPUT_VARIABLE listing)
string(REGEX MATCHALL "\\./usr/[^\n]*[^/\n]\n" entries "${listing}")
set(actual "")
foreach(entry IN LISTS entries)
  string(REGEX REPLACE "^\\./(.*)\n$" "\\1" file "${entry}")
  list(APPEND actual "${file}")
endforeach()
list(SORT actual)

include(${CMAKE_CURRENT_LIST_DIR}/expected_files.cmake)
if(NOT actual STREQUAL expected)
  message(FATAL_ERROR "package contents differ.\nexpected: ${expected}\nactual:   ${actual}")
endif()

execute_process(COMMAND dpkg-deb --field ${packages} Depends Recommends Section
  OUTPUT_VARIABLE fields)
foreach(needed IN ITEMS "libqt6widgets6" "qt6-qpa-plugins" "libqt6svg6" "fonts-noto-cjk"
                        "qt6-translations-l10n" "Recommends: xdg-utils, qt6-wayland" "Section: utils")
  string(FIND "${fields}" "${needed}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the package does not declare ${needed}:\n${fields}")
  endif()
endforeach()

# The changelog's latest entry is this very version of the package.
execute_process(COMMAND dpkg-deb --field ${packages} Version
  OUTPUT_VARIABLE version OUTPUT_STRIP_TRAILING_WHITESPACE)
set(unpacked "${OUT_DIR}/unpacked")
execute_process(COMMAND dpkg-deb -x ${packages} "${unpacked}" RESULT_VARIABLE result)
execute_process(COMMAND gzip -dc "${unpacked}/usr/share/doc/erakon/changelog.gz"
  OUTPUT_VARIABLE changelog RESULT_VARIABLE unzipped)
if(NOT result EQUAL 0 OR NOT unzipped EQUAL 0)
  message(FATAL_ERROR "cannot read the package's changelog")
endif()
string(REGEX MATCH "^erakon \\(([^)]*)\\)" latest "${changelog}")
if(NOT CMAKE_MATCH_1 STREQUAL version)
  message(FATAL_ERROR "the changelog's latest entry is ${CMAKE_MATCH_1}, the package is ${version}")
endif()

# The package installs into /usr, where the menu entry names the program bare: cpack's
# staging folder must not leak into it.
file(STRINGS "${unpacked}/usr/share/applications/${APP_ID}.desktop" entry)
if(NOT "Exec=erakon" IN_LIST entry)
  message(FATAL_ERROR "the package's desktop entry does not start the program by its bare name")
endif()
