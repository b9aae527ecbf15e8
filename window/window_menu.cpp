// SPDX-License-Identifier: MIT
#include "window/window_menu.h"

#include "window/command_actions.h"
#include "window/option_bindings.h"
#include "window/options_model.h"

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

QMenu* addSubmenu(QMenu* menu, const char* name, const QString& caption)
{
    QMenu* submenu = menu->addMenu(caption);
    submenu->setObjectName(QString::fromLatin1(name));
    return submenu;
}

} // namespace

WindowMenu::WindowMenu(OptionsModel& options, const CommandActions& commands, QWidget* parent)
    : QMenu(parent)
{
    setObjectName(QStringLiteral("windowMenu"));
    addFileMenu(commands);
    connect(addItem(this, "showConversionAction", QStringLiteral("変換")), &QAction::triggered, this,
            [this] { emit pageRequested(Page::Conversion); });
    addSettingsMenu(options);
    connect(addItem(this, "showTableAction", QStringLiteral("早見表")), &QAction::triggered, this,
            [this] { emit pageRequested(Page::Table); });
    connect(addItem(this, "showAgeAction", QStringLiteral("年齢")), &QAction::triggered, this,
            [this] { emit pageRequested(Page::Age); });
    connect(addItem(this, "showStylesAction", QStringLiteral("スタイル")), &QAction::triggered, this,
            [this] { emit pageRequested(Page::Style); });
    addHelpMenu(commands);
    m_hideToTrayAction = addItem(this, "hideToTrayAction", QStringLiteral("トレイに隠す"));
    m_hideToTrayAction->setVisible(false);
    connect(m_hideToTrayAction, &QAction::triggered, this, &WindowMenu::hideToTrayRequested);
}

void WindowMenu::disableStayOnTop(const QString& why)
{
    m_stayOnTopAction->setEnabled(false);
    m_stayOnTopAction->setToolTip(why);
    m_stayOnTopAction->setStatusTip(why);
    if (QMenu* settings = findChild<QMenu*>(QStringLiteral("settingsMenu")))
        settings->setToolTipsVisible(true);
}

void WindowMenu::addFileMenu(const CommandActions& commands)
{
    QMenu* file = addSubmenu(this, "fileMenu", QStringLiteral("ファイル"));
    file->addActions({commands.desktopShortcut, commands.startMenuShortcut, commands.startupShortcut});
    file->addSeparator();
    file->addAction(commands.close);
}

// Check and radio items flip their own mark when chosen; the bindings carry
// the mark into the options and every change of an option back into its mark.
void WindowMenu::addSettingsMenu(OptionsModel& options)
{
    QMenu* settings = addSubmenu(this, "settingsMenu", QStringLiteral("設定"));
    bindCheckAction(addCheckItem(settings, "showZodiacAction", QStringLiteral("干支を表示")), options,
                    &OptionSettings::showEto);
    bindCheckAction(addCheckItem(settings, "showStatusBarAction", QStringLiteral("ステータスバーを表示")), options,
                    &OptionSettings::statusBar);
    m_stayOnTopAction = addCheckItem(settings, "stayOnTopAction", QStringLiteral("常に最前面に表示"));
    bindCheckAction(m_stayOnTopAction, options, &OptionSettings::stayOnTop);
    bindCheckAction(addCheckItem(settings, "emphasizeErasAction", QStringLiteral("該当年を強調表示")), options,
                    &OptionSettings::showBold);
    bindCheckAction(addCheckItem(settings, "showUserEraAction", QStringLiteral("追加の元年を表示")), options,
                    &OptionSettings::userEraShown);
    settings->addSeparator();
    auto* minimizeTargets = new QActionGroup(this);
    QAction* toTaskbar = addCheckItem(settings, "minimizeToTaskbarAction", QStringLiteral("タスクバー"));
    QAction* toTray = addCheckItem(settings, "minimizeToTrayAction", QStringLiteral("タスクトレイ"));
    minimizeTargets->addAction(toTaskbar);
    minimizeTargets->addAction(toTray);
    // Item i stands for the index i of the settings page's choice.
    static_assert(kMinimizeToTaskbar == 0 && kMinimizeToTray == 1);
    bindRadioActions({toTaskbar, toTray}, options, &OptionSettings::minimize);
    settings->addSeparator();
    bindCheckAction(addCheckItem(settings, "askBeforeClosingAction", QStringLiteral("終了時に確認")), options,
                    &OptionSettings::closeQuery);
    bindCheckAction(addCheckItem(settings, "saveSettingsAction", QStringLiteral("設定を保存")), options,
                    &OptionSettings::saveStatus);
}

void WindowMenu::addHelpMenu(const CommandActions& commands)
{
    QMenu* help = addSubmenu(this, "helpMenu", QStringLiteral("ヘルプ"));
    help->addActions({commands.showHelp, commands.about, commands.properties, commands.donation, commands.homeSite});
}

} // namespace erakon
