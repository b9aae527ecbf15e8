// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

namespace erakon {

// The settings file the window reads at start, found by the same rules: the
// per-user file under the XDG configuration folder ($XDG_CONFIG_HOME when it
// is an absolute path, else ~/.config, the home folder from $HOME or the
// password database) when anything stands there, else erakon.ini beside the
// program. The window is the program beside this one.

// The path of that file; empty when neither place is known.
std::string settingsFileOfTheWindow();

// Its bytes: nothing when the file is missing, is not a regular file, is
// larger than the core's limit or cannot be read. Never blocks on a FIFO or
// a device that takes the file's place.
std::optional<std::string> readSettingsFileOfTheWindow();

} // namespace erakon
