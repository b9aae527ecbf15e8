// SPDX-License-Identifier: MIT
#pragma once

#include "window/page.h"

#include <QMenu>

class QAction;

namespace erakon {

class OptionsModel;
struct CommandActions;

// The window's menu, opened by a right click anywhere outside a text box: every
// command (the actions it shares with the pages' buttons, and its own page
// commands), and the options as check and radio items bound to the model.
class WindowMenu final : public QMenu {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WindowMenu)

public:
    WindowMenu(OptionsModel& options, const CommandActions& commands, QWidget* parent = nullptr);

    // Where the compositor decides what stays on top (Wayland): the item is
    // shown disabled, its hint saying why.
    void disableStayOnTop(const QString& why);
    // "トレイに隠す", for a desktop that does not tell the program when its
    // window is minimised (Wayland); hidden elsewhere.
    QAction* hideToTrayAction() const { return m_hideToTrayAction; }

signals:
    void hideToTrayRequested();
    // "変換", "早見表", "年齢" and "スタイル": the page shown and entered.
    void pageRequested(erakon::Page page);

private:
    void addFileMenu(const CommandActions& commands);
    void addSettingsMenu(OptionsModel& options);
    void addHelpMenu(const CommandActions& commands);

    QAction* m_stayOnTopAction = nullptr;
    QAction* m_hideToTrayAction = nullptr;
};

} // namespace erakon
