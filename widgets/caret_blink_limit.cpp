// SPDX-License-Identifier: MIT
#include "widgets/caret_blink_limit.h"

#include <QApplication>
#include <QEvent>

namespace erakon {

CaretBlinkLimit::CaretBlinkLimit(std::chrono::milliseconds timeout, QObject* parent)
    : QObject(parent)
    , m_platformFlashTime(QApplication::cursorFlashTime())
{
    m_quietTimer.setSingleShot(true);
    m_quietTimer.setInterval(timeout);
    connect(&m_quietTimer, &QTimer::timeout, this, &CaretBlinkLimit::stopBlinking);
    qApp->installEventFilter(this);
    m_quietTimer.start();
}

CaretBlinkLimit::~CaretBlinkLimit()
{
    qApp->removeEventFilter(this);
    resumeBlinking();
}

bool CaretBlinkLimit::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::Wheel:
    case QEvent::InputMethod:
    case QEvent::FocusIn:
        resumeBlinking();
        m_quietTimer.start();
        break;
    default: break;
    }
    return QObject::eventFilter(watched, event);
}

void CaretBlinkLimit::stopBlinking()
{
    if (!m_blinking)
        return;
    m_blinking = false;
    // Text boxes follow the change at once and leave the caret drawn.
    QApplication::setCursorFlashTime(0);
}

void CaretBlinkLimit::resumeBlinking()
{
    if (m_blinking)
        return;
    m_blinking = true;
    QApplication::setCursorFlashTime(m_platformFlashTime);
}

} // namespace erakon
