// SPDX-License-Identifier: MIT
#include "desktop/shortcut_texts.h"

namespace erakon {

namespace {

const QString kLineBreak = QStringLiteral("\r\n");

} // namespace

QString shortcutExistsQuestion(const QString& folder, const QString& linkFileName)
{
    return folder + QStringLiteral(" には既に ") + linkFileName + QStringLiteral(" が存在します。") + kLineBreak
        + QStringLiteral("更新しますか？") + kLineBreak + kLineBreak
        + QStringLiteral("[はい]: 更新, [いいえ]: 削除, [Cancel]: 取消し");
}

QString shortcutReport(ShortcutOutcome outcome, const QString& folder, const QString& linkPath, const QString& reason)
{
    QString preposition;
    QString result;
    switch (outcome) {
    case ShortcutOutcome::Renewed:
        preposition = QStringLiteral(" の ");
        result = QStringLiteral("更新しました。");
        break;
    case ShortcutOutcome::RenewFailed:
        preposition = QStringLiteral(" の ");
        result = QStringLiteral("更新できませんでした。");
        break;
    case ShortcutOutcome::Deleted:
        preposition = QStringLiteral(" から ");
        result = QStringLiteral("削除しました。");
        break;
    case ShortcutOutcome::DeleteFailed:
        preposition = QStringLiteral(" から ");
        result = QStringLiteral("削除できませんでした。") + kLineBreak
            + QStringLiteral("削除済み、または他で使用中です。");
        break;
    case ShortcutOutcome::Created:
        preposition = QStringLiteral(" に ");
        result = QStringLiteral("新規作成しました。");
        break;
    case ShortcutOutcome::CreateFailed:
        preposition = QStringLiteral(" に ");
        result = QStringLiteral("新規作成できませんでした。");
        break;
    }
    if (!reason.isEmpty())
        result += kLineBreak + reason;
    return QStringLiteral("フォルダ ") + folder + preposition + kLineBreak + linkPath + kLineBreak + result;
}

QString openFolderQuestion(const QString& folder)
{
    return QStringLiteral("フォルダ ") + folder + QStringLiteral(" を開きますか？");
}

QString folderUnknownReport(const QString& folder)
{
    return QStringLiteral("フォルダ ") + folder + QStringLiteral(" の場所がわかりません。");
}

QString programPathUnknownReason() { return QStringLiteral("プログラムの場所がわかりません。"); }

QString programPathNotUtf8Reason()
{
    return QStringLiteral("プログラムのパスに UTF-8 として読めない文字があり、ショートカットに書けません。");
}

QString programPathControlCharacterReason()
{
    return QStringLiteral("プログラムのパスに改行などの制御文字があり、ショートカットに書けません。");
}

} // namespace erakon
