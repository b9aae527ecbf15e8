// SPDX-License-Identifier: MIT
#pragma once

class QAction;
class QObject;

namespace erakon {

// The commands that the window's menu and a page's buttons both offer, one
// action each, as Qt's own examples share an action between a menu and a
// tool bar: the menu shows the action with its text and key, and the page's
// button triggers it. What each command does is connected where the window
// is put together.
struct CommandActions {
    QAction* close = nullptr; // "閉じる", Esc; the conversion page's sentence button
    QAction* desktopShortcut = nullptr; // the file page's three buttons
    QAction* startMenuShortcut = nullptr;
    QAction* startupShortcut = nullptr;
    QAction* showHelp = nullptr; // "ヘルプ表示", F1; the help page's five buttons
    QAction* about = nullptr;
    QAction* properties = nullptr;
    QAction* donation = nullptr;
    QAction* homeSite = nullptr;
};

// The actions with the menu's texts and keys, named by their role
// (desktopShortcutAction, ...), owned by `owner`.
CommandActions createCommandActions(QObject* owner);

} // namespace erakon
