# SPDX-License-Identifier: MIT
cmake_minimum_required(VERSION 3.25)
# Runs one fuzzer for a bounded time on a fresh copy of its seed corpus; a crash, leak,
# sanitizer report, time-out or memory blow-up fails the test and leaves the input that
# caused it in the work folder.
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
file(MAKE_DIRECTORY "${WORK}/corpus")
if(EXISTS "${SEEDS}")
  file(COPY "${SEEDS}/" DESTINATION "${WORK}/corpus")
endif()
execute_process(
  COMMAND "${FUZZER}"
    -max_total_time=${SECONDS} -timeout=5 -rss_limit_mb=2048
    -print_final_stats=1 -artifact_prefix=${WORK}/
    "${WORK}/corpus"
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  file(GLOB artifacts "${WORK}/crash-*" "${WORK}/leak-*" "${WORK}/timeout-*" "${WORK}/oom-*")
  message(FATAL_ERROR "${FUZZER} failed (${result}); inputs: ${artifacts}")
endif()
