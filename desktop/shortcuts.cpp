// SPDX-License-Identifier: MIT
#include "desktop/shortcuts.h"

#include "desktop/clock_timer_pause.h"
#include "desktop/maker_info.h"
#include "desktop/messages.h"
#include "desktop/shortcut_file.h"
#include "desktop/shortcut_texts.h"
#include "settings/atomic_file.h"

#include <QDir>
#include <QFileInfo>

namespace erakon {

namespace {

const QString kLinkExtension = QStringLiteral(".desktop");

QString folderPart(const QString& path)
{
    const qsizetype slash = path.lastIndexOf(u'/');
    return slash < 0 ? QString() : path.left(slash + 1);
}

} // namespace

QString SpecialFolderPath(const DesktopPlatform& platform, SpecialFolder folder)
{
    const QString path = platform.specialFolder(folder);
    // A relative path would land wherever the program happens to run.
    if (path.isEmpty() || !QDir::isAbsolutePath(path))
        return {};
    return path.endsWith(u'/') ? path : path + u'/';
}

QString shortcutFileName(const QString& target, const QString& executablePath)
{
    const QString name = target == executablePath ? QString::fromUtf8(kApplicationTitle)
                                                  : QFileInfo(target).completeBaseName();
    return name + kLinkExtension;
}

void RegisterShortcut(const ShortcutContext& context, SpecialFolder folder, const QString& folderName,
                      const QString& target)
{
    const ClockTimerPause pause(context.clockTimer);

    const QString folderPath = SpecialFolderPath(context.platform, folder);
    if (folderPath.isEmpty()) {
        context.messages.report(folderUnknownReport(folderName));
        return;
    }
    const QString fileName = shortcutFileName(target, context.platform.executablePath());
    const QString linkPath = folderPath + fileName;

    ShortcutOutcome outcome = ShortcutOutcome::CreateFailed;
    std::optional<QString> reason;
    // A link there, even one that points nowhere, is the shortcut.
    if (pathIsTaken(linkPath)) {
        switch (context.messages.askYesNoCancel(shortcutExistsQuestion(folderName, fileName))) {
        case Messages::Answer::Yes:
            reason = writeShortcutFile(linkPath, target);
            outcome = reason ? ShortcutOutcome::RenewFailed : ShortcutOutcome::Renewed;
            break;
        case Messages::Answer::No:
            outcome = deleteShortcutFile(linkPath) ? ShortcutOutcome::Deleted : ShortcutOutcome::DeleteFailed;
            break;
        case Messages::Answer::Cancel: return;
        }
    } else {
        reason = writeShortcutFile(linkPath, target);
        outcome = reason ? ShortcutOutcome::CreateFailed : ShortcutOutcome::Created;
    }
    context.messages.report(shortcutReport(outcome, folderName, linkPath, reason.value_or(QString())));

    if (context.messages.askYesNo(openFolderQuestion(folderName)) == Messages::Answer::Yes)
        revealInFileManager(context.platform, linkPath);
}

void revealInFileManager(DesktopPlatform& platform, const QString& path)
{
    if (QFileInfo::exists(path) && platform.showItems(QUrl::fromLocalFile(path)))
        return;
    const QString folder = folderPart(path);
    if (!folder.isEmpty())
        platform.openUrl(QUrl::fromLocalFile(folder));
}

void registerDesktopShortcut(const ShortcutContext& context)
{
    RegisterShortcut(context, SpecialFolder::Desktop, QStringLiteral("デスクトップ"),
                     context.platform.executablePath());
}

void registerStartMenuShortcut(const ShortcutContext& context)
{
    RegisterShortcut(context, SpecialFolder::Programs, QStringLiteral("スタートメニューのプログラム"),
                     context.platform.executablePath());
}

void registerStartupShortcut(const ShortcutContext& context)
{
    RegisterShortcut(context, SpecialFolder::Startup, QStringLiteral("スタートアップ"),
                     context.platform.executablePath());
}

} // namespace erakon
