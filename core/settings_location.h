// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace erakon {

// Where the settings file lies, by the rules the window and the command line
// share. Paths are the file system's bytes, which need not be UTF-8.

// The folder of the maker, between the configuration folder and the program's.
inline constexpr std::string_view kSettingsVendorFolder = "Harunagi";

// The executable's file name up to its last "." (the whole name when it has
// none, or when its only "." starts it); kProgramName when the path is empty
// or its file name is not UTF-8.
std::string programNameOfExecutable(std::string_view executablePath);

// Harunagi/<programName>/<programName>.ini: where below the configuration
// folder the settings of the program of that name lie.
std::string settingsFileBelowConfigHome(std::string_view programName);

// <configHome>/Harunagi/<program name>/<program name>.ini; empty when
// configHome is not an absolute path.
std::string userSettingsPath(std::string_view configHome, std::string_view executablePath);

// The executable's path with its extension replaced by ".ini": the file
// beside the program. Empty when the path is not absolute.
std::string settingsPathBesideProgram(std::string_view executablePath);

} // namespace erakon
