# SPDX-License-Identifier: MIT
# Checks an installed tree under ROOT (prefix /usr): every file a desktop needs is where
# it looks for it, runnable or readable by everybody, and the installed programs, the
# search service and the manual work from their places without the build tree.
# Included by check_install.cmake (a staged `cmake --install`) and check_package.cmake
# (the unpacked Debian package), after the installation facts (FACTS).
include(${CMAKE_CURRENT_LIST_DIR}/expected_files.cmake)

set(missing "")
foreach(file IN LISTS expected)
  if(NOT EXISTS "${ROOT}/${file}")
    list(APPEND missing "${file}")
  endif()
endforeach()
if(missing)
  message(FATAL_ERROR "not installed: ${missing}")
endif()

# The program must be runnable by everybody, the data files readable by everybody.
foreach(file IN LISTS expected)
  execute_process(COMMAND stat -c %a "${ROOT}/${file}" OUTPUT_VARIABLE mode
    OUTPUT_STRIP_TRAILING_WHITESPACE)
  set(wanted 644)
  if(file MATCHES "^usr/(bin|libexec)/")
    set(wanted 755)
  endif()
  if(NOT mode STREQUAL wanted)
    message(FATAL_ERROR "${file} has mode ${mode}, not ${wanted}")
  endif()
endforeach()

# The desktop entry's icon name and command must be what was installed.
file(STRINGS "${ROOT}/usr/share/applications/${APP_ID}.desktop" entry)
if(NOT "Icon=erakon" IN_LIST entry OR NOT "Exec=erakon" IN_LIST entry)
  message(FATAL_ERROR "the desktop entry does not name the installed icon and binary")
endif()

# The desktop's search: the bus starts the installed service by its name; GNOME Shell
# finds it by the program's desktop entry and asks the object the service exports;
# KRunner asks the service's other object.
function(expect_lines file)
  file(STRINGS "${ROOT}/${file}" lines)
  foreach(line IN LISTS ARGN)
    if(NOT line IN_LIST lines)
      message(FATAL_ERROR "${file} lacks the line ${line}")
    endif()
  endforeach()
endfunction()
expect_lines(usr/share/dbus-1/services/${SEARCH_BUS_NAME}.service
  "Name=${SEARCH_BUS_NAME}" "Exec=/usr/libexec/erakon/erakon-search-provider")
expect_lines(usr/share/gnome-shell/search-providers/${APP_ID}.search-provider.ini
  "DesktopId=${APP_ID}.desktop" "BusName=${SEARCH_BUS_NAME}" "ObjectPath=${SHELL_SEARCH_PATH}" "Version=2")
expect_lines(usr/share/krunner/dbusplugins/${APP_ID}.desktop
  "X-Plasma-API=DBus" "X-Plasma-DBusRunner-Service=${SEARCH_BUS_NAME}" "X-Plasma-DBusRunner-Path=${RUNNER_PATH}")

# The installed service runs from its place, without the build tree.
execute_process(COMMAND "${ROOT}/usr/libexec/erakon/erakon-search-provider" --help
  RESULT_VARIABLE result OUTPUT_VARIABLE text ERROR_VARIABLE errors)
if(NOT result EQUAL 0 OR NOT text MATCHES "^Usage: erakon-search-provider")
  message(FATAL_ERROR "the installed search service does not run (${result}):\n${text}${errors}")
endif()

# The installed program finds the installed manual where the help command looks,
# and the installed copy of the manual is whole.
set(manual_index "${ROOT}/usr/bin/${MANUAL_FROM_PROGRAM}/index.html")
if(NOT EXISTS "${manual_index}")
  message(FATAL_ERROR "the help command would look for the manual at ${manual_index}, where none is")
endif()
cmake_path(GET manual_index PARENT_PATH manual_dir)
find_program(PYTHON NAMES python3 REQUIRED)
execute_process(COMMAND "${PYTHON}" -B "${MANUAL_CHECKER}" "${manual_dir}"
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the installed manual is broken:\n${output}")
endif()

# The manual pages read without a complaint from man (man-db comes with lintian), the
# Japanese ones too: man sets Japanese line breaking for a page under man/ja, and a line
# it cannot break (a Japanese sentence without the place to break it) is a warning.
find_program(MAN man)
if(MAN)
  foreach(language en ja)
    set(folder "${ROOT}/usr/share/man/man1")
    set(name_line "convert years")
    if(language STREQUAL "ja")
      set(folder "${ROOT}/usr/share/man/ja/man1")
      set(name_line "西暦と和暦の年を相互に変換する")
    endif()
    foreach(page erakon erakon-cli)
      execute_process(
        COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8 MANWIDTH=80
                "${MAN}" --warnings -E UTF-8 -l "${folder}/${page}.1.gz"
        RESULT_VARIABLE result OUTPUT_VARIABLE text ERROR_VARIABLE warnings)
      if(NOT result EQUAL 0 OR NOT warnings STREQUAL "" OR NOT text MATCHES "${page} - [^\n]*${name_line}")
        message(FATAL_ERROR "man cannot read the manual page ${folder}/${page}.1 (${result}):\n${warnings}")
      endif()
    endforeach()
  endforeach()
endif()

# The installed command line runs from its place, without the build tree.
execute_process(COMMAND "${ROOT}/usr/bin/erakon-cli" --no-settings 令和元年
  RESULT_VARIABLE result OUTPUT_VARIABLE text ERROR_VARIABLE errors)
if(NOT result EQUAL 0 OR NOT text MATCHES "^2019年 — 平成31年・令和元年, ")
  message(FATAL_ERROR "the installed erakon-cli does not convert (${result}):\n${text}${errors}")
endif()
