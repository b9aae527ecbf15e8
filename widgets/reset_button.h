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

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace erakon
