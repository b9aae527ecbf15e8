// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace erakon {

// The texts of the shortcut questions and reports. folder is the folder's
// display name, linkPath the full path of the link file.
enum class ShortcutOutcome { Renewed, RenewFailed, Deleted, DeleteFailed, Created, CreateFailed };

QString shortcutExistsQuestion(const QString& folder, const QString& linkFileName);
// reason, when given, says on a line of its own why a shortcut could not be
// made or renewed.
QString shortcutReport(ShortcutOutcome outcome, const QString& folder, const QString& linkPath,
                       const QString& reason = {});
QString openFolderQuestion(const QString& folder);
QString folderUnknownReport(const QString& folder);

// Why no shortcut can be written for the running program.
QString programPathUnknownReason();
QString programPathNotUtf8Reason();
QString programPathControlCharacterReason();

} // namespace erakon
