// SPDX-License-Identifier: MIT
#include "settings/window_placement.h"

#include <algorithm>
#include <limits>

namespace erakon {

namespace {

// Stored edges are cut to this, the largest widget size Qt allows, so that
// no rectangle arithmetic can overflow.
constexpr int kCoordinateLimit = (1 << 24) - 1;

int clampedToInt(qint64 value)
{
    return int(std::clamp<qint64>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

qint64 area(const QRect& rect) { return rect.isEmpty() ? 0 : qint64(rect.width()) * rect.height(); }

// The parts of `from` that `cut` leaves: up to four rectangles.
QList<QRect> outside(const QRect& from, const QRect& cut)
{
    const QRect common = from.intersected(cut);
    if (common.isEmpty())
        return {from};
    QList<QRect> parts;
    if (common.top() > from.top())
        parts.append(QRect(QPoint(from.left(), from.top()), QPoint(from.right(), common.top() - 1)));
    if (common.bottom() < from.bottom())
        parts.append(QRect(QPoint(from.left(), common.bottom() + 1), QPoint(from.right(), from.bottom())));
    if (common.left() > from.left())
        parts.append(QRect(QPoint(from.left(), common.top()), QPoint(common.left() - 1, common.bottom())));
    if (common.right() < from.right())
        parts.append(QRect(QPoint(common.right() + 1, common.top()), QPoint(from.right(), common.bottom())));
    return parts;
}

// Whether every part of the window lies on some screen (it may span several).
bool whollyOnScreens(const QRect& window, const QList<QRect>& screens)
{
    QList<QRect> uncovered{window};
    for (const QRect& screen : screens) {
        QList<QRect> left;
        for (const QRect& part : uncovered)
            left += outside(part, screen);
        uncovered = left;
    }
    return uncovered.isEmpty();
}

// The screen that shows most of the window, the primary when none shows any.
const QRect& screenFor(const QRect& window, const QList<QRect>& screens)
{
    const QRect* best = &screens.front();
    qint64 bestArea = 0;
    for (const QRect& screen : screens) {
        const qint64 shown = area(window.intersected(screen));
        if (shown > bestArea) {
            best = &screen;
            bestArea = shown;
        }
    }
    return *best;
}

// The start nearest to `start` that keeps a span of this length within
// [low, high]; low when the span is longer, so that its beginning shows.
int startInside(int start, int length, int low, int high)
{
    return int(std::max<qint64>(low, std::min<qint64>(start, qint64(high) - length + 1)));
}

} // namespace

QRect normalRect(const WindowPlacement& placement)
{
    const auto coordinate = [](int value) { return std::clamp(value, -kCoordinateLimit, kCoordinateLimit); };
    const int left = coordinate(placement.left);
    const int top = coordinate(placement.top);
    const int width = std::max(0, coordinate(placement.right) - left); // [0, 2 * kCoordinateLimit]
    const int height = std::max(0, coordinate(placement.bottom) - top); // [0, 2 * kCoordinateLimit]
    return QRect(left, top, width, height);
}

void setNormalRect(WindowPlacement& placement, const QRect& rect)
{
    placement.left = rect.left();
    placement.top = rect.top();
    placement.right = clampedToInt(qint64(rect.left()) + rect.width());
    placement.bottom = clampedToInt(qint64(rect.top()) + rect.height());
}

QRect keepOnScreen(const QRect& normal, const QSize& minimumSize, const QList<QRect>& availableGeometries)
{
    // What Qt makes of the stored size; never empty, so that a window of no
    // size cannot pass for one on screen.
    const QRect real(normal.topLeft(), normal.size().expandedTo(minimumSize).expandedTo(QSize(1, 1)));
    if (availableGeometries.isEmpty() || whollyOnScreens(real, availableGeometries))
        return real;
    const QRect& screen = screenFor(real, availableGeometries);
    if (screen.isEmpty())
        return real;
    const QSize size = real.size().boundedTo(screen.size()).expandedTo(minimumSize);
    return QRect(startInside(real.x(), size.width(), screen.left(), screen.right()),
                 startInside(real.y(), size.height(), screen.top(), screen.bottom()), size.width(), size.height());
}

int windowStateFromStored(int stored)
{
    switch (stored) {
    case kWindowStateNormal:
    case kWindowStateMinimized:
    case kWindowStateMaximized: return stored;
    default: return kWindowStateNormal;
    }
}

} // namespace erakon
