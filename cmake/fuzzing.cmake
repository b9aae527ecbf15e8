# SPDX-License-Identifier: MIT
# With ERAKON_BUILD_FUZZERS and clang, every library of this build is compiled with
# libFuzzer's coverage hooks and the address and undefined-behaviour sanitizers, so the
# fuzzers in tests/fuzz find faults inside the code they call, and the unit tests run
# there again under the same sanitizers. Meant for a build folder of its own
# (scripts/sanitize uses build-fuzz); the program built there is not for use.
set(ERAKON_FUZZING OFF)
if(ERAKON_BUILD_FUZZERS)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    set(ERAKON_FUZZING ON)
    # C++ only: the C of the tests' weston module is built by the system's C compiler.
    add_compile_options("$<$<COMPILE_LANGUAGE:CXX>:-fsanitize=fuzzer-no-link,address,undefined>"
                        "$<$<COMPILE_LANGUAGE:CXX>:-fno-sanitize-recover=all;-fno-omit-frame-pointer;-g;-O1>")
    add_link_options("$<$<LINK_LANGUAGE:CXX>:-fsanitize=address,undefined>")
  else()
    message(WARNING "ERAKON_BUILD_FUZZERS needs clang (CXX=clang++-14); no fuzzers are built")
  endif()
endif()
