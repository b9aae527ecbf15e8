// SPDX-License-Identifier: MIT
#pragma once

#include "widgets/button_page.h"

namespace erakon {

struct CommandActions;

// The page "ファイル": shortcuts to the program on the desktop, in the
// applications menu and among the programs started at login, each button
// the command the window's menu offers too.
class FilePage final : public ButtonPage {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FilePage)

public:
    explicit FilePage(const CommandActions& commands, QWidget* parent = nullptr);
};

} // namespace erakon
