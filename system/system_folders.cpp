// SPDX-License-Identifier: MIT
#include "system/system_folders.h"

#include <climits>
#include <cstdlib>
#include <pwd.h>
#include <unistd.h>
#include <vector>

namespace erakon::system {

std::string absoluteVariable(const char* name)
{
    const char* value = std::getenv(name);
    return value && value[0] == '/' ? std::string(value) : std::string();
}

std::string passwordHome()
{
    const long size = sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(std::size_t(size > 0 ? size : 16384));
    passwd entry{};
    passwd* found = nullptr;
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found || !found->pw_dir
        || found->pw_dir[0] != '/')
        return {};
    return found->pw_dir;
}

std::string homeFolder()
{
    std::string home = absoluteVariable("HOME");
    return home.empty() ? passwordHome() : home;
}

std::string xdgBaseFolder(const char* variable, std::string_view belowHome)
{
    std::string fromEnvironment = absoluteVariable(variable);
    if (!fromEnvironment.empty())
        return fromEnvironment;
    const std::string home = homeFolder();
    return home.empty() ? std::string() : home + std::string(belowHome);
}

std::string configHome() { return xdgBaseFolder("XDG_CONFIG_HOME", "/.config"); }

std::string dataHome() { return xdgBaseFolder("XDG_DATA_HOME", "/.local/share"); }

std::string runningExecutable()
{
    char path[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof(path));
    if (length <= 0 || std::size_t(length) == sizeof(path) || path[0] != '/')
        return {};
    return std::string(path, std::size_t(length));
}

} // namespace erakon::system
