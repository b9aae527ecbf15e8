// SPDX-License-Identifier: MIT
#include "widgets/clock_status_bar.h"

#include <QLabel>
#include <QMouseEvent>

namespace erakon {

ClockStatusBar::ClockStatusBar(QWidget* parent)
    : QStatusBar(parent)
    , m_panel(new QLabel(this))
{
    m_panel->setObjectName(QStringLiteral("StatusPanel"));
    m_panel->setAlignment(Qt::AlignCenter);
    // The click belongs to the whole bar.
    m_panel->setAttribute(Qt::WA_TransparentForMouseEvents);
    addWidget(m_panel, 1);
    setSizeGripEnabled(false);
}

QString ClockStatusBar::panelText() const { return m_panel->text(); }

void ClockStatusBar::setPanelText(const QString& text) { m_panel->setText(text); }

void ClockStatusBar::mouseReleaseEvent(QMouseEvent* event)
{
    QStatusBar::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace erakon
