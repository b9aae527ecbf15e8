// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

// Where things are on this system, as the file system's bytes (which need not
// be UTF-8). The folders follow the XDG Base Directory rules: a variable that
// holds a relative path is ignored, as if it were unset.
namespace erakon::system {

// The value of the environment variable when it is an absolute path, else empty.
std::string absoluteVariable(const char* name);

// The user's home folder from the password database, when absolute; else empty.
std::string passwordHome();

// $HOME when it is an absolute path, else passwordHome(); empty when neither is known.
std::string homeFolder();

// The variable's folder, else <home><belowHome>; empty when neither is known.
std::string xdgBaseFolder(const char* variable, std::string_view belowHome);

// $XDG_CONFIG_HOME, else <home>/.config.
std::string configHome();

// $XDG_DATA_HOME, else <home>/.local/share.
std::string dataHome();

// The running program's full path as the kernel tells it; empty when it cannot.
std::string runningExecutable();

} // namespace erakon::system
