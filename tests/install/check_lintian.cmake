# SPDX-License-Identifier: MIT
cmake_minimum_required(VERSION 3.25)
# Runs lintian on the package that the package test built: it must report no
# error and no warning. A tag that truly does not apply would be overridden,
# with its reason, in an overrides file installed as
# usr/share/lintian/overrides/erakon; none is needed so far. The informational
# tags and any overrides are shown in the test's output.
file(GLOB packages "${PACKAGE_DIR}/*.deb")
if(NOT packages)
  message(FATAL_ERROR "no package in ${PACKAGE_DIR}")
endif()
execute_process(
  COMMAND "${LINTIAN}" --allow-root --fail-on error,warning --display-info --show-overrides ${packages}
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
message("${output}")
if(NOT result EQUAL 0)
  message(FATAL_ERROR "lintian found errors or warnings (status ${result})")
endif()
