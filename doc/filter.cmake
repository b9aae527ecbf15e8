# SPDX-License-Identifier: MIT
cmake_minimum_required(VERSION 3.25)
# cmake -DPROGRAM=... [-DARGUMENT=...] [-DSOURCE_DATE_EPOCH=...] -DINPUT=... -DOUTPUT=... -P filter.cmake
# Runs a filter (scdoc, gzip) from one file into another, without a shell.
if(DEFINED SOURCE_DATE_EPOCH)
  set(ENV{SOURCE_DATE_EPOCH} "${SOURCE_DATE_EPOCH}")
endif()
execute_process(COMMAND "${PROGRAM}" ${ARGUMENT}
  INPUT_FILE "${INPUT}" OUTPUT_FILE "${OUTPUT}.part" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  file(REMOVE "${OUTPUT}.part")
  message(FATAL_ERROR "${PROGRAM} failed on ${INPUT}: ${result}")
endif()
file(RENAME "${OUTPUT}.part" "${OUTPUT}")
