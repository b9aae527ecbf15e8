// SPDX-License-Identifier: MIT
#include "window/command_actions.h"

#include <QAction>

namespace erakon {
namespace {

QAction* createAction(QObject* owner, const char* name, const QString& text, const QKeySequence& key = {})
{
    auto* action = new QAction(text, owner);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(key);
    return action;
}

} // namespace

CommandActions createCommandActions(QObject* owner)
{
    return {
        .close = createAction(owner, "closeAction", QStringLiteral("閉じる"), Qt::Key_Escape),
        .desktopShortcut = createAction(owner, "desktopShortcutAction", QStringLiteral("デスクトップ登録")),
        .startMenuShortcut = createAction(owner, "startMenuShortcutAction", QStringLiteral("スタートメニュー登録")),
        .startupShortcut = createAction(owner, "startupShortcutAction", QStringLiteral("スタートアップ登録")),
        .showHelp = createAction(owner, "showHelpAction", QStringLiteral("ヘルプ表示"), Qt::Key_F1),
        .about = createAction(owner, "aboutAction", QStringLiteral("バージョン情報")),
        .properties = createAction(owner, "propertiesAction", QStringLiteral("プロパティ表示")),
        .donation = createAction(owner, "donationAction", QStringLiteral("開発支援")),
        .homeSite = createAction(owner, "homeSiteAction", QStringLiteral("ホームサイト表示")),
    };
}

} // namespace erakon
