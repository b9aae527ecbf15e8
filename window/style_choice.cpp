// SPDX-License-Identifier: MIT
#include "window/style_choice.h"

#include "desktop/messages.h"
#include "styles/style_service.h"
#include "widgets/window_font.h"

#include <QStringList>
#include <QWidget>

#include <algorithm>

namespace erakon {

QString applyStyleNamed(StyleService& styles, Messages& messages, QWidget* window, const QString& name)
{
    const QStringList names = styles.names();
    const auto found = std::find_if(names.cbegin(), names.cend(), [&name](const QString& listed) {
        return listed.compare(name, Qt::CaseInsensitive) == 0;
    });
    if (found == names.cend())
        return styles.activeName();
    const QString previous = styles.activeName();
    QString error;
    if (!styles.setActiveStyle(*found, &error)) {
        messages.showError(error);
        return styles.activeName();
    }
    // The style sheet engine forgets the fonts the controls inherit.
    if (styles.activeName() != previous)
        restoreFonts(window);
    return styles.activeName();
}

} // namespace erakon
