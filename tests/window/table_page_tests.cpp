// SPDX-License-Identifier: MIT
#include "window/table_page.h"

#include "core/clock.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <ostream>

// Readable failures for texts of the table.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace erakon {
namespace {

class TablePageTest : public ::testing::Test {
protected:
    TablePageTest()
    {
        page.setShowEtoSource([this] { return showEto; });
        page.resize(391, 260);
        page.show();
    }

    QPlainTextEdit* table() const { return page.findChild<QPlainTextEdit*>(QStringLiteral("yearTable")); }

    QStringList tableLines() const { return page.tableText().split(QStringLiteral("\r\n")); }

    // All lines of one Western year, in table order.
    QStringList linesOfYear(int year) const
    {
        const QString field = QStringLiteral("\t%1年\t").arg(year);
        QStringList found;
        for (const QString& line : tableLines())
            if (line.contains(field))
                found << line;
        return found;
    }

    int selectedLineIndex() const
    {
        return table()->document()->findBlock(table()->textCursor().selectionStart()).blockNumber();
    }

    void doubleClickLine(int line)
    {
        QTextCursor at(table()->document()->findBlockByNumber(line));
        table()->setTextCursor(at);
        table()->ensureCursorVisible();
        const QPoint point = table()->cursorRect(at).center() + QPoint(2, 0);
        // What the platform delivers for a double-click: click, press,
        // double-click, release.
        QWidget* viewport = table()->viewport();
        QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, point);
        QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, point);
        QTest::mouseDClick(viewport, Qt::LeftButton, Qt::NoModifier, point);
        QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, point);
    }

    FixedClock clock{makeDateTime(2023, 5, 20, 14, 5, 9)};
    bool showEto = true;
    TablePage page{clock};
};

