// SPDX-License-Identifier: MIT
#include "cli/settings_source.h"

#include "core/era_file.h"
#include "core/ini_profile.h"
#include "core/settings_location.h"
#include "system/regular_file.h"
#include "system/settings_file_path.h"
#include "system/system_folders.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace erakon {

namespace {

// Why the file was not read, in the words of the command line's message.
std::string reasonNotRead(const system::RegularFile& file)
{
    switch (file.outcome) {
    case system::RegularFile::Outcome::NotRegular:
        return file.error != 0 ? std::strerror(file.error) : "not a regular file";
    case system::RegularFile::Outcome::TooLarge:
        return "larger than " + std::to_string(kSettingsFileMaxSize / (1024 * 1024)) + " MiB";
    case system::RegularFile::Outcome::Failed: return std::strerror(file.error);
    case system::RegularFile::Outcome::Read:
    case system::RegularFile::Outcome::Missing: break;
    }
    return {};
}

} // namespace

std::string settingsFileOfTheWindow() { return system::settingsFileOfTheWindow(); }

std::vector<std::string> eraFilesOfTheWindow()
{
    const std::string executable = system::windowExecutable();
    const char* configDirs = std::getenv("XDG_CONFIG_DIRS");
    return eraFilePaths(configDirs ? configDirs : "", system::configHome(), executable);
}

SettingsFileContent readSettingsFileOfTheWindow()
{
    SettingsFileContent content;
    content.path = settingsFileOfTheWindow();
    if (content.path.empty())
        return {}; // no file: nothing to say
    system::RegularFile file = system::readRegularFile(content.path, kSettingsFileMaxSize);
    switch (file.outcome) {
    case system::RegularFile::Outcome::Missing: return {};
    case system::RegularFile::Outcome::Read:
        content.outcome = SettingsFileContent::Outcome::Read;
        content.bytes = std::move(file.bytes);
        return content;
    case system::RegularFile::Outcome::NotRegular:
    case system::RegularFile::Outcome::TooLarge:
    case system::RegularFile::Outcome::Failed: break;
    }
    content.outcome = SettingsFileContent::Outcome::Unreadable;
    content.reason = reasonNotRead(file);
    return content;
}

} // namespace erakon
