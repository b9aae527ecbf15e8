# SPDX-License-Identifier: MIT
cmake_minimum_required(VERSION 3.25)
# The real program's command line with no display at all and an empty home:
# --help and --version answer and succeed, a wrong option fails with status 2,
# and none of them creates a settings file or any other file.
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}/home")

include(${CMAKE_CURRENT_LIST_DIR}/../support/run_and_expect.cmake)

macro(run_erakon result_var out_var err_var)
  run_program(${result_var} ${out_var} ${err_var} PROGRAM "${ERAKON}"
    ENVIRONMENT --unset=QT_QPA_PLATFORM "HOME=${WORK_DIR}/home" ARGUMENTS ${ARGN})
endmacro()

run_erakon(result out err --version)
expect("status of --version" "${result}" 0)
expect("errors of --version" "${err}" "")
if(NOT out MATCHES "^erakon [0-9]+\\.[0-9]+\\.[0-9]+\n")
  message(FATAL_ERROR "--version printed:\n${out}")
endif()

run_erakon(result out err --help)
expect("status of --help" "${result}" 0)
expect("errors of --help" "${err}" "")
if(NOT out MATCHES "^Usage: erakon \\[OPTION\\]\\.\\.\\.\n")
  message(FATAL_ERROR "--help printed:\n${out}")
endif()

run_erakon(result out err --no-such-option)
expect("status of a wrong option" "${result}" 2)
expect("output of a wrong option" "${out}" "")
expect("error of a wrong option" "${err}"
  "erakon: unrecognized option '--no-such-option'\nTry 'erakon --help' for more information.\n")

run_erakon(result out err --year 99999)
expect("status of a wrong year" "${result}" 2)
expect("output of a wrong year" "${out}" "")
expect("error of a wrong year" "${err}"
  "erakon: invalid year '99999' (a whole number from -9999 to 9999)\nTry 'erakon --help' for more information.\n")

file(GLOB_RECURSE left RELATIVE "${WORK_DIR}" LIST_DIRECTORIES true "${WORK_DIR}/home/*")
expect("files made in the home folder" "${left}" "")
get_filename_component(program_dir "${ERAKON}" DIRECTORY)
if(EXISTS "${program_dir}/erakon.ini")
  message(FATAL_ERROR "a settings file appeared beside the program")
endif()
