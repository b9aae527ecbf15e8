// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QWidget>

namespace erakon {

// A control's English hint: its tooltip and, for screen readers, its description.
inline void setHint(QWidget* widget, const QString& hint)
{
    widget->setToolTip(hint);
    widget->setAccessibleDescription(hint);
}

} // namespace erakon
