// SPDX-License-Identifier: MIT
// The window with an era an era file adds: 新元 from 20 May 2025, two years
// after the fixture's day. The clock, the year table and the conversion page
// follow it; problems of the era files are reported once.
#include "core/era_file.h"
#include "tests/support/scripted_messages.h"
#include "tests/window/window_fixture.h"
#include "tests/window/year_boxes.h"
#include "widgets/clock_status_bar.h"
#include "window/age_page.h"
#include "window/life_table.h"
#include "window/table_page.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <gtest/gtest.h>

#include <memory>

namespace erakon {
namespace {

class AddedEraWindowTest : public WindowFixture<ScriptedMessages> {
protected:
    void SetUp() override
    {
        auto table = std::make_shared<EraTable>();
        table->addFile("eras.conf", "新元 しんげん Shingen N 2025-05-20\n");
        ASSERT_TRUE(table->problems().empty());
        eras = ModernEras(std::move(table));
        createWindow();
    }

    // The era boxes' names, values and emphasis, in the order of the rows.
    QStringList eraRows() const
    {
        QStringList rows;
        for (const char* role : {"taisho", "showa", "heisei", "reiwa", "shingen"}) {
            const auto* label = control<QLabel>((std::string(role) + "Label").c_str());
            const YearBox* box = yearBox((std::string(role) + "YearBox").c_str());
            rows << label->text() + u'=' + box->text() + (box->font().bold() ? QStringLiteral(" bold") : QString());
        }
        return rows;
    }
};

TEST_F(AddedEraWindowTest, TheConversionPageShowsTheFiveLatestErasAndKeepsTheUserEra)
{
    control<QCheckBox>("emphasizeErasCheck")->setChecked(true);
    EXPECT_EQ(window->findChild<YearBox*>(QStringLiteral("meijiYearBox")), nullptr);
    EXPECT_TRUE(window->findChild<YearBox*>(QStringLiteral("userEraYearBox")));
    EXPECT_EQ(control<QLabel>("shingenLabel")->toolTip(), "SHINGEN");
    EXPECT_EQ(yearBox("shingenYearBox")->lineEdit()->accessibleName(), "新元");

    // The year of the change belongs to both eras.
    typeOver(yearBox("westernYearBox"), QStringLiteral("2025"));
    EXPECT_EQ(eraRows(), (QStringList{"大正=114", "昭和=100", "平成=37", "令和=7 bold", "新元=1 bold"}));
    typeOver(yearBox("shingenYearBox"), QStringLiteral("3"));
    EXPECT_EQ(yearBox("westernYearBox")->text(), "2027");
    EXPECT_EQ(eraRows(), (QStringList{"大正=116", "昭和=102", "平成=39", "令和=9", "新元=3 bold"}));
    typeOver(yearBox("reiwaYearBox"), QStringLiteral("1"));
    EXPECT_EQ(eraRows(), (QStringList{"大正=108", "昭和=94", "平成=31 bold", "令和=1 bold", "新元=-5"}));
}

TEST_F(AddedEraWindowTest, TheClockShowsTheNewEraFromItsFirstDay)
{
    window->clockTick();
    EXPECT_EQ(control<ClockStatusBar>("clockStatusBar")->panelText(), "令和5年(2023年) 5月20日(土)  14:05");
    clock.set(makeDateTime(2025, 5, 19, 23, 59, 0));
    window->clockTick();
    EXPECT_EQ(control<ClockStatusBar>("clockStatusBar")->panelText(), "令和7年(2025年) 5月19日(月)  23:59");
    clock.set(makeDateTime(2025, 5, 20, 0, 0, 0));
    window->clockTick();
    EXPECT_EQ(control<ClockStatusBar>("clockStatusBar")->panelText(), "新元元年(2025年) 5月20日(火)  00:00");
}

TEST_F(AddedEraWindowTest, TheYearTableRunsToTheNewErasNinetyNinthYear)
{
    window->openPage(Page::Table);
    const QStringList lines = control<QPlainTextEdit>("yearTable")->toPlainText().split(u'\n', Qt::SkipEmptyParts);
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_TRUE(lines.first().startsWith(QStringLiteral("明治元\t1868年")));
    EXPECT_EQ(lines.last(), "新元99\t2123年\t100年後\t\t");
    const qsizetype change = lines.indexOf(QStringLiteral("令和7\t2025年\t2年後\t\t"));
    ASSERT_GE(change, 0);
    EXPECT_EQ(lines.value(change + 1), "新元元\t2025年\t2年後\t\t");
}

TEST_F(AddedEraWindowTest, TheAgePageReadsAndWritesTheNewEra)
{
    clock.set(makeDateTime(2030, 6, 1, 12, 0, 0));
    window->openPage(Page::Age);
    EXPECT_EQ(control<QLineEdit>("asOfDateEdit")->text(), "新元6年6月1日");
    auto* birth = control<QLineEdit>("birthDateEdit");
    birth->setText(QStringLiteral("新元2年4月2日"));
    const std::vector<LifeRow>& rows = control<LifeTable>("lifeTable")->rows();
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows.front().standaloneText(), "生年月日：新元2年4月2日（2026年4月2日）");
}

using EraFileProblemsTest = WindowFixture<ScriptedMessages>;

TEST_F(EraFileProblemsTest, AreReportedOnceAfterTheWindowIsUp)
{
    eraFileProblems = {QStringLiteral("/etc/xdg/Harunagi/erakon/eras.conf:2: the first day is not YYYY-MM-DD")};
    createWindow();
    EXPECT_TRUE(messages.shown.isEmpty());
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].startsWith(QStringLiteral("report: 元号ファイルの次の行は使えない")));
    EXPECT_TRUE(messages.shown[0].endsWith(
        QStringLiteral("\n\n/etc/xdg/Harunagi/erakon/eras.conf:2: the first day is not YYYY-MM-DD")));
    // The built-in eras stand; the window converts as ever.
    typeOver(yearBox("westernYearBox"), QStringLiteral("1989"));
    EXPECT_EQ(yearBox("heiseiYearBox")->intValue(), 1);
}

} // namespace
} // namespace erakon
