// SPDX-License-Identifier: MIT
#pragma once

#include <QPointer>
#include <QTimer>

namespace erakon {

// Stops the clock timer for the life of the guard and starts it again on
// every way out, exceptions included.
class ClockTimerPause final {
public:
    explicit ClockTimerPause(QTimer* timer)
        : m_timer(timer)
    {
        if (m_timer)
            m_timer->stop();
    }
    ~ClockTimerPause()
    {
        if (m_timer)
            m_timer->start();
    }
    Q_DISABLE_COPY_MOVE(ClockTimerPause)

private:
    QPointer<QTimer> m_timer;
};

} // namespace erakon
