# SPDX-License-Identifier: MIT
cmake_minimum_required(VERSION 3.25)
# The search service must start fast and stay small: it needs Qt Core and Qt D-Bus, and
# nothing of Qt's GUI or widgets.
execute_process(COMMAND readelf -d "${BINARY}" RESULT_VARIABLE result OUTPUT_VARIABLE dynamic)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "readelf cannot read ${BINARY}")
endif()
string(REGEX MATCHALL "Shared library: \\[[^]]+\\]" needed "${dynamic}")
if(NOT needed MATCHES "libQt6DBus")
  message(FATAL_ERROR "the service does not link Qt D-Bus: ${needed}")
endif()
if(needed MATCHES "libQt6(Gui|Widgets)")
  message(FATAL_ERROR "the service links Qt's GUI: ${needed}")
endif()
