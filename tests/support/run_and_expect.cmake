# SPDX-License-Identifier: MIT
# What the scripts that run a real program check with: a run in a clean
# environment, and the comparisons of what it gave.

# run_program(<result> <out> <err> PROGRAM <path> [ENVIRONMENT <cmake -E env arguments>...]
#             [ARGUMENTS <argument>...]): runs the program with no display, no session
# bus and no XDG_CONFIG_HOME, plus the environment given, within 20 seconds.
function(run_program result_var out_var err_var)
  cmake_parse_arguments(RUN "" "PROGRAM" "ENVIRONMENT;ARGUMENTS" ${ARGN})
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env
      --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=DBUS_SESSION_BUS_ADDRESS --unset=XDG_CONFIG_HOME
      ${RUN_ENVIRONMENT}
      "${RUN_PROGRAM}" ${RUN_ARGUMENTS}
    RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 20)
  set(${result_var} "${result}" PARENT_SCOPE)
  set(${out_var} "${out}" PARENT_SCOPE)
  set(${err_var} "${err}" PARENT_SCOPE)
endfunction()

function(expect what actual wanted)
  if(NOT "${actual}" STREQUAL "${wanted}")
    message(FATAL_ERROR "${what}: expected [${wanted}], got [${actual}]")
  endif()
endfunction()

function(expect_match what actual pattern)
  if(NOT "${actual}" MATCHES "${pattern}")
    message(FATAL_ERROR "${what}: [${actual}] does not match [${pattern}]")
  endif()
endfunction()
