// SPDX-License-Identifier: MIT
#pragma once

#include "desktop/desktop_platform.h"

#include <QString>

class QTimer;

namespace erakon {

class Messages;

// What the shortcut commands work with: the desktop, the message service and
// the main window's clock timer (may be null).
struct ShortcutContext {
    DesktopPlatform& platform;
    Messages& messages;
    QTimer* clockTimer = nullptr;
};

// Path of the folder with a trailing "/", or empty when the desktop cannot
// tell where the folder is.
QString SpecialFolderPath(const DesktopPlatform& platform, SpecialFolder folder);

// File name of the link (with ".desktop") for target: "Erakon" when target is
// the running program, otherwise target's name without its last extension.
QString shortcutFileName(const QString& target, const QString& executablePath);

// Creates, renews or deletes the link to target in folder, asking and
// reporting in message windows; folderName is the folder's name for the user.
void RegisterShortcut(const ShortcutContext& context, SpecialFolder folder, const QString& folderName,
                      const QString& target);

// Shows path selected in the file manager; when path does not exist or no
// file manager answers, opens the folder part of path.
void revealInFileManager(DesktopPlatform& platform, const QString& path);

// Bodies of the File page's three buttons.
void registerDesktopShortcut(const ShortcutContext& context);
void registerStartMenuShortcut(const ShortcutContext& context);
void registerStartupShortcut(const ShortcutContext& context);

} // namespace erakon
