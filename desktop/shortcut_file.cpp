#include "shortcut_file.h"

#include "atomic_file.h"
#include "desktop_entry.h"

#include <QDir>
#include <QFileInfo>

namespace erakon {

bool writeShortcutFile(const QString& linkPath, const QString& target)
{
    const std::optional<QByteArray> entry = desktopEntryFor(target);
    if (!entry)
        return false;
    if (!QDir().mkpath(QFileInfo(linkPath).absolutePath()))
        return false;

    // Desktops refuse to launch an entry on the desktop that is not executable.
    const QFileDevice::Permissions mode = QFileDevice::ReadOwner | QFileDevice::WriteOwner
        | QFileDevice::ExeOwner | QFileDevice::ReadGroup | QFileDevice::ExeGroup
        | QFileDevice::ReadOther | QFileDevice::ExeOther;
    return !writeFileAtomically(linkPath, *entry, mode);
}

bool deleteShortcutFile(const QString& linkPath)
{
    return QFile::remove(linkPath);
}

} // namespace erakon
