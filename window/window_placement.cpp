#include "window_placement.h"

#include <algorithm>
#include <limits>

namespace erakon {

namespace {

// Part of a window that must show on a screen for the window to count as on it.
constexpr int kMinimumVisible = 32;
// Stored edges are cut to this, the largest widget size Qt allows, so that
// no rectangle arithmetic can overflow.
constexpr int kCoordinateLimit = (1 << 24) - 1;

int clampedToInt(qint64 value)
{
    return int(std::clamp<qint64>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

bool showsEnough(const QRect& window, const QRect& screen)
{
    const QRect shown = window.intersected(screen);
    return !shown.isEmpty()
        && shown.width() >= std::min(window.width(), kMinimumVisible)
        && shown.height() >= std::min(window.height(), kMinimumVisible);
}

} // namespace

QRect normalRect(const WindowPlacement& placement)
{
    const auto coordinate = [](int value) { return std::clamp(value, -kCoordinateLimit, kCoordinateLimit); };
    const int left = coordinate(placement.left);
    const int top = coordinate(placement.top);
    const int width = std::max(0, coordinate(placement.right) - left);    // [0, 2 * kCoordinateLimit]
    const int height = std::max(0, coordinate(placement.bottom) - top);  // [0, 2 * kCoordinateLimit]
    return QRect(left, top, width, height);
}

void setNormalRect(WindowPlacement& placement, const QRect& rect)
{
    placement.left = rect.left();
    placement.top = rect.top();
    placement.right = clampedToInt(qint64(rect.left()) + rect.width());
    placement.bottom = clampedToInt(qint64(rect.top()) + rect.height());
}

QRect keepOnScreen(const QRect& normal, const QList<QRect>& availableGeometries)
{
    if (availableGeometries.isEmpty())
        return normal;
    for (const QRect& screen : availableGeometries) {
        if (showsEnough(normal, screen))
            return normal;
    }
    const QRect& primary = availableGeometries.front();
    if (primary.isEmpty())
        return normal;
    const int width = std::clamp(normal.width(), 1, primary.width());
    const int height = std::clamp(normal.height(), 1, primary.height());
    const int x = clampedToInt(std::clamp<qint64>(normal.x(), primary.left(), qint64(primary.right()) - width + 1));
    const int y = clampedToInt(std::clamp<qint64>(normal.y(), primary.top(), qint64(primary.bottom()) - height + 1));
    return QRect(x, y, width, height);
}

} // namespace erakon
