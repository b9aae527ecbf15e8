// SPDX-License-Identifier: MIT
#include "window/file_page.h"

#include <QPushButton>

namespace erakon {

FilePage::FilePage(QWidget* parent)
    : ButtonPage(
        {{"desktopShortcutButton", QStringLiteral("デスクトップに登録"), QStringLiteral("ShortCut to DeskTop")},
         {"startMenuShortcutButton", QStringLiteral("スタートメニューに登録"), QStringLiteral("ShortCut to StartMenu")},
         {"startupShortcutButton", QStringLiteral("スタートアップに登録"), QStringLiteral("ShortCut to StartUp")}},
        3, QStringLiteral("shortcutGroup"), QStringLiteral("起動ショートカット"), QStringLiteral("Create ShortCut"),
        parent)
{
    connect(button("desktopShortcutButton"), &QPushButton::clicked, this, &FilePage::desktopShortcutRequested);
    connect(button("startMenuShortcutButton"), &QPushButton::clicked, this, &FilePage::startMenuShortcutRequested);
    connect(button("startupShortcutButton"), &QPushButton::clicked, this, &FilePage::startupShortcutRequested);
}

} // namespace erakon
