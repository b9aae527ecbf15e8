// SPDX-License-Identifier: MIT
#pragma once

#include <QStatusBar>

class QLabel;

namespace erakon {

// The status bar: one panel with centred text; a click anywhere on it is reported.
class ClockStatusBar final : public QStatusBar {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ClockStatusBar)

public:
    explicit ClockStatusBar(QWidget* parent = nullptr);

    QString panelText() const;
    void setPanelText(const QString& text);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QLabel* m_panel;
};

} // namespace erakon
