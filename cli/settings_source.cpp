// SPDX-License-Identifier: MIT
#include "cli/settings_source.h"

#include "core/era_file.h"

#include "core/ini_profile.h"
#include "core/settings_location.h"
#include "core/version.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <optional>
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

std::vector<std::string> eraFilesOfTheWindow()
{
    const std::string executable = windowExecutable();
    const char* configDirs = std::getenv("XDG_CONFIG_DIRS");
    return {administratorEraFilePath(configDirs ? configDirs : "", executable),
            userEraFilePath(userSettingsPath(configHome(), executable))};
}

SettingsFileContent readSettingsFileOfTheWindow()
{
    SettingsFileContent content;
    content.path = settingsFileOfTheWindow();
    const auto unreadable = [&content](std::string reason) {
        content.outcome = SettingsFileContent::Outcome::Unreadable;
        content.bytes.clear();
        content.reason = std::move(reason);
        return std::move(content);
    };
    const auto refusedFor = [&](const struct stat& status) -> std::optional<std::string> {
        if (S_ISDIR(status.st_mode))
            return std::strerror(EISDIR);
        if (!S_ISREG(status.st_mode))
            return "not a regular file";
        if (std::size_t(status.st_size) > kSettingsFileMaxSize)
            return "larger than " + std::to_string(kSettingsFileMaxSize / (1024 * 1024)) + " MiB";
        return std::nullopt;
    };
    struct stat status {};
    if (content.path.empty() || ::stat(content.path.c_str(), &status) != 0) {
        const int error = errno;
        if (content.path.empty() || error == ENOENT || error == ENOTDIR)
            return {}; // no file: nothing to say
        return unreadable(std::strerror(error));
    }
    if (std::optional<std::string> reason = refusedFor(status))
        return unreadable(std::move(*reason));
    // Non-blocking, in case something else took the file's place since.
    const int fd = ::open(content.path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return unreadable(std::strerror(errno));
    struct stat opened {};
    std::optional<std::string> reason;
    if (::fstat(fd, &opened) != 0)
        reason = std::strerror(errno);
    else
        reason = refusedFor(opened);
    if (!reason) {
        content.bytes.resize(std::size_t(opened.st_size));
        std::size_t done = 0;
        while (done < content.bytes.size()) {
            const ssize_t got = ::read(fd, content.bytes.data() + done, content.bytes.size() - done);
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0)
                reason = std::strerror(errno);
            if (got <= 0)
                break;
            done += std::size_t(got);
        }
        content.bytes.resize(done); // the file may have shrunk meanwhile
    }
    ::close(fd);
    if (reason)
        return unreadable(std::move(*reason));
    content.outcome = SettingsFileContent::Outcome::Read;
    return content;
}

} // namespace erakon
