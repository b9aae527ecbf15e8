// SPDX-License-Identifier: MIT
#include "settings/system_paths.h"

#include "settings/raw_bytes.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QCoreApplication>

#include <climits>
#include <cstdlib>
#include <pwd.h>
#include <unistd.h>
#include <vector>

namespace erakon {

namespace {

bool isAbsolute(const QByteArray& path) { return path.startsWith('/'); }

// The value of the variable when it holds an absolute path.
QByteArray absoluteValue(const char* name)
{
    const char* value = std::getenv(name);
    return value && value[0] == '/' ? QByteArray(value) : QByteArray();
}

QByteArray passwordHome()
{
    long size = sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size_t(size > 0 ? size : 16384));
    passwd entry{};
    passwd* found = nullptr;
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found || !found->pw_dir)
        return {};
    const QByteArray home(found->pw_dir);
    return isAbsolute(home) ? home : QByteArray();
}

QByteArray homeBytes()
{
    const QByteArray fromEnvironment = absoluteValue("HOME");
    return fromEnvironment.isEmpty() ? passwordHome() : fromEnvironment;
}

QString baseFolder(const char* variable, const char* belowHome)
{
    const QByteArray fromEnvironment = absoluteValue(variable);
    if (!fromEnvironment.isEmpty())
        return decodeFileName(fromEnvironment);
    const QByteArray home = homeBytes();
    return home.isEmpty() ? QString() : decodeFileName(home + belowHome);
}

} // namespace

QString homeFolder() { return decodeFileName(homeBytes()); }

QString xdgConfigHome() { return baseFolder("XDG_CONFIG_HOME", "/.config"); }

QString xdgDataHome() { return baseFolder("XDG_DATA_HOME", "/.local/share"); }

QString runningExecutablePath()
{
    if (QCoreApplication::instance()) {
        QString fromQt = QCoreApplication::applicationFilePath();
        if (!fromQt.isEmpty())
            return fromQt;
    }
    char path[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof(path));
    if (length <= 0 || size_t(length) == sizeof(path) || path[0] != '/')
        return {};
    return decodeFileName(QByteArrayView(path, length));
}

void applyXdgRulesToEnvironment()
{
    for (const char* name :
         {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"}) {
        const char* value = std::getenv(name);
        if (value && !isAbsolute(value))
            unsetenv(name);
    }
    for (const char* name : {"XDG_CONFIG_DIRS", "XDG_DATA_DIRS"}) {
        const char* value = std::getenv(name);
        if (!value)
            continue;
        QByteArrayList kept;
        for (const QByteArray& entry : QByteArray(value).split(':')) {
            if (isAbsolute(entry))
                kept.append(entry);
        }
        if (kept.isEmpty())
            unsetenv(name);
        else
            setenv(name, kept.join(':').constData(), 1);
    }
    if (absoluteValue("HOME").isEmpty()) {
        const QByteArray home = passwordHome();
        if (!home.isEmpty())
            setenv("HOME", home.constData(), 1);
    }
}

} // namespace erakon
