// SPDX-License-Identifier: MIT
#include "settings/system_paths.h"

#include "settings/raw_bytes.h"
#include "system/system_folders.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QCoreApplication>

#include <cstdlib>
#include <string>

namespace erakon {

namespace {

bool isAbsolute(const QByteArray& path) { return path.startsWith('/'); }

} // namespace

QString homeFolder() { return decodeFileName(system::homeFolder()); }

QString xdgConfigHome() { return decodeFileName(system::configHome()); }

QString xdgDataHome() { return decodeFileName(system::dataHome()); }

QString runningExecutablePath()
{
    if (QCoreApplication::instance()) {
        QString fromQt = QCoreApplication::applicationFilePath();
        if (!fromQt.isEmpty())
            return fromQt;
    }
    return decodeFileName(system::runningExecutable());
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
    if (system::absoluteVariable("HOME").empty()) {
        const std::string home = system::passwordHome();
        if (!home.empty())
            setenv("HOME", home.c_str(), 1);
    }
}

} // namespace erakon
