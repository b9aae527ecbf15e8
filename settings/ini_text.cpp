// SPDX-License-Identifier: MIT
#include "settings/ini_text.h"

namespace erakon {

QStringView trimIniBlanksLeft(QStringView text)
{
    qsizetype first = 0;
    while (first < text.size() && isIniBlank(text[first]))
        ++first;
    return text.sliced(first);
}

QStringView trimIniBlanksRight(QStringView text)
{
    qsizetype end = text.size();
    while (end > 0 && isIniBlank(text[end - 1]))
        --end;
    return text.first(end);
}

QStringView trimIniBlanks(QStringView text) { return trimIniBlanksRight(trimIniBlanksLeft(text)); }

} // namespace erakon
