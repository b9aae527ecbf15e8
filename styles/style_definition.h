// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QString>

#include <optional>

class QIODevice;

namespace erakon {

// How buttons, tabs and the status bar are filled.
enum class StyleSurface {
    Flat, // plain colours, thin lines
    Gradient, // soft top-to-bottom shading
    Glossy, // glass: a light upper half over a darker lower half
    Glow, // gradient with an accent-coloured halo on hover and focus
    Bevel, // classic raised and sunken edges
};

// One carried style as written in its definition file: colours and a few
// shape parameters. Colours that a file leaves out are derived from the others.
struct StyleDefinition {
    QString name;
    StyleSurface surface = StyleSurface::Flat;
    int radius = 0; // corner radius in pixels, [0, 12]
    int borderWidth = 1; // [1, 3]
    int padding = 4; // inner space of buttons and tabs, [2, 12]

    QColor window;
    QColor windowText;
    QColor base;
    QColor text;
    QColor button;
    QColor buttonText;
    QColor highlight;
    QColor highlightedText;
    QColor border;
    QColor accent;
    QColor header; // group box titles
    QColor toolTipBase;
    QColor toolTipText;

    // Optional; derived when absent.
    QColor buttonBorder;
    QColor hover;
    QColor pressed;
    QColor statusBar;
    QColor statusText;
};

// Parses a definition: lines "key = value", '#' starts a comment line.
// Unknown keys, bad colours or numbers and missing colours are errors, so a
// typo in a definition shows up in the tests instead of as a wrong look.
std::optional<StyleDefinition> parseStyleDefinition(const QString& text, QString* error);

// Reads only as far as the "name" line (the first entry of every definition);
// empty when the device holds no name there.
QString readStyleName(QIODevice& device);

} // namespace erakon
