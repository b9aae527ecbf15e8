// SPDX-License-Identifier: MIT
#pragma once

#include <QMenu>

class QAction;
class QActionGroup;

namespace erakon {

// PopupMenu1, the window's menu: every command and a mirror of the settings.
// Check and radio items flip their own mark when chosen; the window's
// handlers then read the new mark.
class WindowMenu final : public QMenu {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WindowMenu)

public:
    explicit WindowMenu(QWidget* parent = nullptr);

    QMenu* FileP1;
    QAction* DeskTopP1;
    QAction* StartMenuP1;
    QAction* StartUpP1;
    QAction* N1;
    QAction* CloseP1; // Esc
    QAction* ConvertP1;
    QMenu* SettingsP1;
    QAction* ShowEtoP1;
    QAction* StatusBarP1;
    QAction* StayOnTopP1;
    QAction* ShowBoldP1;
    QAction* AddItemP1;
    QAction* N2;
    QActionGroup* iconPlaceGroup;
    QAction* IconTaskBarP1;
    QAction* IconTaskTrayP1;
    QAction* N3;
    QAction* CloseQueryP1;
    QAction* SaveStatusP1;
    QAction* TableP1;
    QAction* StyleP1;
    QMenu* HelpP1;
    QAction* HelpP2; // F1
    QAction* AboutP1;
    QAction* PropertiesP1;
    QAction* DonationP1;
    QAction* HomeSiteP1;
};

// PopupMenu2, the tray icon's menu.
class TrayMenu final : public QMenu {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TrayMenu)

public:
    explicit TrayMenu(QWidget* parent = nullptr);

    QAction* RestoreP2;
    QAction* CloseP2; // shows Esc; the key itself acts through CloseP1
};

} // namespace erakon
