// SPDX-License-Identifier: MIT
#pragma once

#include <QPushButton>

namespace erakon {

// The small "back to now" button: an anticlockwise arrow drawn in the
// button's text colour. Drawn rather than taken from a font, because no font
// the program names has such a sign, and a fallback search through every
// installed font for one glyph costs start-up several milliseconds and a
// second font in memory.
class ResetButton : public QPushButton {
    Q_OBJECT
public:
    explicit ResetButton(QWidget* parent = nullptr);
    // The button as the pages show it: named, its hint also its accessible
    // name, kWidth pixels wide, never taking the focus, and disabled until
    // there is somewhere to go back to.
    ResetButton(const QString& objectName, const QString& hint, QWidget* parent);

    static constexpr int kWidth = 30;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace erakon
