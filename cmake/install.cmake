# SPDX-License-Identifier: MIT
# Where `cmake --install` puts the program and its command line, its desktop entry,
# AppStream data, icons and documentation.
include(GNUInstallDirs)

# ERAKON_ICON_SIZES: the sizes resources/ compiles in, each installed in the theme too.
install(TARGETS erakon erakon-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
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
endif()
install(FILES ${PROJECT_SOURCE_DIR}/packaging/debian/copyright ${ERAKON_CHANGELOG_BUILT}
  DESTINATION ${CMAKE_INSTALL_DOCDIR})
