# SPDX-License-Identifier: MIT
cmake_minimum_required(VERSION 3.25)
# Checks the Debian package that debian/ builds: it holds exactly the installed files
# (cmake/install.cmake's, and Debian's registration of the manual), declares what the
# program needs at run time, is the version of the changelog's latest entry, and what
# it installs works (check_installed_tree.cmake, on the package unpacked).
#   cmake -DPACKAGE=erakon_<version>_<arch>.deb -DFACTS=<build>/installation_facts.cmake
#         -DWORK_DIR=... -P check_package.cmake
include("${FACTS}")
file(REMOVE_RECURSE "${WORK_DIR}")

execute_process(COMMAND dpkg-deb --contents "${PACKAGE}" OUTPUT_VARIABLE listing RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "dpkg-deb cannot read ${PACKAGE}")
endif()
string(REGEX MATCHALL "\\./usr/[^\n]*[^/\n]\n" entries "${listing}")
set(actual "")
foreach(entry IN LISTS entries)
  string(REGEX REPLACE "^\\./(.*)\n$" "\\1" file "${entry}")
  list(APPEND actual "${file}")
endforeach()
list(SORT actual)

include(${CMAKE_CURRENT_LIST_DIR}/expected_files.cmake)
# The package adds one file of its own: the manual's registration with doc-base
# (debian/erakon.doc-base), under the document's id.
set(doc_base usr/share/doc-base/erakon.erakon-manual)
list(APPEND expected ${doc_base})
list(SORT expected)
if(NOT actual STREQUAL expected)
  set(extra ${actual})
  list(REMOVE_ITEM extra ${expected})
  set(missing ${expected})
  list(REMOVE_ITEM missing ${actual})
  message(FATAL_ERROR "package contents differ from the installed files.\n"
    "in the package only: ${extra}\nnot in the package: ${missing}")
endif()

execute_process(COMMAND dpkg-deb --field "${PACKAGE}" Depends Recommends Section
  OUTPUT_VARIABLE fields)
foreach(needed IN ITEMS "libqt6widgets6" "libqt6dbus6" "qt6-qpa-plugins" "libqt6svg6" "fonts-noto-cjk"
                        "qt6-translations-l10n" "Recommends: qt6-wayland, xdg-utils" "Section: utils")
  string(FIND "${fields}" "${needed}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the package does not declare ${needed}:\n${fields}")
  endif()
endforeach()

set(ROOT "${WORK_DIR}/root")
file(MAKE_DIRECTORY "${ROOT}")
execute_process(COMMAND dpkg-deb -x "${PACKAGE}" "${ROOT}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "dpkg-deb cannot unpack ${PACKAGE}")
endif()

# The changelog's latest entry is this very version of the package.
execute_process(COMMAND dpkg-deb --field "${PACKAGE}" Version
  OUTPUT_VARIABLE version OUTPUT_STRIP_TRAILING_WHITESPACE)
execute_process(COMMAND gzip -dc "${ROOT}/usr/share/doc/erakon/changelog.gz"
  OUTPUT_VARIABLE changelog RESULT_VARIABLE unzipped)
if(NOT unzipped EQUAL 0)
  message(FATAL_ERROR "cannot read the package's changelog")
endif()
string(REGEX MATCH "^erakon \\(([^)]*)\\)" latest "${changelog}")
if(NOT CMAKE_MATCH_1 STREQUAL version)
  message(FATAL_ERROR "the changelog's latest entry is ${CMAKE_MATCH_1}, the package is ${version}")
endif()

# The registration names the manual where the install rules put it.
file(STRINGS "${ROOT}/${doc_base}" registration)
set(index "Index: /usr/${MANUAL_INSTALL_DIR}/index.html")
if(NOT index IN_LIST registration)
  message(FATAL_ERROR "${doc_base} lacks the line ${index}")
endif()

include(${CMAKE_CURRENT_LIST_DIR}/check_installed_tree.cmake)
