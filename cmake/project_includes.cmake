# SPDX-License-Identifier: MIT
# Every target of the project includes the project's headers by their path from the
# source root ("settings/ini_document.h"), generated headers by theirs from the
# generated-header root ("core/version.h"). Each target is given both privately, so no
# library hands its folder to whoever links it, and the folder a header lies in is
# written at every include.
set(ERAKON_GENERATED_INCLUDE_DIR ${PROJECT_BINARY_DIR}/generated)

function(erakon_project_includes target)
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR} ${ERAKON_GENERATED_INCLUDE_DIR})
endfunction()
