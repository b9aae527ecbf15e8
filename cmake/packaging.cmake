# SPDX-License-Identifier: MIT
# `cpack -G DEB` in the build folder makes a Debian package of what cmake/install.cmake
# installs. The shared-library dependencies come from dpkg-shlibdeps; the list below adds
# what the program loads at run time without linking it.
set(CPACK_PACKAGE_NAME ${ERAKON_PROGRAM_NAME})
set(CPACK_PACKAGE_VENDOR "Harunagi")
set(CPACK_PACKAGE_CONTACT "Harunagi <erakon@harunagi.example>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.harunagi.example/")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "Japanese era year converter (和暦変換)")
# Wrapped well inside the 80 columns that package tools show.
set(CPACK_PACKAGE_DESCRIPTION
  "Erakon converts years between the Western calendar and the Japanese\n\
eras (Meiji, Taisho, Showa, Heisei, Reiwa and one era of your own). Type\n\
a year in any box and every other box follows; it tells the age of a\n\
person born in that year or how long until it comes, with its zodiac\n\
sign, and lists every year from Meiji 1 to Reiwa 99 in a quick-reference\n\
table. A user's manual in Japanese, with an English summary, opens from\n\
the program's help command. The command line erakon-cli converts years,\n\
era years and dates in a terminal, as text or JSON, without a window, and\n\
a small search service answers the same queries in GNOME Shell's overview\n\
and KDE's KRunner.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
# Package what is built; cpack and `make install` do not first build every target
# (tests and benchmarks included). Build first: scripts/build does.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window needs the X11/Wayland platform plugins, the SVG icon engine for its icon,
# Japanese glyphs and Qt's Japanese button texts.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "qt6-qpa-plugins, libqt6svg6, fonts-noto-cjk, qt6-translations-l10n")
# The help command and the web pages open through the desktop's xdg-open. In a Wayland
# session Qt's Wayland plugin lets the window run natively rather than through XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, qt6-wayland")

include(CPack)
