#include "hint_switch.h"

#include <QApplication>
#include <QEvent>
#include <QToolTip>

namespace erakon {

HintSwitch::HintSwitch(QObject* parent)
    : QObject(parent)
{
    qApp->installEventFilter(this);
}

HintSwitch::~HintSwitch()
{
    qApp->removeEventFilter(this);
}

void HintSwitch::setHintsShown(bool shown)
{
    m_shown = shown;
    if (!shown)
        QToolTip::hideText();
}

bool HintSwitch::eventFilter(QObject* watched, QEvent* event)
{
    if (!m_shown && event->type() == QEvent::ToolTip)
        return true;
    return QObject::eventFilter(watched, event);
}

} // namespace erakon
