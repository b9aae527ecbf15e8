// SPDX-License-Identifier: MIT
#include "cli/settings_source.h"

#include "core/ini_profile.h"
#include "core/settings_location.h"
#include "core/version.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <pwd.h>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace erakon {

namespace {

// The variable's value when it is an absolute path, as the XDG rules want.
std::string absoluteVariable(const char* name)
{
    const char* value = std::getenv(name);
    return value && value[0] == '/' ? std::string(value) : std::string();
}

std::string homeFolder()
{
    std::string home = absoluteVariable("HOME");
    if (!home.empty())
        return home;
    const long size = sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(std::size_t(size > 0 ? size : 16384));
    passwd entry{};
    passwd* found = nullptr;
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found || !found->pw_dir
        || found->pw_dir[0] != '/')
        return {};
    return found->pw_dir;
}

std::string configHome()
{
    std::string fromEnvironment = absoluteVariable("XDG_CONFIG_HOME");
    if (!fromEnvironment.empty())
        return fromEnvironment;
    const std::string home = homeFolder();
    return home.empty() ? std::string() : home + "/.config";
}

// The window's binary: the program of that name in this one's folder.
std::string windowExecutable()
{
    char path[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof(path));
    if (length <= 0 || std::size_t(length) == sizeof(path) || path[0] != '/')
        return {};
    const std::string_view self(path, std::size_t(length));
    return std::string(self.substr(0, self.rfind('/') + 1)) + std::string(kProgramName);
}

// Whether anything stands at path, following links.
bool exists(const std::string& path)
{
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0;
}

} // namespace

std::string settingsFileOfTheWindow()
{
    const std::string executable = windowExecutable();
    std::string userFile = userSettingsPath(configHome(), executable);
    if (!userFile.empty() && exists(userFile))
        return userFile;
    return settingsPathBesideProgram(executable);
}

std::optional<std::string> readSettingsFileOfTheWindow()
{
    const std::string path = settingsFileOfTheWindow();
    if (path.empty())
        return std::nullopt;
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode)
        || std::size_t(status.st_size) > kSettingsFileMaxSize)
        return std::nullopt;
    // Non-blocking, in case something else took the file's place since.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    struct stat opened {};
    std::optional<std::string> bytes;
    if (::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode) && std::size_t(opened.st_size) <= kSettingsFileMaxSize) {
        std::string content(std::size_t(opened.st_size), '\0');
        std::size_t done = 0;
        bool failed = false;
        while (done < content.size()) {
            const ssize_t got = ::read(fd, content.data() + done, content.size() - done);
            if (got < 0 && errno == EINTR)
                continue;
            if (got <= 0) {
                failed = got < 0;
                break;
            }
            done += std::size_t(got);
        }
        if (!failed) {
            content.resize(done); // the file may have shrunk meanwhile
            bytes = std::move(content);
        }
    }
    ::close(fd);
    return bytes;
}

} // namespace erakon
