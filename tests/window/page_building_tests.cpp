// SPDX-License-Identifier: MIT
// The pages the window opens without: made the first time they are shown,
// whichever way, with their controls, names, hints and bindings.
#include "window/main_window.h"

#include "tests/support/scripted_messages.h"
#include "tests/window/window_fixture.h"
#include "widgets/page_control.h"
#include "widgets/radio_group.h"
#include "window/conversion_page.h"
#include "window/page_list.h"
#include "window/table_page.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>

#include <gtest/gtest.h>

#include <functional>

namespace erakon {
namespace {

class PageBuildingTest : public WindowFixture<ScriptedMessages> {
protected:
    void SetUp() override { createWindow(); }

    PageControl* pages() const { return control<PageControl>("pages"); }

    // The page's own widget, or null while it has not been made.
    QWidget* pageNamed(const char* name) const { return window->findChild<QWidget*>(QString::fromLatin1(name)); }
};

TEST_F(PageBuildingTest, TheWindowOpensWithEveryTabButOnlyTheConversionPageMade)
{
    const QStringList captions{"ファイル", "変換", "設 定", "早見表", "年齢", "スタイル", "ヘルプ"};
    ASSERT_EQ(pages()->count(), captions.size());
    for (int i = 0; i < captions.size(); ++i)
        EXPECT_EQ(pages()->tabText(i), captions[i]);
    EXPECT_NE(pageNamed("conversionPage"), nullptr);
    for (const char* name : {"filePage", "settingsPage", "tablePage", "agePage", "stylePage", "helpPage"})
        EXPECT_EQ(pageNamed(name), nullptr) << name;
    // The menu and the options need none of them.
    for (const char* name : {"showTableAction", "showStylesAction", "showZodiacAction", "minimizeToTrayAction"})
        EXPECT_NE(action(name), nullptr) << name;
}

// A screen reader reads the controls of pages not shown too: once assistive
// technology is active, every page is made.
TEST_F(PageBuildingTest, AssistiveTechnologyFindsEveryPageMade)
{
    ASSERT_FALSE(QAccessible::isActive());
    QAccessible::setActive(true);
    QApplication::processEvents();
    QAccessible::setActive(false);
    for (const PageEntry& entry : pageList())
        EXPECT_NE(pageNamed(entry.objectName), nullptr) << entry.objectName;
    EXPECT_EQ(window->shownPage(), Page::Conversion);
}

// One way the user or the program reaches a page.
struct Way {
    const char* name;
    // Whether the page is entered (the table built, the style selected).
    bool enters;
    std::function<void(PageBuildingTest&, Page)> reach;
};

const Way kWays[] = {
    {"tab click", true,
     [](PageBuildingTest& t, Page page) {
         QTabBar* bar = t.control<PageControl>("pages")->tabBar();
         QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(int(page)).center());
     }},
    // Ctrl+Tab from the page before, as the keyboard walks the tabs.
    {"key", true,
     [](PageBuildingTest& t, Page page) {
         auto* pages = t.control<PageControl>("pages");
         t.window->showPage(Page((int(page) + pages->count() - 1) % pages->count()));
         QTest::keyClick(pages, Qt::Key_Tab, Qt::ControlModifier);
     }},
    {"page command", true, [](PageBuildingTest& t, Page page) { t.window->openPage(page); }},
    {"shown by the program", false, [](PageBuildingTest& t, Page page) { t.window->showPage(page); }},
};

class EveryWayTest : public PageBuildingTest, public ::testing::WithParamInterface<Way> {
protected:
    void reach(Page page)
    {
        GetParam().reach(*this, page);
        ASSERT_EQ(window->shownPage(), page) << GetParam().name;
    }
};

TEST_P(EveryWayTest, TheSettingsPageShowsTheOptionsSetBeforeItWasMade)
{
    showActive();
    action("showZodiacAction")->trigger();
    action("minimizeToTrayAction")->trigger();
    reach(Page::Settings);
    auto* zodiac = control<QCheckBox>("showZodiacCheck");
    EXPECT_TRUE(zodiac->isChecked());
    EXPECT_EQ(zodiac->toolTip(), "Show Eto");
    EXPECT_EQ(control<RadioGroup>("minimizeTargetGroup")->itemIndex(), 1);
    EXPECT_EQ(control<QCheckBox>("showHintsCheck")->toolTip(), "Activate");
    // Bound both ways from the first show on.
    zodiac->click();
    EXPECT_FALSE(action("showZodiacAction")->isChecked());
    action("showUserEraAction")->trigger();
    EXPECT_TRUE(control<QCheckBox>("showUserEraCheck")->isChecked());
    EXPECT_TRUE(control<QLineEdit>("userEraNameEdit")->isEnabled());
}

TEST_P(EveryWayTest, TheTablePageIsBuiltWhenEntered)
{
    showActive();
    yearBox("westernYearBox")->setValue(1989);
    reach(Page::Table);
    auto* table = control<TablePage>("tablePage");
    EXPECT_NE(control<QPlainTextEdit>("yearTable"), nullptr);
    EXPECT_EQ(table->selectedTableText().contains(QStringLiteral("1989年")), GetParam().enters);
    if (GetParam().enters) {
        // The page was laid out before it was entered: the selected line
        // stands in the middle of the view, half a view below its top line.
        auto* memo = control<QPlainTextEdit>("yearTable");
        const int visibleLines = memo->viewport()->height() / memo->fontMetrics().height();
        EXPECT_GT(visibleLines, 4);
        const int selectedLine = memo->document()->findBlock(memo->textCursor().selectionStart()).blockNumber();
        EXPECT_EQ(memo->cursorForPosition(QPoint(0, 0)).blockNumber(), selectedLine - visibleLines / 2);
    }
}

TEST_P(EveryWayTest, TheStylePageListsTheStylesWithTheActiveOneCurrent)
{
    showActive();
    reach(Page::Style);
    auto* list = control<QListWidget>("styleList");
    EXPECT_GT(list->count(), 1);
    ASSERT_NE(list->currentItem(), nullptr);
    EXPECT_EQ(list->currentItem()->text(), "Windows");
    EXPECT_EQ(list->toolTip(), "View Style");
}

TEST_P(EveryWayTest, TheButtonPagesTriggerTheirCommands)
{
    showActive();
    struct Row {
        Page page;
        const char* button;
        const char* action;
        const char* hint;
    };
    for (const Row& row : {Row{Page::File, "desktopShortcutButton", "desktopShortcutAction", "ShortCut to DeskTop"},
                           Row{Page::Help, "aboutButton", "aboutAction", "About "}}) {
        reach(row.page);
        auto* button = control<QPushButton>(row.button);
        EXPECT_EQ(button->toolTip(), row.hint);
        // The command itself is the desktop's: here only that it is asked for.
        QObject::disconnect(action(row.action), &QAction::triggered, nullptr, nullptr);
        QSignalSpy triggered(action(row.action), &QAction::triggered);
        button->click();
        EXPECT_EQ(triggered.count(), 1) << row.button;
    }
}

INSTANTIATE_TEST_SUITE_P(Ways, EveryWayTest, ::testing::ValuesIn(kWays), [](const ::testing::TestParamInfo<Way>& info) {
    std::string name = info.param.name;
    std::erase(name, ' ');
    return name;
});

// The table made by its first show hands a double-clicked year back to the
// conversion page.
TEST_F(PageBuildingTest, TheTableMadeAtItsFirstShowLeadsBackToTheConversionPage)
{
    showActive();
    action("showTableAction")->trigger();
    ASSERT_EQ(window->shownPage(), Page::Table);
    auto* table = control<QPlainTextEdit>("yearTable");
    QTextBlock line = table->document()->begin();
    while (line.isValid() && !line.text().contains(QStringLiteral("1926")))
        line = line.next();
    ASSERT_TRUE(line.isValid());
    QTextCursor at(line);
    table->setTextCursor(at);
    table->ensureCursorVisible();
    const QPoint point = table->cursorRect(at).center() + QPoint(2, 0);
    QWidget* viewport = table->viewport();
    QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, point);
    QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, point);
    QTest::mouseDClick(viewport, Qt::LeftButton, Qt::NoModifier, point);
    QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, point);
    EXPECT_EQ(window->shownPage(), Page::Conversion);
    EXPECT_EQ(yearBox("westernYearBox")->text(), "1926");
}

// The smallest window, reckoned at the start from the conversion page and the
// tabs, is the one the layout of every page asks for once all are made.
TEST_F(PageBuildingTest, TheSmallestWindowHoldsEveryPage)
{
    const QSize smallest = window->minimumSize();
    showEveryPage();
    for (const PageEntry& entry : pageList())
        ASSERT_NE(pageNamed(entry.objectName), nullptr) << entry.objectName;
    window->ensurePolished();
    EXPECT_EQ(window->minimumSize(), smallest);
    EXPECT_EQ(smallest, QSize(200, 200).expandedTo(window->minimumSizeHint()));
}

} // namespace
} // namespace erakon
