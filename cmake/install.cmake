# Where `cmake --install` puts the program, its desktop entry, AppStream data and icons.
include(GNUInstallDirs)

set(ERAKON_APP_ID jp.harunagi.Erakon)
set(ERAKON_ICON_SIZES 16 22 24 32 48 64 128 256)

install(TARGETS erakon RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/resources/${ERAKON_APP_ID}.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/resources/${ERAKON_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size IN LISTS ERAKON_ICON_SIZES)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/hicolor/${size}x${size}/apps/erakon.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/erakon.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
