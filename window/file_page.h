// SPDX-License-Identifier: MIT
#pragma once

#include "widgets/button_page.h"

namespace erakon {

// The page "ファイル": shortcuts to the program on the desktop, in the
// applications menu and among the programs started at login.
class FilePage final : public ButtonPage {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FilePage)

public:
    explicit FilePage(QWidget* parent = nullptr);

signals:
    void desktopShortcutRequested();
    void startMenuShortcutRequested();
    void startupShortcutRequested();
};

} // namespace erakon
