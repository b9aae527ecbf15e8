// SPDX-License-Identifier: MIT
#pragma once

#include "desktop/messages.h"

#include <QList>
#include <QStringList>

#include <functional>

namespace erakon {

// Answers questions from a script and records every message in order, each
// prefixed with its kind ("yes/no: ", "yes/no/cancel: ", "report: ", "error: ").
class ScriptedMessages final : public Messages {
public:
    Answer askYesNo(const QString& text) override { return next(QStringLiteral("yes/no: ") + text); }
    Answer askYesNoCancel(const QString& text) override { return next(QStringLiteral("yes/no/cancel: ") + text); }
    void report(const QString& text) override { record(QStringLiteral("report: ") + text); }
    void showError(const QString& text) override { record(QStringLiteral("error: ") + text); }

    QList<Answer> answers; // consumed from the front; No when the script has run out
    QStringList shown;
    std::function<void()> whileShown; // runs inside every message, as a modal box would

private:
    void record(const QString& entry)
    {
        shown.append(entry);
        if (whileShown)
            whileShown();
    }
    Answer next(const QString& entry)
    {
        record(entry);
        return answers.isEmpty() ? Answer::No : answers.takeFirst();
    }
};

} // namespace erakon
