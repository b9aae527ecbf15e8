// SPDX-License-Identifier: MIT
#include "system/settings_file_path.h"

#include "core/settings_location.h"
#include "core/version.h"
#include "system/regular_file.h"
#include "system/system_folders.h"

namespace erakon::system {

std::string settingsFileToRead(std::string_view configHome, std::string_view executablePath)
{
    std::string userFile = userSettingsPath(configHome, executablePath);
    if (!userFile.empty() && pathExists(userFile))
        return userFile;
    return settingsPathBesideProgram(executablePath);
}

std::string windowExecutable()
{
    const std::string self = runningExecutable();
    return self.empty() ? std::string() : self.substr(0, self.rfind('/') + 1) + std::string(kProgramName);
}

// Without the running program's path, the per-user file alone is known.
std::string settingsFileOfTheWindow() { return settingsFileToRead(configHome(), windowExecutable()); }

} // namespace erakon::system
