// SPDX-License-Identifier: MIT
#pragma once

#include "window/page.h"

#include <QList>
#include <QMenu>

class QAction;

namespace erakon {

class OptionsModel;

// The window's menu, opened by a right click anywhere outside a text box: every
// command, and the options as check and radio items bound to the model.
class WindowMenu final : public QMenu {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WindowMenu)

public:
    explicit WindowMenu(OptionsModel& options, QWidget* parent = nullptr);

    // The items whose keys act from every control of the window: Esc closes,
    // F1 shows the help.
    QList<QAction*> windowShortcuts() const;

    // Where the compositor decides what stays on top (Wayland): the item is
    // shown disabled, its hint saying why.
    void disableStayOnTop(const QString& why);
    // "トレイに隠す", for a desktop that does not tell the program when its
    // window is minimised (Wayland); hidden elsewhere.
    QAction* hideToTrayAction() const { return m_hideToTrayAction; }

signals:
    void desktopShortcutRequested();
    void startMenuShortcutRequested();
    void startupShortcutRequested();
    void closeRequested();
    void hideToTrayRequested();
    // "変換", "早見表" and "スタイル": the page shown and entered.
    void pageRequested(erakon::Page page);
    void helpRequested();
    void aboutRequested();
    void propertiesRequested();
    void donationRequested();
    void homeSiteRequested();

private:
    void addFileMenu();
    void addSettingsMenu(OptionsModel& options);
    void addHelpMenu();

    QAction* m_closeAction = nullptr;
    QAction* m_showHelpAction = nullptr;
    QAction* m_stayOnTopAction = nullptr;
    QAction* m_hideToTrayAction = nullptr;
};

} // namespace erakon
