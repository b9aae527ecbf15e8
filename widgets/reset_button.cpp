// SPDX-License-Identifier: MIT
#include "widgets/reset_button.h"

#include "widgets/control_hint.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace erakon {

ResetButton::ResetButton(QWidget* parent)
    : QPushButton(parent)
{}

ResetButton::ResetButton(const QString& objectName, const QString& hint, QWidget* parent)
    : QPushButton(parent)
{
    setObjectName(objectName);
    setAccessibleName(hint);
    setHint(this, hint);
    setFixedWidth(kWidth);
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
    setEnabled(false);
}

void ResetButton::paintEvent(QPaintEvent* event)
{
    QPushButton::paintEvent(event); // the face and frame of the current style

    const QPalette::ColorGroup group = isEnabled() ? QPalette::Active : QPalette::Disabled;
    const QColor colour = palette().color(group, QPalette::ButtonText);
    // The sign is as tall as the text of the font would be, like a glyph.
    const qreal side = std::min<qreal>(fontMetrics().height() * 0.62, std::min(width(), height()) - 6);
    if (side < 4)
        return;
    QRectF circle(0, 0, side, side);
    circle.moveCenter(QRectF(rect()).center());
    if (isDown())
        circle.translate(1, 1);

    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal stroke = std::max<qreal>(1.3, side / 8);
    painter.setPen(QPen(colour, stroke, Qt::SolidLine, Qt::RoundCap));

    // An open circle running anticlockwise from the upper left round to the
    // top, where the arrow head points on into the gap.
    QPainterPath arc;
    arc.arcMoveTo(circle, 150);
    arc.arcTo(circle, 150, 300);
    painter.drawPath(arc);

    const QPointF top(circle.center().x(), circle.top());
    const qreal head = stroke * 2.3;
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPolygon(
        QPolygonF{top + QPointF(-head, 0), top + QPointF(head * 0.5, -head), top + QPointF(head * 0.5, head)});
}

} // namespace erakon
