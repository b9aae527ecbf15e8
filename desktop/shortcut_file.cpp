// SPDX-License-Identifier: MIT
#include "desktop/shortcut_file.h"

#include "desktop/desktop_entry.h"
#include "desktop/shortcut_texts.h"
#include "settings/atomic_file.h"
#include "settings/raw_bytes.h"

#include <QFileInfo>

namespace erakon {

namespace {

// Desktops refuse to launch an entry on the desktop that is not executable.
constexpr mode_t kShortcutMode = 0755;

QString folderOf(const QString& path) { return path.first(path.lastIndexOf(u'/') + 1); }

} // namespace

std::optional<QString> writeShortcutFile(const QString& linkPath, const QString& target)
{
    const std::optional<QByteArray> entry = desktopEntryFor(target);
    if (!entry) {
        if (target.isEmpty())
            return programPathUnknownReason();
        if (containsRawBytes(target) || !target.isValidUtf16())
            return programPathNotUtf8Reason();
        return programPathControlCharacterReason();
    }
    if (std::optional<QString> reason = makeFolders(folderOf(linkPath)))
        return reason;
    return writeFileAtomically(linkPath, *entry, {.links = LinkHandling::ReplaceLink, .mode = kShortcutMode});
}

bool deleteShortcutFile(const QString& linkPath) { return !removeEntry(linkPath); }

} // namespace erakon
