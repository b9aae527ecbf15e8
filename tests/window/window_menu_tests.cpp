// SPDX-License-Identifier: MIT
// The window's menu beside the settings page, both bound to one options
// model, each mirroring the other; and the commands the menu shares with the
// file and help pages.
#include "window/window_menu.h"

#include "widgets/radio_group.h"
#include "widgets/year_box.h"
#include "window/command_actions.h"
#include "window/file_page.h"
#include "window/help_page.h"
#include "window/options_model.h"
#include "window/settings_page.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace erakon {
namespace {

class WindowMenuTest : public ::testing::Test {
protected:
    template <typename T>
    T* control(const char* name) const
    {
        const QString objectName = QString::fromLatin1(name);
        if (T* found = settingsPage.findChild<T*>(objectName))
            return found;
        if (T* found = menu.findChild<T*>(objectName))
            return found;
        throw std::logic_error(std::string("neither the settings page nor the menu has ") + name);
    }

    QAction* action(const char* name) const { return control<QAction>(name); }

    OptionsModel options{OptionSettings{}};
    QObject owner;
    CommandActions commands = createCommandActions(&owner);
    SettingsPage settingsPage{options};
    WindowMenu menu{options, commands};
};

TEST_F(WindowMenuTest, MenuMarksMirrorTheSettingsPage)
{
    control<QCheckBox>("showZodiacCheck")->setChecked(true);
    control<QCheckBox>("stayOnTopCheck")->setChecked(true);
    control<QCheckBox>("askBeforeClosingCheck")->setChecked(true);
    control<QCheckBox>("saveSettingsCheck")->setChecked(false);
    control<RadioGroup>("minimizeTargetGroup")->setItemIndex(-1);
    EXPECT_TRUE(action("showZodiacAction")->isChecked());
    EXPECT_TRUE(action("stayOnTopAction")->isChecked());
    EXPECT_FALSE(action("showStatusBarAction")->isChecked());
    EXPECT_FALSE(action("emphasizeErasAction")->isChecked());
    EXPECT_FALSE(action("showUserEraAction")->isChecked());
    EXPECT_TRUE(action("minimizeToTrayAction")->isChecked());
    EXPECT_FALSE(action("minimizeToTaskbarAction")->isChecked());
    EXPECT_TRUE(action("askBeforeClosingAction")->isChecked());
    EXPECT_FALSE(action("saveSettingsAction")->isChecked());
}

struct MenuCase {
    const char* name;
    const char* item;
    const char* checkBox;
};

class MenuCheckItem : public WindowMenuTest, public ::testing::WithParamInterface<MenuCase> {};

TEST_P(MenuCheckItem, ChoosingFlipsTheSetting)
{
    const MenuCase& row = GetParam();
    auto* box = control<QCheckBox>(row.checkBox);
    auto* item = menu.findChild<QAction*>(QString::fromLatin1(row.item));
    ASSERT_TRUE(box && item);
    const bool before = box->isChecked();
    item->trigger();
    EXPECT_EQ(box->isChecked(), !before);
}

INSTANTIATE_TEST_SUITE_P(, MenuCheckItem,
                         ::testing::Values(MenuCase{"ShowEto", "showZodiacAction", "showZodiacCheck"},
                                           MenuCase{"StatusBar", "showStatusBarAction", "showStatusBarCheck"},
                                           MenuCase{"StayOnTop", "stayOnTopAction", "stayOnTopCheck"},
                                           MenuCase{"ShowBold", "emphasizeErasAction", "emphasizeErasCheck"},
                                           MenuCase{"AddItem", "showUserEraAction", "showUserEraCheck"},
                                           MenuCase{"CloseQuery", "askBeforeClosingAction", "askBeforeClosingCheck"},
                                           MenuCase{"SaveStatus", "saveSettingsAction", "saveSettingsCheck"}),
                         [](const auto& info) { return std::string(info.param.name); });

// The user era's name and origin can be edited exactly while the era is
// shown, however that changes: from the menu, from the settings page, or
// from the options.
TEST_F(WindowMenuTest, UserEraEditsFollowTheShownUserEra)
{
    const auto editable = [this] {
        const bool name = control<QLineEdit>("userEraNameEdit")->isEnabled();
        EXPECT_EQ(control<YearBox>("userEraOriginBox")->isEnabled(), name);
        return name;
    };
    EXPECT_FALSE(editable());
    action("showUserEraAction")->trigger();
    EXPECT_TRUE(editable());
    control<QCheckBox>("showUserEraCheck")->click();
    EXPECT_FALSE(editable());
    options.set(&OptionSettings::userEraShown, true);
    EXPECT_TRUE(editable());
}

// Each command the menu and a page's button both offer is one action: the
// menu shows it, the button triggers it.
TEST_F(WindowMenuTest, MenuAndButtonsShareOneActionPerCommand)
{
    FilePage filePage(commands);
    HelpPage helpPage(commands);
    struct Case {
        QAction* action;
        const char* menu;
        QWidget* page;
        const char* button;
    };
    for (const Case& c : {Case{commands.desktopShortcut, "fileMenu", &filePage, "desktopShortcutButton"},
                          Case{commands.startMenuShortcut, "fileMenu", &filePage, "startMenuShortcutButton"},
                          Case{commands.startupShortcut, "fileMenu", &filePage, "startupShortcutButton"},
                          Case{commands.showHelp, "helpMenu", &helpPage, "helpButton"},
                          Case{commands.about, "helpMenu", &helpPage, "aboutButton"},
                          Case{commands.properties, "helpMenu", &helpPage, "propertiesButton"},
                          Case{commands.donation, "helpMenu", &helpPage, "donationButton"},
                          Case{commands.homeSite, "helpMenu", &helpPage, "homeSiteButton"}}) {
        const std::string name = c.action->objectName().toStdString();
        EXPECT_TRUE(control<QMenu>(c.menu)->actions().contains(c.action)) << name;
        QSignalSpy triggered(c.action, &QAction::triggered);
        c.page->findChild<QPushButton*>(QString::fromLatin1(c.button))->click();
        EXPECT_EQ(triggered.count(), 1) << name;
    }
    EXPECT_TRUE(control<QMenu>("fileMenu")->actions().contains(commands.close));
    EXPECT_EQ(commands.close->shortcut(), QKeySequence(Qt::Key_Escape));
    EXPECT_EQ(commands.showHelp->shortcut(), QKeySequence(Qt::Key_F1));
}

} // namespace
} // namespace erakon
