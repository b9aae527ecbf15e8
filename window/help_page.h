// SPDX-License-Identifier: MIT
#pragma once

#include "widgets/button_page.h"

namespace erakon {

struct CommandActions;

// The page "ヘルプ": the help, the About box, the program's properties and
// the maker's web pages, each button the command the window's menu offers too.
class HelpPage final : public ButtonPage {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(HelpPage)

public:
    explicit HelpPage(const CommandActions& commands, QWidget* parent = nullptr);
};

} // namespace erakon
