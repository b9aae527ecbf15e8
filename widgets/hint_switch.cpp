// SPDX-License-Identifier: MIT
#include "widgets/hint_switch.h"

#include <QApplication>
#include <QEvent>
#include <QToolTip>
#include <QWidget>

namespace erakon {

HintSwitch::HintSwitch(QWidget* window)
    : QObject(window)
    , m_window(window)
{
    // Application-wide: a filter on the window would not see its controls'
    // events.
    qApp->installEventFilter(this);
}

HintSwitch::~HintSwitch() { qApp->removeEventFilter(this); }

void HintSwitch::setHintsShown(bool shown)
{
    m_shown = shown;
    if (!shown)
        QToolTip::hideText();
}

bool HintSwitch::eventFilter(QObject* watched, QEvent* event)
{
    if (!m_shown && event->type() == QEvent::ToolTip && belongsToWindow(watched))
        return true;
    return QObject::eventFilter(watched, event);
}

bool HintSwitch::belongsToWindow(const QObject* object) const
{
    const auto* widget = qobject_cast<const QWidget*>(object);
    for (; widget; widget = widget->parentWidget()) {
        if (widget == m_window)
            return true;
    }
    return false;
}

} // namespace erakon
