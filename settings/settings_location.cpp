// SPDX-License-Identifier: MIT
#include "settings/settings_location.h"

#include "core/era_file.h"
#include "core/settings_location.h"
#include "settings/raw_bytes.h"
#include "settings/system_paths.h"
#include "system/settings_file_path.h"

#include <QByteArray>

namespace erakon {

SettingsLocation systemSettingsLocation() { return {xdgConfigHome(), runningExecutablePath()}; }

QString programName(const QString& executablePath)
{
    return decodeFileName(programNameOfExecutable(encodeFileName(executablePath).toStdString()));
}

QString userSettingsFilePath(const SettingsLocation& location)
{
    return decodeFileName(userSettingsPath(encodeFileName(location.configHome).toStdString(),
                                           encodeFileName(location.executablePath).toStdString()));
}

QString fallbackSettingsPath(const SettingsLocation& location)
{
    return decodeFileName(settingsPathBesideProgram(encodeFileName(location.executablePath).toStdString()));
}

QString settingsFileToRead(const SettingsLocation& location)
{
    return decodeFileName(system::settingsFileToRead(encodeFileName(location.configHome).toStdString(),
                                                     encodeFileName(location.executablePath).toStdString()));
}

std::vector<std::string> eraFilesOf(const SettingsLocation& location)
{
    return eraFilePaths(qgetenv("XDG_CONFIG_DIRS").toStdString(), encodeFileName(location.configHome).toStdString(),
                        encodeFileName(location.executablePath).toStdString());
}

} // namespace erakon
