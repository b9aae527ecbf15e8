#pragma once

#include <QString>

namespace erakon {

// Writes the link file at linkPath that starts target: whole or not at all,
// executable, its folder created when missing. False on any failure.
bool writeShortcutFile(const QString& linkPath, const QString& target);

// Removes the link file. False when it could not be removed.
bool deleteShortcutFile(const QString& linkPath);

} // namespace erakon
