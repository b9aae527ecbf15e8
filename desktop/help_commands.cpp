// SPDX-License-Identifier: MIT
#include "desktop/help_commands.h"

#include "desktop/desktop_platform.h"
#include "desktop/file_properties_window.h"
#include "desktop/maker_info.h"
#include "desktop/messages.h"

#include "settings/raw_bytes.h"

#include <QDir>
#include <QFileInfo>
#include <QWidget>

#include <sys/stat.h>
#include <unistd.h>

namespace erakon {

QString helpFileName(const QString& executablePath)
{
    return QFileInfo(executablePath).completeBaseName() + QStringLiteral(".chm");
}

bool folderIsTrusted(const QString& folder)
{
    struct stat status {};
    if (::stat(encodeFileName(folder).constData(), &status) != 0)
        return false;
    const bool othersMayWrite = (status.st_mode & S_IWOTH) != 0;
    const bool ownedByAnother = status.st_uid != ::geteuid() && status.st_uid != 0;
    return !othersMayWrite && !ownedByAnother;
}

std::optional<QString> findHelpFile(const QString& executablePath,
                                    const std::function<bool(const QString&)>& fileExists,
                                    const std::function<bool(const QString&)>& folderTrusted)
{
    const QString name = helpFileName(executablePath);
    // Walks the path's text, so folders that cannot be listed still count.
    QString folder = QDir::cleanPath(QFileInfo(executablePath).absolutePath());
    for (;;) {
        const QString candidate = folder.endsWith(u'/') ? folder + name : folder + u'/' + name;
        if (folderTrusted(folder) && fileExists(candidate))
            return candidate;
        const QString parent = QFileInfo(folder).path();
        if (parent == folder)
            return std::nullopt;
        folder = parent;
    }
}

QStringList manualIndexCandidates(const QString& executablePath)
{
    const QDir folder(QFileInfo(executablePath).absolutePath());
    const QString index = QStringLiteral("/index.html");
    return {QDir::cleanPath(folder.filePath(QStringLiteral(ERAKON_MANUAL_BESIDE_PROGRAM)) + index),
            QDir::cleanPath(folder.filePath(QStringLiteral(ERAKON_MANUAL_FROM_PROGRAM)) + index)};
}

std::optional<QString> findManualIndex(const QString& executablePath,
                                       const std::function<bool(const QString&)>& fileExists)
{
    for (const QString& candidate : manualIndexCandidates(executablePath)) {
        if (fileExists(candidate))
            return candidate;
    }
    return std::nullopt;
}

void showHelp(DesktopPlatform& platform, Messages& messages)
{
    const QString executable = platform.executablePath();
    const auto isFile = [](const QString& path) { return QFileInfo(path).isFile(); };
    if (const std::optional<QString> help = findHelpFile(executable, isFile)) {
        platform.openUrl(QUrl::fromLocalFile(*help));
        return;
    }
    if (const std::optional<QString> manual = findManualIndex(executable, isFile)) {
        platform.openUrl(QUrl::fromLocalFile(*manual));
        return;
    }
    messages.report(QStringLiteral("HelpFile Not Found.\r\n\r\n") + helpFileName(executable));
}

bool ShowFileProperties(QWidget* mainWindow, DesktopPlatform& platform, const QString& path)
{
    if (mainWindow && mainWindow->windowFlags().testFlag(Qt::WindowStaysOnTopHint)) {
        // Changing the flags hides a window; it comes back where it was.
        const bool wasVisible = mainWindow->isVisible();
        mainWindow->setWindowFlag(Qt::WindowStaysOnTopHint, false);
        if (wasVisible)
            mainWindow->show();
    }
    if (platform.showItemProperties(QUrl::fromLocalFile(path)))
        return true;
    auto* window = new FilePropertiesWindow(path, mainWindow);
    window->show();
    return true;
}

void showProgramProperties(QWidget* mainWindow, DesktopPlatform& platform)
{
    ShowFileProperties(mainWindow, platform, platform.executablePath());
}

void openDonationPage(DesktopPlatform& platform) { platform.openUrl(QUrl(kSiteRoot + kDonationPage)); }

void openHomeSite(DesktopPlatform& platform) { platform.openUrl(QUrl(kSiteRoot)); }

} // namespace erakon
