// SPDX-License-Identifier: MIT
#include "widgets/reset_button.h"

#include <QImage>
#include <QPalette>

#include <gtest/gtest.h>

namespace erakon {
namespace {

// Pixels of the button's image that are (nearly) the given colour.
int pixelsOf(const QImage& image, const QColor& colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (std::abs(pixel.red() - colour.red()) + std::abs(pixel.green() - colour.green())
                    + std::abs(pixel.blue() - colour.blue())
                < 30)
                ++count;
        }
    return count;
}

// The sign is drawn in the text colour of the button's state: a style's
// colours, and the greyed look of the disabled button, apply to it as to text.
TEST(ResetButton, DrawsItsSignInTheTextColourOfItsState)
{
    ResetButton button;
    QPalette palette = button.palette();
    palette.setColor(QPalette::Active, QPalette::ButtonText, QColor(200, 0, 0));
    palette.setColor(QPalette::Inactive, QPalette::ButtonText, QColor(200, 0, 0));
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0, 0, 200));
    button.setPalette(palette);
    button.resize(30, 26);

    const QImage enabled = button.grab().toImage();
    EXPECT_GT(pixelsOf(enabled, QColor(200, 0, 0)), 10);
    EXPECT_EQ(pixelsOf(enabled, QColor(0, 0, 200)), 0);

    button.setEnabled(false);
    const QImage disabled = button.grab().toImage();
    EXPECT_GT(pixelsOf(disabled, QColor(0, 0, 200)), 10);
    EXPECT_EQ(pixelsOf(disabled, QColor(200, 0, 0)), 0);
    EXPECT_TRUE(button.text().isEmpty());
}

} // namespace
} // namespace erakon
