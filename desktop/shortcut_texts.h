#pragma once

#include <QString>

namespace erakon {

// The texts of the shortcut questions and reports. folder is the folder's
// display name, linkPath the full path of the link file.
enum class ShortcutOutcome { Renewed, RenewFailed, Deleted, DeleteFailed, Created, CreateFailed };

QString shortcutExistsQuestion(const QString& folder, const QString& linkFileName);
QString shortcutReport(ShortcutOutcome outcome, const QString& folder, const QString& linkPath);
QString openFolderQuestion(const QString& folder);
QString folderUnknownReport(const QString& folder);

} // namespace erakon
