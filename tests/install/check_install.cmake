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
