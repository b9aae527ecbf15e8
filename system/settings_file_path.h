// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace erakon::system {

// The settings file a program at executablePath reads: the per-user file
// under configHome when anything stands there (a FIFO or a file too large is
// still that file, refused when read, rather than a reason to read another),
// else the file beside the program; empty when neither place is known.
std::string settingsFileToRead(std::string_view configHome, std::string_view executablePath);

// The window's program: kProgramName in the folder of the running one; empty
// when the running program's path is not known.
std::string windowExecutable();
// The settings file of the window at this moment: that of the program named
// kProgramName in the folder of the running one, under configHome().
std::string settingsFileOfTheWindow();

} // namespace erakon::system
