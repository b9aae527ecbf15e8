// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QTimer>

#include <chrono>

namespace erakon {

// Stops the text caret blinking after a while without input, as GTK does with
// gtk-cursor-blink-timeout: a window left alone with the focus in a box would
// otherwise wake and repaint twice a second for ever. A key, a click, a wheel
// turn or a focus change sets it blinking again at the platform's rate. While
// stopped the caret stays drawn. Needs a QApplication; restores the
// platform's blink rate when destroyed.
class CaretBlinkLimit final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CaretBlinkLimit)

public:
    static constexpr std::chrono::milliseconds kDefaultTimeout{10'000};

    explicit CaretBlinkLimit(std::chrono::milliseconds timeout = kDefaultTimeout, QObject* parent = nullptr);
    ~CaretBlinkLimit() override;

    bool isBlinking() const { return m_blinking; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void stopBlinking();
    void resumeBlinking();

    const int m_platformFlashTime;
    bool m_blinking = true;
    QTimer m_quietTimer;
};

} // namespace erakon
