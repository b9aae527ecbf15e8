// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace erakon {

// Every modal message of the program goes through this service, so tests can
// answer questions with scripted replies.
class Messages {
public:
    enum class Answer { Yes, No, Cancel };

    virtual ~Messages() = default;

    // Question with Yes and No, question icon, Yes the default.
    virtual Answer askYesNo(const QString& text) = 0;
    // Question with Yes, No and Cancel; closing the box counts as Cancel.
    virtual Answer askYesNoCancel(const QString& text) = 0;
    // Plain report: the text, no icon, one OK button, centred on the screen.
    virtual void report(const QString& text) = 0;
    // An error that ended a command, shown with its text.
    virtual void showError(const QString& text) = 0;
};

} // namespace erakon
