// SPDX-License-Identifier: MIT
#include "core/settings_location.h"

#include "core/utf8.h"
#include "core/version.h"

namespace erakon {

namespace {

bool isAbsolute(std::string_view path) { return path.starts_with('/'); }

std::string joinPath(std::string_view left, std::string_view right)
{
    std::string path(left);
    if (!path.empty() && !path.ends_with('/'))
        path += '/';
    path += right;
    return path;
}

} // namespace

std::string programNameOfExecutable(std::string_view executablePath)
{
    const std::string_view fileName = executablePath.substr(executablePath.rfind('/') + 1);
    // A name the file system holds in bytes that are not UTF-8 would make a
    // folder no one can read: such a program, or one with no known path, is erakon.
    if (fileName.empty() || !isValidUtf8(fileName))
        return std::string(kProgramName);
    const std::size_t dot = fileName.rfind('.');
    return std::string(dot != std::string_view::npos && dot > 0 ? fileName.substr(0, dot) : fileName);
}

std::string settingsFileBelowConfigHome(std::string_view programName)
{
    const std::string name(programName);
    return joinPath(joinPath(kSettingsVendorFolder, name), name + ".ini");
}

std::string userSettingsPath(std::string_view configHome, std::string_view executablePath)
{
    // A relative path would put the settings wherever the program happens to run.
    if (!isAbsolute(configHome))
        return {};
    return joinPath(configHome, settingsFileBelowConfigHome(programNameOfExecutable(executablePath)));
}

std::string settingsPathBesideProgram(std::string_view executablePath)
{
    if (!isAbsolute(executablePath))
        return {};
    const std::size_t nameStart = executablePath.rfind('/') + 1;
    const std::size_t dot = executablePath.rfind('.');
    const std::string_view withoutExtension = dot != std::string_view::npos && dot > nameStart
        ? executablePath.substr(0, dot)
        : executablePath;
    return std::string(withoutExtension) + ".ini";
}

} // namespace erakon
