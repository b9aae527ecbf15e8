#pragma once

#include <QColor>

namespace erakon {

// The colour `share` of the way from `from` to `to` (0 gives from, 1 gives to).
inline QColor mixedColour(const QColor& from, const QColor& to, double share)
{
    const auto channel = [share](int a, int b) { return qRound(a + (b - a) * share); };
    return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()),
                  channel(from.blue(), to.blue()));
}

} // namespace erakon
