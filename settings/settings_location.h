// SPDX-License-Identifier: MIT
#pragma once

#include "core/version.h"

#include <QString>

#include <string>
#include <vector>

namespace erakon {

// Where the settings live: the XDG configuration folder ($XDG_CONFIG_HOME, else
// ~/.config) and the running executable. Passed in so tests can use their own.
// Paths may carry raw bytes (raw_bytes.h).
struct SettingsLocation {
    QString configHome;
    QString executablePath;
};

// The location of the running program: xdgConfigHome() and runningExecutablePath().
SettingsLocation systemSettingsLocation();

// The name of the program when its own cannot be had.
inline const QString kDefaultProgramName = QString::fromUtf8(kProgramName);

// The executable's file name up to its last "." (the whole name when it has
// none, or when its only "." starts it); kDefaultProgramName when the path
// is empty or its file name is not UTF-8.
QString programName(const QString& executablePath);
// <configHome>/Harunagi/<program name>/<program name>.ini; empty when
// configHome is not an absolute path. Neither creates nor checks anything.
QString userSettingsFilePath(const SettingsLocation& location);
// The executable's path with its extension replaced by ".ini"; empty when the
// executable's path is not known (not absolute).
QString fallbackSettingsPath(const SettingsLocation& location);
// The file the settings are read from: the per-user file when anything stands
// there, else the one beside the executable; empty when neither is known.
QString settingsFileToRead(const SettingsLocation& location);
// The era files (core/era_file.h) read with these settings: the
// administrator's under $XDG_CONFIG_DIRS (else /etc/xdg), then the user's
// beside the per-user settings file; as the system names files, in bytes.
std::vector<std::string> eraFilesOf(const SettingsLocation& location);

} // namespace erakon
