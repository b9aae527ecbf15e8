# SPDX-License-Identifier: MIT
# The files an installation of the program consists of, relative to the root (prefix /usr):
# the program, its command line and the desktop's search service with what tells the
# bus, GNOME Shell and KRunner about it.
set(expected
  usr/bin/erakon
  usr/bin/erakon-cli
  usr/libexec/erakon/erakon-search-provider
  usr/share/applications/${APP_ID}.desktop
  usr/share/dbus-1/services/${SEARCH_BUS_NAME}.service
  usr/share/gnome-shell/search-providers/${APP_ID}.search-provider.ini
  usr/share/krunner/dbusplugins/${APP_ID}.desktop
  usr/share/metainfo/${APP_ID}.metainfo.xml
  usr/share/icons/hicolor/scalable/apps/erakon.svg)
foreach(size IN LISTS ICON_SIZES)
  list(APPEND expected usr/share/icons/hicolor/${size}x${size}/apps/erakon.png)
endforeach()
# The documentation: licence, changelog, the example era file, manual pages in English and Japanese and every
# file of the user's manual.
list(APPEND expected
  usr/share/doc/erakon/copyright
  usr/share/doc/erakon/changelog.gz
  usr/share/doc/erakon/examples/eras.conf
  usr/share/man/man1/erakon.1.gz
  usr/share/man/man1/erakon-cli.1.gz
  usr/share/man/ja/man1/erakon.1.gz
  usr/share/man/ja/man1/erakon-cli.1.gz)
file(GLOB_RECURSE manual_files RELATIVE "${MANUAL_DIR}" "${MANUAL_DIR}/*")
foreach(file IN LISTS manual_files)
  list(APPEND expected usr/share/doc/erakon/html/${file})
endforeach()
list(SORT expected)
