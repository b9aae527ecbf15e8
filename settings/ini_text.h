// SPDX-License-Identifier: MIT
#pragma once

#include "core/ini_profile.h"

#include <QChar>
#include <QStringView>

namespace erakon {

// The largest settings file the program reads (the core's limit).
inline constexpr qint64 kIniFileMaxSize = qint64(kSettingsFileMaxSize);

// The blanks of an INI line: spaces and every control character (codes 0-32).
constexpr bool isIniBlank(QChar c) noexcept { return c.unicode() <= 32; }

QStringView trimIniBlanks(QStringView text);
QStringView trimIniBlanksLeft(QStringView text);
QStringView trimIniBlanksRight(QStringView text);

// Calls onLine(QStringView) for every line of text; a line ends at CR LF, CR or LF.
// A last line without an end is a line too; an empty text has no lines.
template <typename OnLine>
void forEachIniLine(QStringView text, OnLine&& onLine)
{
    qsizetype start = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = text[i].unicode();
        if (c != u'\r' && c != u'\n')
            continue;
        onLine(text.sliced(start, i - start));
        if (c == u'\r' && i + 1 < size && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < size)
        onLine(text.sliced(start));
}

} // namespace erakon