TEST_F(TablePageTest, StartsAsAnEmptyEditableBox)
{
    ASSERT_NE(table(), nullptr);
    EXPECT_EQ(table()->toPlainText(), QString());
    EXPECT_EQ(table()->toolTip(), QStringLiteral("Year Table"));
    EXPECT_EQ(table()->accessibleDescription(), QStringLiteral("Year Table"));
    EXPECT_FALSE(table()->isReadOnly());
    EXPECT_EQ(table()->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_EQ(table()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(table()->font(), page.font());
}

struct YearLinesCase {
    const char* name;
    int year;
    QStringList lines;
};
void PrintTo(const YearLinesCase& c, std::ostream* out) { *out << c.name; }

class TablePageYearLinesTest : public TablePageTest, public ::testing::WithParamInterface<YearLinesCase> {};

TEST_P(TablePageYearLinesTest, ShowsTheYearsLinesInOrder)
{
    page.build(QString());
    EXPECT_EQ(linesOfYear(GetParam().year), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    BuiltIn2023, TablePageYearLinesTest,
    ::testing::Values(
        YearLinesCase{"FirstYear", 1868, {"明治元\t1868年\t155年前\t辰・たつ\t"}},
        YearLinesCase{"LastMeijiOnlyYear", 1911, {"明治44\t1911年\t112年前\t亥・い\t"}},
        YearLinesCase{"TaishoBegins", 1912, {"明治45\t1912年\t111年前\t子・ね\t", "大正元\t1912年\t111年前\t子・ね\t"}},
        YearLinesCase{"ShowaBegins", 1926, {"大正15\t1926年\t97年前\t寅・とら\t", "昭和元\t1926年\t97年前\t寅・とら\t"}},
        YearLinesCase{"HeiseiBegins", 1989, {"昭和64\t1989年\t34年前\t巳・み\t", "平成元\t1989年\t34年前\t巳・み\t"}},
        YearLinesCase{"ReiwaBegins", 2019, {"平成31\t2019年\t4年前\t亥・い\t", "令和元\t2019年\t4年前\t亥・い\t"}},
        YearLinesCase{"LastYear", 2022, {"令和4\t2022年\t1年前\t寅・とら\t"}},
        YearLinesCase{"CurrentYear", 2023, {"令和5\t2023年\t-----\t卯・う\t"}},
        YearLinesCase{"NextYear", 2024, {"令和6\t2024年\t1年後\t辰・たつ\t"}},
        YearLinesCase{"LastYearOfTheTable", 2117, {"令和99\t2117年\t94年後\t丑・うし\t"}},
        YearLinesCase{"BeforeTheTable", 1867, {}}, YearLinesCase{"AfterTheTable", 2118, {}}),
    [](const ::testing::TestParamInfo<YearLinesCase>& info) { return std::string(info.param.name); });

TEST_F(TablePageTest, HoldsEveryYearOnceOrTwiceWithCrLfAfterEachLine)
{
    page.build(QStringLiteral("2023"));
    const QString text = page.tableText();
    ASSERT_TRUE(text.endsWith(QStringLiteral("\r\n")));
    EXPECT_FALSE(text.contains(QStringLiteral("\r\n\r\n")));

    QStringList lines = tableLines();
    EXPECT_EQ(lines.takeLast(), QString()); // the empty line after the last line break
    EXPECT_EQ(lines.size(), 250 + 4);
    // Ascending years, each line ending with its fourth tab.
    int previousYear = 1867;
    for (const QString& line : lines) {
        const QStringList fields = line.split(u'\t');
        ASSERT_EQ(fields.size(), 5) << line.toStdString();
        const int year = fields[1].chopped(1).toInt();
        EXPECT_TRUE(year == previousYear + 1 || (year == previousYear && linesOfYear(year).size() == 2))
            << line.toStdString();
        previousYear = year;
    }
    EXPECT_EQ(previousYear, 2117);
}

TEST_F(TablePageTest, ReadsTheZodiacSettingAndTheCurrentYearAtEveryBuild)
{
    page.build(QString());
    showEto = false;
    clock.set(makeDateTime(2024, 1, 1));
    page.build(QString());

    EXPECT_EQ(linesOfYear(2024), QStringList{"令和6\t2024年\t-----\t\t"});
    QStringList lines = tableLines();
    lines.removeLast(); // the empty line after the last line break
    for (const QString& line : lines)
        EXPECT_TRUE(line.endsWith(QStringLiteral("\t\t"))) << line.toStdString();
}

TEST_F(TablePageTest, ANewBuildThrowsUserEditsAway)
{
    page.build(QStringLiteral("2023"));
    const QString built = page.tableText();

    table()->setFocus();
    QTest::keyClicks(table(), QStringLiteral("xyz"));
    ASSERT_NE(page.tableText(), built);
    page.build(QStringLiteral("2023"));
    EXPECT_EQ(page.tableText(), built);

    // Edited and undone: the same text, but the box's history is not that of
    // a fresh build.
    QTest::keyClicks(table(), QStringLiteral("x"));
    table()->undo();
    page.build(QStringLiteral("2023"));
    EXPECT_EQ(page.tableText(), built);
    EXPECT_FALSE(table()->document()->isRedoAvailable());
}

TEST_F(TablePageTest, TakesItsYearsFromTheEraOffsets)
{
    int meiji = 1867;
    int reiwa = 2018;
    page.setOffsetSources([&] { return meiji; }, [&] { return reiwa; });

    meiji = 2019;
    reiwa = 1924;
    page.build(QStringLiteral("2001"));
    EXPECT_EQ(page.tableText(),
              "令和2\t2020年\t3年前\t子・ね\t\r\n"
              "令和3\t2021年\t2年前\t丑・うし\t\r\n"
              "令和4\t2022年\t1年前\t寅・とら\t\r\n"
              "令和5\t2023年\t-----\t卯・う\t\r\n");
    // 2001 is not in the table: the first line is selected.
    EXPECT_EQ(page.selectedTableText(), "令和2\t2020年\t3年前\t子・ね\t\r\n");

    meiji = 2200;
    page.build(QStringLiteral("2023"));
    EXPECT_EQ(page.tableText(), QString());
}

enum class View { Top, Middle, End };

struct SelectionCase {
    const char* name;
    const char* searchText;
    QString selected;
    View view;
};
void PrintTo(const SelectionCase& c, std::ostream* out) { *out << c.name; }

class TablePageSelectionTest : public TablePageTest, public ::testing::WithParamInterface<SelectionCase> {};

TEST_P(TablePageSelectionTest, SelectsTheLastMatchingYearAndScrollsItIntoTheMiddle)
{
    const SelectionCase& c = GetParam();
    page.build(QString::fromUtf8(c.searchText));

    EXPECT_EQ(page.selectedTableText(), c.selected);
    const QScrollBar* bar = table()->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    switch (c.view) {
    case View::Top: EXPECT_EQ(bar->value(), 0); break;
    case View::End: EXPECT_EQ(bar->value(), bar->maximum()); break;
    case View::Middle: {
        const int visibleLines = table()->viewport()->height() / table()->fontMetrics().height();
        const int line = selectedLineIndex();
        EXPECT_GT(bar->value(), 0);
        EXPECT_LE(bar->value(), line);
        EXPECT_LE(std::abs(line - (bar->value() + visibleLines / 2)), 1);
        break;
    }
    }
}

const QString kFirstLine = "明治元\t1868年\t155年前\t辰・たつ\t\r\n";

INSTANTIATE_TEST_SUITE_P(
    BuiltIn2023, TablePageSelectionTest,
    ::testing::Values(
        SelectionCase{"FirstYear", "1868", kFirstLine, View::Top},
        SelectionCase{"EmptyText", "", kFirstLine, View::Top},
        SelectionCase{"YearBeforeTheTable", "1800", kFirstLine, View::Top},
        SelectionCase{"NotANumber", "abc", kFirstLine, View::Top},
        SelectionCase{"CurrentYear", "2023", "令和5\t2023年\t-----\t卯・う\t\r\n", View::Middle},
        SelectionCase{"EraChangeYearTakesBothLines", "2019",
                      "平成31\t2019年\t4年前\t亥・い\t\r\n令和元\t2019年\t4年前\t亥・い\t\r\n", View::Middle},
        SelectionCase{"TaishoYearTakesBothLines", "1912",
                      "明治45\t1912年\t111年前\t子・ね\t\r\n大正元\t1912年\t111年前\t子・ね\t\r\n", View::Middle},
        SelectionCase{"OneDigitMatchesTheLastYear", "1", "令和99\t2117年\t94年後\t丑・うし\t\r\n", View::End},
        SelectionCase{"TwoDigitsMatchADistance", "19", "令和24\t2042年\t19年後\t戌・いぬ\t\r\n", View::Middle},
        SelectionCase{"LastYear", "2117", "令和99\t2117年\t94年後\t丑・うし\t\r\n", View::End}),
    [](const ::testing::TestParamInfo<SelectionCase>& info) { return std::string(info.param.name); });

TEST_F(TablePageTest, DoubleClickOnAYearLineHandsBackItsYear)
{
    page.build(QStringLiteral("2019"));
    QSignalSpy chosen(&page, &TablePage::yearChosen);

    doubleClickLine(selectedLineIndex() + 1);

    ASSERT_EQ(chosen.size(), 1);
    EXPECT_EQ(chosen.front().front().toString(), QStringLiteral("2019"));
    EXPECT_EQ(page.selectedTableText(), QStringLiteral("令和元\t2019年\t4年前\t亥・い\t"));
}

struct EditedLineCase {
    const char* name;
    QString text;
    int line;
    QString selected;
    std::optional<QString> year;
};
void PrintTo(const EditedLineCase& c, std::ostream* out) { *out << c.name; }

class TablePageEditedLineTest : public TablePageTest, public ::testing::WithParamInterface<EditedLineCase> {};

TEST_P(TablePageEditedLineTest, DoubleClickTakesWhatFollowsTheFirstTab)
{
    const EditedLineCase& c = GetParam();
    table()->setPlainText(c.text);
    QSignalSpy chosen(&page, &TablePage::yearChosen);

    doubleClickLine(c.line);

    EXPECT_EQ(page.selectedTableText(), c.selected);
    if (c.year) {
        ASSERT_EQ(chosen.size(), 1);
        EXPECT_EQ(chosen.front().front().toString(), *c.year);
    } else {
        EXPECT_EQ(chosen.size(), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    UserEdits, TablePageEditedLineTest,
    ::testing::Values(EditedLineCase{"LineWithoutTabIsOnlySelected", "first\nno tab here\n", 1, "no tab here",
                                     std::nullopt},
                      EditedLineCase{"AtMostFourCharacters", "x\t12345年\n", 0, "x\t12345年", "1234"},
                      EditedLineCase{"TextAsItStands", "x\tab\n", 0, "x\tab", "ab"},
                      EditedLineCase{"NothingAfterTheTab", "x\t\n", 0, "x\t", ""},
                      EditedLineCase{"EmptyLastLineDoesNothing", "x\t2019年\n", 1, "", std::nullopt},
                      EditedLineCase{"EmptyLineInBetweenDoesNothing", "x\t2019年\n\ny\t2020年\n", 1, "", std::nullopt},
                      EditedLineCase{"LastLineWithoutLineBreak", "x\t2019年\ny\t2020年", 1, "y\t2020年", "2020"}),
    [](const ::testing::TestParamInfo<EditedLineCase>& info) { return std::string(info.param.name); });

// Counts the paint events of one widget.
class PaintCounter final : public QObject {
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

TEST_F(TablePageTest, RepaintsOncePerBuild)
{
    QCoreApplication::processEvents();
    PaintCounter counter(table()->viewport());

    page.build(QStringLiteral("2019"));
    EXPECT_EQ(counter.paints, 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(counter.paints, 1);
}

TEST_F(TablePageTest, EnterAddsNoLineBreak)
{
    page.build(QStringLiteral("2023"));
    const QString before = page.tableText();
    table()->setFocus();
    QTest::keyClick(table(), Qt::Key_Return);
    QTest::keyClick(table(), Qt::Key_Enter);
    EXPECT_EQ(page.tableText(), before);
}

TEST_F(TablePageTest, SelectionKeepsItsColoursWithoutFocus)
{
    const QPalette original = QApplication::palette();
    QPalette changed = original;
    changed.setColor(QPalette::Active, QPalette::Highlight, QColor(200, 30, 30));
    changed.setColor(QPalette::Inactive, QPalette::Highlight, QColor(210, 210, 210));
    QApplication::setPalette(changed);
    QCoreApplication::processEvents();

    const QPalette colours = table()->palette();
    EXPECT_EQ(colours.color(QPalette::Inactive, QPalette::Highlight), QColor(200, 30, 30));
    EXPECT_EQ(colours.color(QPalette::Inactive, QPalette::HighlightedText),
              colours.color(QPalette::Active, QPalette::HighlightedText));
    QApplication::setPalette(original);
}

} // namespace
} // namespace erakon
