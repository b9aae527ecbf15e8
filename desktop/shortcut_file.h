// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <optional>

namespace erakon {

// Writes the link file at linkPath that starts target: whole or not at all,
// executable, its folder created when missing. Whatever stands at linkPath
// (a symbolic link included) is replaced itself; no other file is ever
// written. Returns why it failed, as a sentence for the user.
std::optional<QString> writeShortcutFile(const QString& linkPath, const QString& target);

// Removes the link file; a symbolic link there goes, not what it points to.
// False when it could not be removed.
bool deleteShortcutFile(const QString& linkPath);

} // namespace erakon
