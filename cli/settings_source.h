// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

namespace erakon {

// The settings file the window reads at start, found by the same rules: the
// per-user file under the XDG configuration folder ($XDG_CONFIG_HOME when it
// is an absolute path, else ~/.config, the home folder from $HOME or the
// password database) when anything stands there, else erakon.ini beside the
// program. The window is the program beside this one.

// The path of that file; empty when neither place is known.
std::string settingsFileOfTheWindow();

// The era files the window reads (core/era_file.h): the administrator's under
// $XDG_CONFIG_DIRS (else /etc/xdg), then the user's in the per-user settings
// file's folder.
std::vector<std::string> eraFilesOfTheWindow();

// The settings file as read, or why it was not.
struct SettingsFileContent {
    enum class Outcome {
        Missing, // nothing there: the window would take its defaults too
        Read,
        Unreadable, // there, but not a regular file, too large, or refused
    };
    Outcome outcome = Outcome::Missing;
    std::string bytes; // when read
    std::string path; // when there
    std::string reason; // when unreadable, as strerror() words it
};

// Its bytes, or why not. A file larger than the core's limit is not read.
// Never blocks on a FIFO or a device that takes the file's place.
SettingsFileContent readSettingsFileOfTheWindow();

} // namespace erakon
