// SPDX-License-Identifier: MIT
#include "window/popup_menus.h"

#include <QAction>
#include <QActionGroup>

namespace erakon {
namespace {

QAction* addItem(QMenu* menu, const char* name, const QString& caption)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

QAction* addCheckItem(QMenu* menu, const char* name, const QString& caption)
{
    QAction* action = addItem(menu, name, caption);
    action->setCheckable(true);
    return action;
}

QAction* addNamedSeparator(QMenu* menu, const char* name)
{
    QAction* separator = menu->addSeparator();
    separator->setObjectName(QString::fromLatin1(name));
    return separator;
}

QMenu* addSubmenu(QMenu* menu, const char* name, const QString& caption)
{
    QMenu* submenu = menu->addMenu(caption);
    submenu->setObjectName(QString::fromLatin1(name));
    return submenu;
}

} // namespace

WindowMenu::WindowMenu(QWidget* parent)
    : QMenu(parent)
{
    setObjectName(QStringLiteral("PopupMenu1"));

    FileP1 = addSubmenu(this, "FileP1", QStringLiteral("ファイル"));
    DeskTopP1 = addItem(FileP1, "DeskTopP1", QStringLiteral("デスクトップ登録"));
    StartMenuP1 = addItem(FileP1, "StartMenuP1", QStringLiteral("スタートメニュー登録"));
    StartUpP1 = addItem(FileP1, "StartUpP1", QStringLiteral("スタートアップ登録"));
    N1 = addNamedSeparator(FileP1, "N1");
    CloseP1 = addItem(FileP1, "CloseP1", QStringLiteral("閉じる"));
    CloseP1->setShortcut(Qt::Key_Escape);

    ConvertP1 = addItem(this, "ConvertP1", QStringLiteral("変換"));

    SettingsP1 = addSubmenu(this, "SettingsP1", QStringLiteral("設定"));
    ShowEtoP1 = addCheckItem(SettingsP1, "ShowEtoP1", QStringLiteral("干支を表示"));
    StatusBarP1 = addCheckItem(SettingsP1, "StatusBarP1", QStringLiteral("ステータスバーを表示"));
    StayOnTopP1 = addCheckItem(SettingsP1, "StayOnTopP1", QStringLiteral("常に最前面に表示"));
    ShowBoldP1 = addCheckItem(SettingsP1, "ShowBoldP1", QStringLiteral("該当年を強調表示"));
    AddItemP1 = addCheckItem(SettingsP1, "AddItemP1", QStringLiteral("追加の元年を表示"));
    N2 = addNamedSeparator(SettingsP1, "N2");
    iconPlaceGroup = new QActionGroup(this);
    IconTaskBarP1 = addCheckItem(SettingsP1, "IconTaskBarP1", QStringLiteral("タスクバー"));
    IconTaskTrayP1 = addCheckItem(SettingsP1, "IconTaskTrayP1", QStringLiteral("タスクトレイ"));
    iconPlaceGroup->addAction(IconTaskBarP1);
    iconPlaceGroup->addAction(IconTaskTrayP1);
    IconTaskBarP1->setChecked(true);
    N3 = addNamedSeparator(SettingsP1, "N3");
    CloseQueryP1 = addCheckItem(SettingsP1, "CloseQueryP1", QStringLiteral("終了時に確認"));
    SaveStatusP1 = addCheckItem(SettingsP1, "SaveStatusP1", QStringLiteral("設定を保存"));
    SaveStatusP1->setChecked(true);

    TableP1 = addItem(this, "TableP1", QStringLiteral("早見表"));
    StyleP1 = addItem(this, "StyleP1", QStringLiteral("スタイル"));

    HelpP1 = addSubmenu(this, "HelpP1", QStringLiteral("ヘルプ"));
    HelpP2 = addItem(HelpP1, "HelpP2", QStringLiteral("ヘルプ表示"));
    HelpP2->setShortcut(Qt::Key_F1);
    AboutP1 = addItem(HelpP1, "AboutP1", QStringLiteral("バージョン情報"));
    PropertiesP1 = addItem(HelpP1, "PropertiesP1", QStringLiteral("プロパティ表示"));
    DonationP1 = addItem(HelpP1, "DonationP1", QStringLiteral("開発支援"));
    HomeSiteP1 = addItem(HelpP1, "HomeSiteP1", QStringLiteral("ホームサイト表示"));
}

TrayMenu::TrayMenu(QWidget* parent)
    : QMenu(parent)
{
    setObjectName(QStringLiteral("PopupMenu2"));
    RestoreP2 = addItem(this, "RestoreP2", QStringLiteral("元の大きさに戻す"));
    // The tray menu belongs to no window, so Esc is only shown here.
    CloseP2 = addItem(this, "CloseP2", QStringLiteral("終了\tEsc"));
}

} // namespace erakon
