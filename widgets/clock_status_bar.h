// SPDX-License-Identifier: MIT
#pragma once

#include "core/date_format.h"

#include <QStatusBar>

class QLabel;

namespace erakon {

// The status bar: one panel with centred text, the clock with the era date;
// a click anywhere on it is reported.
class ClockStatusBar final : public QStatusBar {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ClockStatusBar)

public:
    explicit ClockStatusBar(QWidget* parent = nullptr);

    QString panelText() const;
    void setPanelText(const QString& text);
    // The panel shows the date and time as "令和5年(2023年) 5月20日(土)  14:05".
    void showClock(const DateTime& now, const DateFormatSettings& settings, EraNameLanguage language);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QLabel* m_clockPanel;
};

} // namespace erakon
