# SPDX-License-Identifier: MIT
cmake_minimum_required(VERSION 3.25)
# Installs the build into a fresh staging folder (DESTDIR, prefix /usr) and checks the
# installed tree: every file a desktop needs is where it looks for it, and nothing is
# missing.
#   cmake -DBUILD_DIR=... -DSTAGE_DIR=... -P check_install.cmake
include("${BUILD_DIR}/installation_facts.cmake")
file(REMOVE_RECURSE "${STAGE_DIR}")
set(ENV{DESTDIR} "${STAGE_DIR}")
execute_process(
  COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix /usr
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${result}):\n${output}")
endif()

set(ROOT "${STAGE_DIR}")
include(${CMAKE_CURRENT_LIST_DIR}/check_installed_tree.cmake)

# Under a prefix whose bin folder is not on the standard PATH, the entry names the
# installed program by its path (GIO refuses a program it cannot find on the PATH);
# under /usr/local the bare name is found. The entry stays valid either way.
foreach(case IN ITEMS "/usr/local|Exec=erakon" "/opt/erakon tools|Exec=\"/opt/erakon tools/bin/erakon\""
                      "/home/user/.local/|Exec=\"/home/user/.local/bin/erakon\"")
  string(REPLACE "|" ";" case "${case}")
  list(GET case 0 prefix)
  list(GET case 1 wanted)
  set(other_stage "${STAGE_DIR}-prefix")
  file(REMOVE_RECURSE "${other_stage}")
  set(ENV{DESTDIR} "${other_stage}")
  execute_process(
    COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${prefix}"
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install --prefix ${prefix} failed (${result}):\n${output}")
  endif()
  string(REGEX REPLACE "/$" "" prefix "${prefix}")
  set(installed_entry "${other_stage}${prefix}/share/applications/${APP_ID}.desktop")
  file(STRINGS "${installed_entry}" entry)
  if(NOT wanted IN_LIST entry)
    message(FATAL_ERROR "installed under ${prefix}, the desktop entry lacks the line ${wanted}")
  endif()
  if(DESKTOP_FILE_VALIDATE)
    execute_process(COMMAND "${DESKTOP_FILE_VALIDATE}" "${installed_entry}"
      RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(NOT result EQUAL 0 OR output MATCHES "error:")
      message(FATAL_ERROR "installed under ${prefix}, the desktop entry is not valid:\n${output}")
    endif()
  endif()
  file(REMOVE_RECURSE "${other_stage}")
endforeach()
set(ENV{DESTDIR} "${STAGE_DIR}")
