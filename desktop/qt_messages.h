// SPDX-License-Identifier: MIT
#pragma once

#include "desktop/messages.h"

class QWidget;

namespace erakon {

// Messages shown with QMessageBox, caption "Erakon".
class QtMessages final : public Messages {
public:
    Answer askYesNo(const QString& text) override;
    Answer askYesNoCancel(const QString& text) override;
    void report(const QString& text) override;
    void showError(const QString& text) override;
};

} // namespace erakon
