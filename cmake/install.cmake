# SPDX-License-Identifier: MIT
# Where `cmake --install` puts the program and its command line, the desktop's search
# service, its desktop entry, AppStream data, icons and documentation.
include(GNUInstallDirs)

# ERAKON_ICON_SIZES: the sizes resources/ compiles in, each installed in the theme too.
install(TARGETS erakon erakon-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The search service is started by the session bus, never from a terminal: it lives
# among the program's helpers. Its service file names it by the path it is installed
# at, known only now (cpack installs under a prefix of its own).
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
install(FILES ${ERAKON_DESKTOP_ENTRY} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
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
install(FILES ${PROJECT_SOURCE_DIR}/packaging/debian/copyright ${ERAKON_CHANGELOG_BUILT}
  DESTINATION ${CMAKE_INSTALL_DOCDIR})
