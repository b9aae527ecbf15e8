# The files an installation of the program consists of, relative to the root (prefix /usr).
set(expected
  usr/bin/erakon
  usr/share/applications/${APP_ID}.desktop
  usr/share/metainfo/${APP_ID}.metainfo.xml
  usr/share/icons/hicolor/scalable/apps/erakon.svg)
foreach(size IN LISTS ICON_SIZES)
  list(APPEND expected usr/share/icons/hicolor/${size}x${size}/apps/erakon.png)
endforeach()
list(SORT expected)
