// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace erakon {

// Where things are on this system. The folders follow the XDG Base Directory
// rules: a variable that holds a relative path is ignored, as if it were
// unset. Paths that are not UTF-8 are carried with raw bytes (raw_bytes.h).

// $HOME when it is an absolute path, else the user's home folder from the
// password database; empty when neither is known.
QString homeFolder();
// $XDG_CONFIG_HOME, else <home>/.config; empty when neither is known.
QString xdgConfigHome();
// $XDG_DATA_HOME, else <home>/.local/share; empty when neither is known.
QString xdgDataHome();

// The running program's full path: Qt's answer, or where Qt gives none (a
// path that is not UTF-8) the system's own bytes; empty only when the system
// cannot tell either.
QString runningExecutablePath();

// Makes the environment follow the same rules for Qt, the libraries and the
// programs the desktop starts: a relative XDG_*_HOME, XDG_RUNTIME_DIR or
// entry of XDG_CONFIG_DIRS and XDG_DATA_DIRS is removed, and a missing or
// relative HOME is set from the password database. Run it first in main(),
// before any other thread starts.
void applyXdgRulesToEnvironment();

} // namespace erakon
