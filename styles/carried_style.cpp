// SPDX-License-Identifier: MIT
#include "styles/carried_style.h"
#include "styles/style_colour.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyleFactory>
#include <QStyleOption>

namespace erakon {

namespace {

struct IndicatorColours {
    QColor fill;
    QColor frame;
    QColor mark;
};

IndicatorColours indicatorColours(const QStyleOption& option, bool marked)
{
    const QPalette& p = option.palette;
    const bool enabled = option.state & QStyle::State_Enabled;
    const bool hovered = enabled && (option.state & QStyle::State_MouseOver);
    IndicatorColours colours;
    if (marked) {
        colours.fill = p.color(QPalette::Active, QPalette::Highlight);
        colours.frame = colours.fill;
        colours.mark = p.color(QPalette::Active, QPalette::HighlightedText);
    } else {
        colours.fill = p.color(QPalette::Active, QPalette::Base);
        // The text colour against the box's own fill is legible by design, so
        // a frame taken mostly from it stands out on any window colour.
        colours.frame = mixedColour(p.color(QPalette::Active, QPalette::Text), colours.fill, 0.35);
        colours.mark = p.color(QPalette::Active, QPalette::Text);
    }
    if (hovered)
        colours.frame = mixedColour(colours.frame, p.color(QPalette::Active, QPalette::Highlight), 0.6);
    if (!enabled) {
        const QColor window = p.color(QPalette::Active, QPalette::Window);
        colours.fill = mixedColour(colours.fill, window, 0.5);
        colours.frame = mixedColour(colours.frame, window, 0.5);
        colours.mark = mixedColour(colours.mark, window, 0.5);
    }
    return colours;
}

QRectF indicatorSquare(const QRect& rect, int size)
{
    const qreal side = qMin<qreal>(size, qMin(rect.width(), rect.height())) - 1;
    QRectF square(0, 0, side, side);
    square.moveCenter(QRectF(rect).center());
    return square;
}

void drawCheckBox(const QStyleOption& option, QPainter& painter, int radius, int size)
{
    const bool on = option.state & QStyle::State_On;
    const bool partial = option.state & QStyle::State_NoChange;
    const IndicatorColours colours = indicatorColours(option, on || partial);
    const QRectF box = indicatorSquare(option.rect, size).translated(0.5, 0.5);

    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colours.frame, 1.2));
    painter.setBrush(colours.fill);
    painter.drawRoundedRect(box, radius, radius);

    const qreal s = box.width();
    QPen markPen(colours.mark, qMax<qreal>(1.6, s / 7), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(markPen);
    painter.setBrush(Qt::NoBrush);
    if (partial) {
        painter.drawLine(QPointF(box.left() + s * 0.25, box.center().y()),
                         QPointF(box.right() - s * 0.25, box.center().y()));
    } else if (on) {
        QPainterPath tick;
        tick.moveTo(box.left() + s * 0.22, box.top() + s * 0.52);
        tick.lineTo(box.left() + s * 0.42, box.top() + s * 0.72);
        tick.lineTo(box.left() + s * 0.78, box.top() + s * 0.3);
        painter.drawPath(tick);
    }
}

void drawRadioButton(const QStyleOption& option, QPainter& painter, int size)
{
    const bool on = option.state & QStyle::State_On;
    const IndicatorColours colours = indicatorColours(option, on);
    const QRectF circle = indicatorSquare(option.rect, size).translated(0.5, 0.5);

    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colours.frame, 1.2));
    painter.setBrush(colours.fill);
    painter.drawEllipse(circle);
    if (on) {
        const qreal dot = circle.width() * 0.4;
        QRectF inner(0, 0, dot, dot);
        inner.moveCenter(circle.center());
        painter.setPen(Qt::NoPen);
        painter.setBrush(colours.mark);
        painter.drawEllipse(inner);
    }
}

} // namespace

CarriedStyle::CarriedStyle()
    : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
{}

void CarriedStyle::setIndicatorShape(int cornerRadius, int size)
{
    m_cornerRadius = cornerRadius;
    m_indicatorSize = size;
}

void CarriedStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                 const QWidget* widget) const
{
    if (option && painter) {
        if (element == PE_IndicatorCheckBox) {
            painter->save();
            drawCheckBox(*option, *painter, m_cornerRadius, m_indicatorSize);
            painter->restore();
            return;
        }
        if (element == PE_IndicatorRadioButton) {
            painter->save();
            drawRadioButton(*option, *painter, m_indicatorSize);
            painter->restore();
            return;
        }
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

int CarriedStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    switch (metric) {
    case PM_IndicatorWidth:
    case PM_IndicatorHeight:
    case PM_ExclusiveIndicatorWidth:
    case PM_ExclusiveIndicatorHeight: return m_indicatorSize;
    default: return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

} // namespace erakon
