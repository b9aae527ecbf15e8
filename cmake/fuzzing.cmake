# SPDX-License-Identifier: MIT
# With ERAKON_BUILD_FUZZERS and clang, every library of this build is compiled with
# libFuzzer's coverage hooks and the address and undefined-behaviour sanitizers, so the
# fuzzers in tests/fuzz find faults inside the code they call. Meant for a build folder
# of its own (scripts/test uses build-fuzz); the program built there is not for use.
set(ERAKON_FUZZING OFF)
if(ERAKON_BUILD_FUZZERS)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    set(ERAKON_FUZZING ON)
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined
                        -fno-sanitize-recover=all -fno-omit-frame-pointer -g -O1)
    add_link_options(-fsanitize=address,undefined)
  else()
    message(WARNING "ERAKON_BUILD_FUZZERS needs clang (CXX=clang++-14); no fuzzers are built")
  endif()
endif()
