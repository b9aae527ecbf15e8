# SPDX-License-Identifier: MIT
# With ERAKON_CCACHE (the scripts turn it on), every compile goes through ccache, set up
# so that a clone in any other folder reuses what this one compiled: paths under the
# source root count relative to it (CCACHE_BASEDIR, given here on the compile's own
# command line, so that a plain `ninja` or `cmake --build` gets it too and the user's
# ccache settings stay as they are), and debug information names folders relative to
# the source root, so that an object with debug information is the same in every clone
# (only there: a Release compile stays the one a build without the scripts makes).
option(ERAKON_CCACHE "Compile through ccache, shared between clones of the project" OFF)
if(ERAKON_CCACHE)
  find_program(ERAKON_CCACHE_PROGRAM ccache REQUIRED)
  set(erakon_ccache_launcher ${CMAKE_COMMAND} -E env CCACHE_BASEDIR=${PROJECT_SOURCE_DIR}
    ${ERAKON_CCACHE_PROGRAM})
  set(CMAKE_CXX_COMPILER_LAUNCHER ${erakon_ccache_launcher})
  set(CMAKE_C_COMPILER_LAUNCHER ${erakon_ccache_launcher})
  add_compile_options($<$<CONFIG:Debug,RelWithDebInfo>:-fdebug-prefix-map=${PROJECT_SOURCE_DIR}=.>)
endif()
