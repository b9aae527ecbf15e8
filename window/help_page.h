// SPDX-License-Identifier: MIT
#pragma once

#include "widgets/button_page.h"

namespace erakon {

// The page "ヘルプ": the help, the About box, the program's properties and
// the maker's web pages.
class HelpPage final : public ButtonPage {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(HelpPage)

public:
    explicit HelpPage(QWidget* parent = nullptr);

signals:
    void helpRequested();
    void aboutRequested();
    void propertiesRequested();
    void donationRequested();
    void homeSiteRequested();
};

} // namespace erakon
