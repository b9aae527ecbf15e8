// SPDX-License-Identifier: MIT
#include "widgets/clock_status_bar.h"

#include <QLabel>
#include <QMouseEvent>

namespace erakon {
namespace {

constexpr std::string_view kClockPattern = "ggge年(yyyy年) m月d日(aaa)  HH:MM";

} // namespace

ClockStatusBar::ClockStatusBar(QWidget* parent)
    : QStatusBar(parent)
    , m_clockPanel(new QLabel(this))
{
    m_clockPanel->setObjectName(QStringLiteral("clockPanel"));
    m_clockPanel->setAlignment(Qt::AlignCenter);
    // The click belongs to the whole bar.
    m_clockPanel->setAttribute(Qt::WA_TransparentForMouseEvents);
    addWidget(m_clockPanel, 1);
    setSizeGripEnabled(false);
}

QString ClockStatusBar::panelText() const { return m_clockPanel->text(); }

void ClockStatusBar::setPanelText(const QString& text) { m_clockPanel->setText(text); }

void ClockStatusBar::showClock(const DateTime& now, const DateFormatSettings& settings, EraNameLanguage language)
{
    setPanelText(QString::fromStdString(formatDatePattern(kClockPattern, now, settings, language)));
}

void ClockStatusBar::mouseReleaseEvent(QMouseEvent* event)
{
    QStatusBar::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace erakon
