// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace erakon {

// The Exec value that starts the program at path, quoted and escaped by the
// Desktop Entry rules; nullopt for a path no desktop entry can carry (control
// characters such as a line break, broken UTF-16).
std::optional<QString> desktopEntryExecValue(const QString& path);

// A whole desktop entry (UTF-8) that starts the program at target; nullopt
// when the target cannot be written into one.
std::optional<QByteArray> desktopEntryFor(const QString& target);

} // namespace erakon
