// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QWidget;

namespace erakon {

class DesktopPlatform;
class Messages;

// The help file's name: the program's file name with ".chm" for its last
// extension.
QString helpFileName(const QString& executablePath);

// Whether a folder may be searched for a file to open: not writable by every
// user, and owned by this user or by root, as sudo and ssh judge the paths
// they trust. A help file in /tmp, or in a folder another user owns, could
// have been put there by anyone.
bool folderIsTrusted(const QString& folder);

// Looks for the help file in the program's folder and then in each parent up
// to the root, passing over folders that are not trusted; the first hit wins.
std::optional<QString> findHelpFile(const QString& executablePath,
                                    const std::function<bool(const QString&)>& fileExists,
                                    const std::function<bool(const QString&)>& folderTrusted = folderIsTrusted);

// Where the user's manual may be, nearest first: beside the program (a build
// tree, an unpacked folder), then where an installation puts it, reckoned
// from the program's folder so that any installation prefix works.
QStringList manualIndexCandidates(const QString& executablePath);
std::optional<QString> findManualIndex(const QString& executablePath,
                                       const std::function<bool(const QString&)>& fileExists);

// Opens the help file; without one, the user's manual in the browser; with
// neither, reports the help file as not found.
void showHelp(DesktopPlatform& platform, Messages& messages);

// Takes the main window out of stay-on-top (its setting keeps its state) and
// shows the file's properties: the file manager's sheet, or the program's own
// window when no file manager answers. True when either was shown.
bool ShowFileProperties(QWidget* mainWindow, DesktopPlatform& platform, const QString& path);
void showProgramProperties(QWidget* mainWindow, DesktopPlatform& platform);

void openDonationPage(DesktopPlatform& platform);
void openHomeSite(DesktopPlatform& platform);

} // namespace erakon
