// SPDX-License-Identifier: MIT
#include "window/file_page.h"

#include "window/command_actions.h"

namespace erakon {

FilePage::FilePage(const CommandActions& commands, QWidget* parent)
    : ButtonPage({{"desktopShortcutButton", QStringLiteral("デスクトップに登録"), QStringLiteral("ShortCut to DeskTop"),
                   commands.desktopShortcut},
                  {"startMenuShortcutButton", QStringLiteral("スタートメニューに登録"),
                   QStringLiteral("ShortCut to StartMenu"), commands.startMenuShortcut},
                  {"startupShortcutButton", QStringLiteral("スタートアップに登録"),
                   QStringLiteral("ShortCut to StartUp"), commands.startupShortcut}},
                 3, QStringLiteral("shortcutGroup"), QStringLiteral("起動ショートカット"),
                 QStringLiteral("Create ShortCut"), parent)
{}

} // namespace erakon
