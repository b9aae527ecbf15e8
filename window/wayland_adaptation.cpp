// SPDX-License-Identifier: MIT
#include "window/wayland_adaptation.h"

#include "window/settings_page.h"
#include "window/tray.h"
#include "window/window_menu.h"

#include <QAction>
#include <QString>

namespace erakon {
namespace {

// What the compositor keeps from a program under Wayland, said to the user.
const QString kStayOnTopUnderWayland = QStringLiteral("Wayland では、ウィンドウを常に手前に表示できません。");
const QString kMinimizeUnderWayland = QStringLiteral(
    "Wayland では、タイトルバーの最小化ボタンではタスクトレイに入りません。"
    "タスクトレイに入れるには、メニューの「トレイに隠す」を使います。");

} // namespace

void adaptToWayland(WindowMenu& menu, const Tray& tray)
{
    menu.disableStayOnTop(kStayOnTopUnderWayland);
    menu.hideToTrayAction()->setVisible(true);
    QAction* hideToTray = menu.hideToTrayAction();
    QObject::connect(&menu, &QMenu::aboutToShow, hideToTray,
                     [hideToTray, trayOfWindow = &tray] { hideToTray->setEnabled(trayOfWindow->canHideToTray()); });
}

void adaptToWayland(SettingsPage& settings)
{
    settings.disableStayOnTop(kStayOnTopUnderWayland);
    settings.setMinimizeTargetHint(kMinimizeUnderWayland);
}

} // namespace erakon
