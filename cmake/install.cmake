# SPDX-License-Identifier: MIT
# Where `cmake --install` puts the program and its command line, the desktop's search
# service, its desktop entry, AppStream data, icons and documentation.
include(GNUInstallDirs)

# ERAKON_ICON_SIZES: the sizes resources/ compiles in, each installed in the theme too.
install(TARGETS erakon erakon-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The search service is started by the session bus, never from a terminal: it lives
# among the program's helpers. Its service file names it by the path it is installed
# at, known only now (a package or `cmake --install --prefix` installs under a prefix
# of its own).
install(TARGETS erakon-search-provider RUNTIME DESTINATION ${ERAKON_SEARCH_PROVIDER_DIR})
set(erakon_installed_service_file ${PROJECT_BINARY_DIR}/installed/${ERAKON_SEARCH_BUS_NAME}.service)
install(CODE "
  set(ERAKON_SEARCH_BUS_NAME [[${ERAKON_SEARCH_BUS_NAME}]])
  set(ERAKON_SEARCH_PROVIDER_INSTALLED [[${ERAKON_SEARCH_PROVIDER_DIR}/${ERAKON_SEARCH_PROVIDER_NAME}]])
  cmake_path(ABSOLUTE_PATH ERAKON_SEARCH_PROVIDER_INSTALLED BASE_DIRECTORY \${CMAKE_INSTALL_PREFIX})
  configure_file([[${ERAKON_SEARCH_DBUS_SERVICE_TEMPLATE}]] [[${erakon_installed_service_file}]] @ONLY)
")
install(FILES ${erakon_installed_service_file} DESTINATION ${CMAKE_INSTALL_DATADIR}/dbus-1/services)
install(FILES ${ERAKON_SHELL_SEARCH_PROVIDER} DESTINATION ${CMAKE_INSTALL_DATADIR}/gnome-shell/search-providers)
install(FILES ${ERAKON_RUNNER_ENTRY} DESTINATION ${CMAKE_INSTALL_DATADIR}/krunner/dbusplugins)
# The menu entry names the program as the installed prefix needs (cmake/desktop_exec.cmake).
set(erakon_installed_desktop_entry ${PROJECT_BINARY_DIR}/installed/${ERAKON_APP_ID}.desktop)
install(CODE "
  include([[${PROJECT_SOURCE_DIR}/cmake/desktop_exec.cmake]])
  set(bin_folder [[${CMAKE_INSTALL_BINDIR}]])
  cmake_path(ABSOLUTE_PATH bin_folder BASE_DIRECTORY \${CMAKE_INSTALL_PREFIX})
  erakon_write_installed_desktop_entry([[${ERAKON_DESKTOP_ENTRY}]] [[${erakon_installed_desktop_entry}]]
    \"\${bin_folder}\" [[${ERAKON_PROGRAM_NAME}]])
")
install(FILES ${erakon_installed_desktop_entry} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${ERAKON_METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size IN LISTS ERAKON_ICON_SIZES)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/hicolor/${size}x${size}/apps/erakon.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
    RENAME ${ERAKON_PROGRAM_NAME}.png)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/erakon.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
  RENAME ${ERAKON_PROGRAM_NAME}.svg)

# The user's manual, the manual pages, the licence in Debian's machine-readable form and
# the changelog (doc/CMakeLists.txt builds the last two's compressed forms).
install(DIRECTORY ${PROJECT_SOURCE_DIR}/doc/manual/ DESTINATION ${ERAKON_MANUAL_INSTALL_DIR})
if(ERAKON_MAN_PAGES)
  install(FILES ${ERAKON_MAN_PAGES_BUILT} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${ERAKON_MAN_PAGES_JA_BUILT} DESTINATION ${CMAKE_INSTALL_MANDIR}/ja/man1)
endif()
install(FILES ${PROJECT_SOURCE_DIR}/debian/copyright ${ERAKON_CHANGELOG_BUILT}
  DESTINATION ${CMAKE_INSTALL_DOCDIR})
# An example of the file that adds eras after 令和, for an administrator to copy.
install(FILES ${PROJECT_SOURCE_DIR}/doc/eras.conf.example
  DESTINATION ${CMAKE_INSTALL_DOCDIR}/examples RENAME eras.conf)

# What an installation consists of and where its parts find each other, for the checks
# of an installed tree: the staged install among the tests (tests/install) and the
# Debian package (scripts/package), which reads it from the build that made the package.
file(CONFIGURE OUTPUT ${PROJECT_BINARY_DIR}/installation_facts.cmake @ONLY CONTENT [[
# Written by cmake/install.cmake.
set(APP_ID [==[@ERAKON_APP_ID@]==])
set(SEARCH_BUS_NAME [==[@ERAKON_SEARCH_BUS_NAME@]==])
set(SHELL_SEARCH_PATH [==[@ERAKON_SHELL_SEARCH_PATH@]==])
set(RUNNER_PATH [==[@ERAKON_RUNNER_PATH@]==])
set(ICON_SIZES [==[@ERAKON_ICON_SIZES@]==])
set(MANUAL_DIR [==[@PROJECT_SOURCE_DIR@/doc/manual]==])
set(MANUAL_INSTALL_DIR [==[@ERAKON_MANUAL_INSTALL_DIR@]==])
set(MANUAL_FROM_PROGRAM [==[@ERAKON_MANUAL_FROM_PROGRAM@]==])
set(MANUAL_CHECKER [==[@PROJECT_SOURCE_DIR@/tests/doc/check_manual.py]==])
]])
