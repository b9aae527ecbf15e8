// SPDX-License-Identifier: MIT
#pragma once

#include "styles/style_definition.h"

#include <QPalette>
#include <QString>

namespace erakon {

// What the application needs to draw itself in a carried style.
struct StyleLook {
    QPalette palette;
    QString styleSheet;
    int cornerRadius = 0; // for the indicators the proxy style draws
    int indicatorSize = 14; // check box and radio button squares, pixels
};

// The one place where a definition becomes a look: every carried style goes
// through the same palette rules and the same style sheet template.
StyleLook makeStyleLook(const StyleDefinition& definition);

} // namespace erakon
