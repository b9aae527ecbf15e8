// SPDX-License-Identifier: MIT
#include "window/main_window.h"

#include "core/version.h"
#include "tests/window/window_fixture.h"
#include "widgets/clock_status_bar.h"
#include "widgets/page_control.h"
#include "widgets/radio_group.h"
#include "widgets/year_box.h"
#include "window/conversion_page.h"
#include "window/popup_menus.h"
#include "window/settings_page.h"
#include "window/table_page.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTabBar>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <deque>
#include <memory>

namespace erakon {
namespace {

// Answers questions from a script and records what was asked.
class ScriptedMessages final : public Messages {
public:
    Answer askYesNo(const QString& text) override { return next(text); }
    Answer askYesNoCancel(const QString& text) override { return next(text); }
    void report(const QString& text) override { asked.push_back(text); }
    void showError(const QString& text) override { asked.push_back(text); }

    std::deque<Answer> answers;
    QStringList asked;

private:
    Answer next(const QString& text)
    {
        asked.push_back(text);
        if (answers.empty())
            return Answer::Cancel;
        const Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

class MainWindowTest : public WindowFixture<ScriptedMessages> {
protected:
    void SetUp() override { createWindow(); }

    // Replaces the box's whole text by typing, as the user does.
    void typeOver(YearBox* box, const QString& text)
    {
        box->lineEdit()->setFocus();
        box->lineEdit()->selectAll();
        if (text.isEmpty())
            QTest::keyClick(box->lineEdit(), Qt::Key_Backspace);
        else
            QTest::keyClicks(box->lineEdit(), text);
    }

    std::array<YearBox*, 8> boxes() const
    {
        return {form->NumberBox0, form->NumberBox1, form->NumberBox2, form->NumberBox3,
                form->NumberBox4, form->NumberBox5, form->NumberBox6, form->NumberBox7};
    }

    // Every box shows the same year: era years and distance derive from NumberBox0.
    void expectConsistent(int currentYear = 2023) const
    {
        const int year = form->NumberBox0->intValue();
        for (YearBox* box : {form->NumberBox1, form->NumberBox2, form->NumberBox3, form->NumberBox4, form->NumberBox5,
                             form->NumberBox6})
            EXPECT_EQ(box->intValue(), year - box->tag()) << box->objectName().toStdString() << " at " << year;
        EXPECT_EQ(form->NumberBox7->intValue(), year - currentYear) << "at " << year;
    }
};

// ---------------------------------------------------------------- creation

TEST_F(MainWindowTest, CreationShowsTheCurrentYearOnTheConversionPage)
{
    EXPECT_EQ(form->objectName(), "ErakonForm");
    EXPECT_EQ(form->windowTitle(), QString::fromUtf8(kApplicationTitle));
    EXPECT_EQ(form->PageControl1->currentWidget(), form->TabSheetConvert);
    EXPECT_EQ(form->NumberBox0->text(), "2023");
    EXPECT_EQ(form->NumberBox5->intValue(), 5);
    EXPECT_EQ(form->NumberBox7->intValue(), 0);
    EXPECT_EQ(form->NumberBox7->displayFormat(), "+###0");
    EXPECT_FALSE(form->ButtonReset->isEnabled());
    EXPECT_EQ(form->ButtonClose->text(), "この年に生まれた人は、今年 0才です");
    EXPECT_TRUE(form->Label6->isHidden());
    EXPECT_TRUE(form->NumberBox6->isHidden());
    EXPECT_TRUE(form->StatusBar1->isHidden());
    EXPECT_FALSE(form->Edit61->isEnabled());
    EXPECT_EQ(form->RadioGroup1->itemIndex(), 0);
    EXPECT_TRUE(form->Timer1->isActive());
    EXPECT_EQ(form->Timer1->interval(), 1000);
    EXPECT_EQ(form->eraOffsets(), (EraOffsets{1867, 1911, 1925, 1988, 2018, 1879}));
    EXPECT_EQ(form->BasicStyleName, "Windows");
}

TEST_F(MainWindowTest, ControlsCarryTheirNamesAndHints)
{
    struct Row {
        const char* name;
        const char* hint;
    };
    for (const Row& row :
         {Row{"NumberBox0", "A.D."}, Row{"NumberBox5", "REIWA"}, Row{"NumberBox7", "From Now"},
          Row{"ButtonReset", "Reset to Now"}, Row{"ButtonClose", "Close"}, Row{"CheckBoxShowHint", "Activate"},
          Row{"ListBox1", "View Style"}, Row{"StatusBar1", "Return to Now"}, Row{"ButtonAbout", "About "}}) {
        auto* widget = form->findChild<QWidget*>(QString::fromLatin1(row.name));
        ASSERT_NE(widget, nullptr) << row.name;
        EXPECT_EQ(widget->toolTip(), row.hint) << row.name;
        EXPECT_EQ(widget->accessibleDescription(), row.hint) << row.name;
    }
    EXPECT_EQ(form->NumberBox3->lineEdit()->accessibleName(), "昭和");
    EXPECT_EQ(form->NumberBox0->lineEdit()->accessibleName(), "西暦");
}

TEST_F(MainWindowTest, ClockTickWritesTheEraDate)
{
    form->Timer1Timer();
    EXPECT_EQ(form->StatusBar1->panelText(), "令和5年(2023年) 5月20日(土)  14:05");
}

// ---------------------------------------------------------------- conversion

struct TypingCase {
    const char* name;
    const char* box;
    const char* typed;
    int year;
};

class ConversionTyping : public MainWindowTest, public ::testing::WithParamInterface<TypingCase> {};

TEST_P(ConversionTyping, EveryOtherBoxFollows)
{
    const TypingCase& row = GetParam();
    form->CheckBoxAddItem->setChecked(true);
    form->ConvertP1Click();
    showActive();
    typeOver(form->findChild<YearBox*>(QString::fromLatin1(row.box)), QString::fromUtf8(row.typed));
    EXPECT_EQ(form->NumberBox0->intValue(), row.year);
    expectConsistent();
    EXPECT_EQ(form->ButtonReset->isEnabled(), row.year != 2023);
}

INSTANTIATE_TEST_SUITE_P(, ConversionTyping,
                         ::testing::Values(TypingCase{"ReiwaOne", "NumberBox5", "1", 2019},
                                           TypingCase{"MeijiFortyFive", "NumberBox1", "45", 1912},
                                           TypingCase{"TaishoOne", "NumberBox2", "1", 1912},
                                           TypingCase{"ShowaSixtyFour", "NumberBox3", "64", 1989},
                                           TypingCase{"HeiseiThirtyOne", "NumberBox4", "31", 2019},
                                           TypingCase{"UserEraOne", "NumberBox6", "1", 1880},
                                           TypingCase{"HundredYearsAgo", "NumberBox7", "-100", 1923},
                                           TypingCase{"WesternNineThousand", "NumberBox0", "9999", 9999},
                                           TypingCase{"WesternNegative", "NumberBox0", "-50", -50}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, WesternYearNineThousandNineHundredNinetyNine)
{
    form->NumberBox0->setValue(9999);
    EXPECT_EQ(form->NumberBox1->intValue(), 8132);
    EXPECT_EQ(form->NumberBox2->intValue(), 8088);
    EXPECT_EQ(form->NumberBox3->intValue(), 8074);
    EXPECT_EQ(form->NumberBox4->intValue(), 8011);
    EXPECT_EQ(form->NumberBox5->intValue(), 7981);
    EXPECT_EQ(form->NumberBox6->intValue(), 8120);
    EXPECT_EQ(form->NumberBox7->intValue(), 9999 - 2023);
}

TEST_F(MainWindowTest, TypedValueRunsEachHandlerAtMostOnce)
{
    showActive();
    std::vector<std::unique_ptr<QSignalSpy>> spies;
    for (YearBox* box : boxes())
        spies.push_back(std::make_unique<QSignalSpy>(box, &YearBox::changed));
    typeOver(form->NumberBox5, QStringLiteral("1"));
    for (size_t i = 0; i < spies.size(); ++i)
        EXPECT_EQ(spies[i]->count(), 1) << boxes()[i]->objectName().toStdString();
    EXPECT_EQ(form->NumberBox4->intValue(), 31);
}

TEST_F(MainWindowTest, DistanceBoxShowsItsSign)
{
    form->NumberBox7->setValue(-100);
    EXPECT_EQ(form->NumberBox7->displayFormat(), "###0");
    EXPECT_EQ(form->NumberBox7->lineEdit()->text(), "-100");
    form->NumberBox0->setValue(2024);
    EXPECT_EQ(form->NumberBox7->displayFormat(), "+###0");
    EXPECT_EQ(form->NumberBox7->lineEdit()->text(), "+1");
}

TEST_F(MainWindowTest, EmptiedWesternBoxShowsZeroAtOnce)
{
    showActive();
    typeOver(form->NumberBox0, QString());
    EXPECT_EQ(form->NumberBox0->text(), "0");
    EXPECT_EQ(form->NumberBox1->intValue(), -1867);
    expectConsistent();
}

TEST_F(MainWindowTest, ExpressionIsTakenOnEnterAndDroppedOnTab)
{
    showActive();
    typeOver(form->NumberBox0, QStringLiteral("1989+5"));
    QTest::keyClick(form->NumberBox0->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(form->NumberBox0->intValue(), 1994);
    EXPECT_EQ(form->NumberBox4->intValue(), 6);
    expectConsistent();

    typeOver(form->NumberBox0, QStringLiteral("1989+5"));
    QTest::keyClick(form->NumberBox0->lineEdit(), Qt::Key_Tab);
    EXPECT_EQ(form->NumberBox0->text(), "1989");
    EXPECT_EQ(form->NumberBox4->intValue(), 1);
    expectConsistent();
}

TEST_F(MainWindowTest, ResetReturnsToNowAndDisablesItself)
{
    form->NumberBox0->setValue(2024);
    EXPECT_TRUE(form->ButtonReset->isEnabled());
    EXPECT_EQ(form->ButtonClose->text(), "この年まで、あと 225日です");
    form->ButtonReset->click();
    EXPECT_EQ(form->NumberBox0->intValue(), 2023);
    EXPECT_FALSE(form->ButtonReset->isEnabled());
    expectConsistent();

    form->NumberBox0->setValue(1900);
    emit form->StatusBar1->clicked();
    EXPECT_EQ(form->NumberBox0->intValue(), 2023);
}

TEST_F(MainWindowTest, SentenceFollowsZodiacSetting)
{
    form->CheckBoxShowEto->setChecked(true);
    form->NumberBox0Change();
    EXPECT_EQ(form->ButtonClose->text(), "この年（卯・う）に生まれた人は、今年 0才です");
    form->CheckBoxShowEto->setChecked(false);
    form->NumberBox0->setValue(1993);
    EXPECT_EQ(form->ButtonClose->text(), "この年に生まれた人は、今年 30才です");
    form->NumberBox0->setValue(2025);
    EXPECT_EQ(form->ButtonClose->text(), "この年まで、あと 2年です");
}

struct EmphasisCase {
    const char* name;
    int year;
    std::array<bool, 5> eras;
    bool western;
};

class Emphasis : public MainWindowTest, public ::testing::WithParamInterface<EmphasisCase> {};

TEST_P(Emphasis, BoldMarksTheErasOfTheYear)
{
    const EmphasisCase& row = GetParam();
    form->CheckBoxShowBold->setChecked(true);
    form->NumberBox0->setValue(row.year);
    const std::array<QWidget*, 5> eraBoxes{form->NumberBox1, form->NumberBox2, form->NumberBox3, form->NumberBox4,
                                           form->NumberBox5};
    const std::array<QWidget*, 5> labels{form->Label1, form->Label2, form->Label3, form->Label4, form->Label5};
    for (size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(eraBoxes[i]->font().bold(), row.eras[i]) << "box " << i + 1;
        EXPECT_EQ(labels[i]->font().bold(), row.eras[i]) << "label " << i + 1;
    }
    EXPECT_EQ(form->NumberBox0->font().bold(), row.western);
    EXPECT_EQ(form->NumberBox6->font().bold(), row.year >= 1880);
}

INSTANTIATE_TEST_SUITE_P(
    , Emphasis,
    ::testing::Values(EmphasisCase{"BeforeMeiji", 1867, {false, false, false, false, false}, false},
                      EmphasisCase{"FirstMeijiYear", 1868, {true, false, false, false, false}, true},
                      EmphasisCase{"MeijiToTaisho", 1912, {true, true, false, false, false}, true},
                      EmphasisCase{"TaishoToShowa", 1926, {false, true, true, false, false}, true},
                      EmphasisCase{"ShowaToHeisei", 1989, {false, false, true, true, false}, true},
                      EmphasisCase{"HeiseiToReiwa", 2019, {false, false, false, true, true}, true},
                      EmphasisCase{"Reiwa", 2023, {false, false, false, false, true}, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, EmphasisOffLeavesEverythingPlain)
{
    form->CheckBoxShowBold->setChecked(true);
    form->CheckBoxShowBold->setChecked(false);
    for (QWidget* widget :
         std::initializer_list<QWidget*>{form->NumberBox0, form->NumberBox5, form->Label5, form->NumberBox6})
        EXPECT_FALSE(widget->font().bold()) << widget->objectName().toStdString();
}

// ---------------------------------------------------------------- years at the edge of the range

struct LimitCase {
    const char* name;
    const char* box;
    int value;
    int origin;
    int year;
};

class YearLimit : public MainWindowTest, public ::testing::WithParamInterface<LimitCase> {};

TEST_P(YearLimit, PageShowsOneYearWithinRange)
{
    const LimitCase& row = GetParam();
    form->NumberBox61->setValue(row.origin);
    form->NumberBox0Change();
    form->findChild<YearBox*>(QString::fromLatin1(row.box))->setValue(row.value);
    EXPECT_EQ(form->NumberBox0->intValue(), row.year);
    expectConsistent();
}

INSTANTIATE_TEST_SUITE_P(, YearLimit,
                         ::testing::Values(LimitCase{"WesternFarPast", "NumberBox0", -9999, 1880, 2023 - 9999},
                                           LimitCase{"DistanceFarPast", "NumberBox7", -9999, 1880, 2023 - 9999},
                                           LimitCase{"DistanceFarFuture", "NumberBox7", 9999, 1880, 9999},
                                           LimitCase{"ReiwaFarPast", "NumberBox5", -9999, 1880, 2023 - 9999},
                                           LimitCase{"MeijiFarFuture", "NumberBox1", 9999, 1880, 9999},
                                           LimitCase{"OriginZeroLastYear", "NumberBox0", 9999, 0, 9998},
                                           LimitCase{"LateOriginFarPast", "NumberBox0", -5000, 9999, -1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, EveryValueInEveryBoxEndsWithinRange)
{
    for (YearBox* box : boxes()) {
        for (int value = kMinYear; value <= kMaxYear; ++value) {
            box->setValue(value);
            for (YearBox* other : boxes()) {
                ASSERT_GE(other->intValue(), kMinYear) << box->objectName().toStdString() << " " << value;
                ASSERT_LE(other->intValue(), kMaxYear) << box->objectName().toStdString() << " " << value;
            }
            const int year = form->NumberBox0->intValue();
            ASSERT_EQ(form->NumberBox7->intValue(), year - 2023) << box->objectName().toStdString() << " " << value;
            ASSERT_EQ(form->NumberBox5->intValue(), year - 2018) << box->objectName().toStdString() << " " << value;
            ASSERT_EQ(form->NumberBox6->intValue(), year - 1879) << box->objectName().toStdString() << " " << value;
        }
    }
}

TEST_F(MainWindowTest, TabMovesThroughTheEraBoxesThenTheWesternYear)
{
    form->CheckBoxAddItem->setChecked(true);
    form->ConvertP1Click();
    showActive();
    form->NumberBox1->lineEdit()->setFocus();
    QStringList order;
    for (int i = 0; i < 7; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* focused = QApplication::focusWidget();
        while (focused && !qobject_cast<YearBox*>(focused))
            focused = focused->parentWidget();
        order << (focused ? focused->objectName() : QStringLiteral("-"));
    }
    EXPECT_EQ(order.mid(0, 7),
              (QStringList{"NumberBox2", "NumberBox3", "NumberBox4", "NumberBox5", "NumberBox6", "NumberBox0",
                           "NumberBox7"}));
}

// ---------------------------------------------------------------- check boxes

TEST_F(MainWindowTest, CheckBoxHandlerRunsOnlyWhenTheStateChanges)
{
    form->CheckBoxStatusBar->setChecked(true);
    EXPECT_FALSE(form->StatusBar1->isHidden());
    form->StatusBar1->hide();
    form->CheckBoxStatusBar->setChecked(true); // no change: the handler does not run
    EXPECT_TRUE(form->StatusBar1->isHidden());

    showActive();
    form->PageControl1->setCurrentWidget(form->TabSheetSettings);
    QTest::mouseClick(form->CheckBoxStatusBar, Qt::LeftButton);
    EXPECT_FALSE(form->CheckBoxStatusBar->isChecked());
    EXPECT_TRUE(form->StatusBar1->isHidden());
    QTest::mouseClick(form->CheckBoxStatusBar, Qt::LeftButton);
    EXPECT_FALSE(form->StatusBar1->isHidden());
}

TEST_F(MainWindowTest, ViewOptionsFollowTheirCheckBoxes)
{
    form->CheckBoxStayOnTop->setChecked(true);
    EXPECT_TRUE(form->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    form->CheckBoxStayOnTop->setChecked(false);
    EXPECT_FALSE(form->windowFlags().testFlag(Qt::WindowStaysOnTopHint));

    form->CheckBoxAddItem->setChecked(true);
    EXPECT_TRUE(form->Edit61->isEnabled());
    EXPECT_TRUE(form->NumberBox61->isEnabled());
}

// Counts the tooltip events that reach a control.
class TooltipProbe final : public QObject {
public:
    int count = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::ToolTip)
            ++count;
        return QObject::eventFilter(watched, event);
    }
};

TEST_F(MainWindowTest, HintsSwitchOffEveryTooltip)
{
    TooltipProbe probe;
    form->ButtonClose->installEventFilter(&probe);
    auto askForTooltip = [this] {
        QHelpEvent event(QEvent::ToolTip, QPoint(2, 2), form->ButtonClose->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(form->ButtonClose, &event);
    };
    form->CheckBoxShowHint->setChecked(true);
    askForTooltip();
    EXPECT_EQ(probe.count, 1);
    form->CheckBoxShowHint->setChecked(false);
    askForTooltip();
    EXPECT_EQ(probe.count, 1);
    EXPECT_EQ(form->ButtonClose->toolTip(), "Close");
}

// The switch holds for the window and the windows it owns, not for a window
// of its own standing such as the tray icon's on X11, whose tooltip "Erakon"
// is the panel's hint.
TEST_F(MainWindowTest, HintsOffLeaveTheTooltipsOfOtherWindows)
{
    QWidget owned(form.get(), Qt::Dialog);
    QWidget trayLike(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::BypassWindowManagerHint);
    trayLike.setToolTip(QStringLiteral("Erakon"));
    struct Row {
        QWidget* widget;
        int tooltipEvents;
    };
    form->CheckBoxShowHint->setChecked(false);
    for (const Row& row : {Row{&owned, 0}, Row{&trayLike, 1}}) {
        TooltipProbe probe;
        row.widget->installEventFilter(&probe);
        QHelpEvent event(QEvent::ToolTip, QPoint(2, 2), row.widget->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(row.widget, &event);
        EXPECT_EQ(probe.count, row.tooltipEvents) << (row.widget == &owned ? "owned window" : "other window");
    }
}

// ---------------------------------------------------------------- menus

TEST_F(MainWindowTest, PopupMarksMirrorTheSettingsPage)
{
    form->CheckBoxShowEto->setChecked(true);
    form->CheckBoxStayOnTop->setChecked(true);
    form->CheckBoxCloseQuery->setChecked(true);
    form->CheckBoxSaveStatus->setChecked(false);
    form->RadioGroup1->setItemIndex(-1);
    emit form->PopupMenu1->aboutToShow();
    EXPECT_TRUE(form->PopupMenu1->ShowEtoP1->isChecked());
    EXPECT_TRUE(form->PopupMenu1->StayOnTopP1->isChecked());
    EXPECT_FALSE(form->PopupMenu1->StatusBarP1->isChecked());
    EXPECT_FALSE(form->PopupMenu1->ShowBoldP1->isChecked());
    EXPECT_FALSE(form->PopupMenu1->AddItemP1->isChecked());
    EXPECT_TRUE(form->PopupMenu1->IconTaskTrayP1->isChecked());
    EXPECT_FALSE(form->PopupMenu1->IconTaskBarP1->isChecked());
    EXPECT_TRUE(form->PopupMenu1->CloseQueryP1->isChecked());
    EXPECT_FALSE(form->PopupMenu1->SaveStatusP1->isChecked());
}

struct MenuCase {
    const char* name;
    const char* item;
    const char* checkBox;
};

class MenuCheckItem : public MainWindowTest, public ::testing::WithParamInterface<MenuCase> {};

TEST_P(MenuCheckItem, ChoosingFlipsTheSetting)
{
    const MenuCase& row = GetParam();
    auto* box = form->findChild<QCheckBox*>(QString::fromLatin1(row.checkBox));
    auto* item = form->PopupMenu1->findChild<QAction*>(QString::fromLatin1(row.item));
    ASSERT_TRUE(box && item);
    const bool before = box->isChecked();
    emit form->PopupMenu1->aboutToShow();
    item->trigger();
    EXPECT_EQ(box->isChecked(), !before);
}

INSTANTIATE_TEST_SUITE_P(, MenuCheckItem,
                         ::testing::Values(MenuCase{"ShowEto", "ShowEtoP1", "CheckBoxShowEto"},
                                           MenuCase{"StatusBar", "StatusBarP1", "CheckBoxStatusBar"},
                                           MenuCase{"StayOnTop", "StayOnTopP1", "CheckBoxStayOnTop"},
                                           MenuCase{"ShowBold", "ShowBoldP1", "CheckBoxShowBold"},
                                           MenuCase{"AddItem", "AddItemP1", "CheckBoxAddItem"},
                                           MenuCase{"CloseQuery", "CloseQueryP1", "CheckBoxCloseQuery"},
                                           MenuCase{"SaveStatus", "SaveStatusP1", "CheckBoxSaveStatus"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, MenuCommandsActOnThePage)
{
    emit form->PopupMenu1->aboutToShow();
    form->PopupMenu1->StatusBarP1->trigger();
    EXPECT_FALSE(form->StatusBar1->isHidden());

    emit form->PopupMenu1->aboutToShow();
    form->PopupMenu1->ShowBoldP1->trigger();
    EXPECT_TRUE(form->NumberBox5->font().bold());

    emit form->PopupMenu1->aboutToShow();
    form->PopupMenu1->AddItemP1->trigger();
    EXPECT_FALSE(form->Label6->isHidden());
    EXPECT_TRUE(form->Edit61->isEnabled());

    emit form->PopupMenu1->aboutToShow();
    form->PopupMenu1->ShowEtoP1->trigger();
    EXPECT_EQ(form->ButtonClose->text(), "この年（卯・う）に生まれた人は、今年 0才です");

    emit form->PopupMenu1->aboutToShow();
    form->PopupMenu1->IconTaskTrayP1->trigger();
    EXPECT_EQ(form->RadioGroup1->itemIndex(), 1);
    emit form->PopupMenu1->aboutToShow();
    form->PopupMenu1->IconTaskBarP1->trigger();
    EXPECT_EQ(form->RadioGroup1->itemIndex(), 0);
}

TEST_F(MainWindowTest, ZodiacFromTheMenuRebuildsTheShownTable)
{
    form->TableP1Click();
    EXPECT_FALSE(form->TabSheetTable->tableText().contains(QStringLiteral("卯・う")));
    emit form->PopupMenu1->aboutToShow();
    form->PopupMenu1->ShowEtoP1->trigger();
    EXPECT_TRUE(form->TabSheetTable->tableText().contains(QStringLiteral("卯・う")));
}

// ---------------------------------------------------------------- page dispatch

TEST_F(MainWindowTest, UserTabChoiceRunsTheDispatchOfThatPage)
{
    showActive();
    QSignalSpy dispatched(form.get(), &TErakonForm::pageDispatched);
    QTabBar* bar = form->PageControl1->tabBar();
    for (int index : {0, 2, 3, 4, 5, 1}) {
        dispatched.clear();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
        ASSERT_EQ(dispatched.count(), 1) << index;
        EXPECT_EQ(dispatched.at(0).at(0).value<QWidget*>(), form->PageControl1->widget(index));
    }
}

TEST_F(MainWindowTest, DispatchRefreshesConversionAndTable)
{
    form->Edit61->setText(QStringLiteral("開業"));
    form->NumberBox61->setValue(2000);
    form->ConvertP1Click();
    EXPECT_EQ(form->Label6->text(), "開業");
    EXPECT_EQ(form->NumberBox6->intValue(), 24);

    form->NumberBox0->setValue(1989);
    form->TableP1Click();
    EXPECT_EQ(form->PageControl1->currentWidget(), form->TabSheetTable);
    EXPECT_TRUE(form->TabSheetTable->selectedTableText().contains(QStringLiteral("1989年")));
}

TEST_F(MainWindowTest, ProgramPageChangesRunNoDispatch)
{
    QSignalSpy dispatched(form.get(), &TErakonForm::pageDispatched);
    form->showPage(form->TabSheetTable);
    form->showPage(form->TabSheetSettings);
    form->showPage(form->TabSheetConvert);
    emit form->TabSheetTable->yearChosen(QStringLiteral("1926"));
    EXPECT_EQ(dispatched.count(), 0);
    EXPECT_EQ(form->NumberBox3->intValue(), 1);
    EXPECT_EQ(form->PageControl1->currentWidget(), form->TabSheetConvert);
}

TEST_F(MainWindowTest, TabWidthIsASeventhOfTheClientWidth)
{
    EXPECT_EQ(PageControl::tabWidthFor(690, 6), 98);
    form->PageControl1->resize(690, 200);
    form->FormResize();
    EXPECT_EQ(form->PageControl1->tabWidth(), 98);
    EXPECT_EQ(form->PageControl1->tabBar()->tabRect(0).width(), 98);
}

// ---------------------------------------------------------------- closing

TEST_F(MainWindowTest, EscFromAYearBoxAsksBeforeClosing)
{
    form->CheckBoxCloseQuery->setChecked(true);
    showActive();
    form->NumberBox1->lineEdit()->setFocus();

    messages.answers = {Messages::Answer::No};
    QTest::keyClick(form->NumberBox1->lineEdit(), Qt::Key_Escape);
    EXPECT_EQ(messages.asked, QStringList{QStringLiteral("終了してよいですか？")});
    EXPECT_TRUE(form->isVisible());

    messages.answers = {Messages::Answer::Yes};
    QTest::keyClick(form->NumberBox1->lineEdit(), Qt::Key_Escape);
    EXPECT_EQ(messages.asked.size(), 2);
    EXPECT_FALSE(form->isVisible());
}

TEST_F(MainWindowTest, CloseWithoutConfirmationAsksNothing)
{
    showActive();
    QSignalSpy closed(form.get(), &TErakonForm::formClosed);
    form->ButtonClose->click();
    EXPECT_TRUE(messages.asked.isEmpty());
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(closed.count(), 1);
}

TEST_F(MainWindowTest, RefusedCloseLeavesTheProgramRunning)
{
    form->CheckBoxCloseQuery->setChecked(true);
    QSignalSpy closed(form.get(), &TErakonForm::formClosed);
    messages.answers = {Messages::Answer::No};
    form->PopupMenu2->CloseP2->trigger();
    EXPECT_EQ(closed.count(), 0);
}

TEST_F(MainWindowTest, RightClickOutsideTextBoxesOpensTheWindowMenu)
{
    showActive();
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), form->ButtonClose->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(form->ButtonClose, &event);
    EXPECT_TRUE(form->PopupMenu1->isVisible());
    form->PopupMenu1->close();
}

TEST_F(MainWindowTest, EndOfSessionAsksNothingAndTheNextCloseAsksAgain)
{
    form->CheckBoxCloseQuery->setChecked(true);
    EXPECT_TRUE(form->WMQueryEndSession());
    EXPECT_TRUE(messages.asked.isEmpty());
    EXPECT_FALSE(form->EndingSession);

    messages.answers = {Messages::Answer::No};
    EXPECT_FALSE(form->FormCloseQuery());
    EXPECT_EQ(messages.asked.size(), 1);
}

// ---------------------------------------------------------------- minimise and restore

TEST_F(MainWindowTest, RestoreSelectsTheTray)
{
    ASSERT_EQ(form->RadioGroup1->itemIndex(), 0);
    form->ApplicationRestore();
    EXPECT_EQ(form->RadioGroup1->itemIndex(), 1);
    EXPECT_FALSE(form->TrayIcon1->isVisible());
}

TEST_F(MainWindowTest, MinimiseToTheTrayAndBack)
{
    showActive();
    form->RadioGroup1->setItemIndex(1);
    form->ApplicationMinimize();
    EXPECT_TRUE(form->TrayIcon1->isVisible());
    EXPECT_FALSE(form->isVisible());

    form->RestoreP2Click();
    EXPECT_FALSE(form->TrayIcon1->isVisible());
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(form->isMinimized());
}

// The panel holding the tray ends while the window is hidden in it: the next
// clock tick brings the window back, as a normal window without a tray icon.
TEST_F(MainWindowTest, TrayThatGoesAwayGivesTheWindowBack)
{
    showActive();
    form->RadioGroup1->setItemIndex(1);
    form->showMinimized();
    QTRY_VERIFY(form->isHidden());
    form->Timer1Timer();
    ASSERT_TRUE(form->isHidden()) << "the tray is still there";

    trayAvailable = false;
    form->Timer1Timer();
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(form->isMinimized());
    EXPECT_FALSE(form->TrayIcon1->isVisible());
    EXPECT_EQ(form->RadioGroup1->itemIndex(), 1);
}

TEST_F(MainWindowTest, MinimiseStaysOnTheTaskbarWithoutATray)
{
    showActive();
    trayAvailable = false;
    form->RadioGroup1->setItemIndex(1);
    form->ApplicationMinimize();
    EXPECT_FALSE(form->TrayIcon1->isVisible());
    EXPECT_TRUE(form->isVisible());
}

TEST_F(MainWindowTest, MinimiseToTheTaskbarLeavesTheWindow)
{
    showActive();
    form->ApplicationMinimize();
    EXPECT_FALSE(form->TrayIcon1->isVisible());
    EXPECT_TRUE(form->isVisible());
}

TEST_F(MainWindowTest, ClosingHidesTheTrayIcon)
{
    showActive();
    form->RadioGroup1->setItemIndex(1);
    form->ApplicationMinimize();
    form->PopupMenu2->CloseP2->trigger();
    EXPECT_FALSE(form->TrayIcon1->isVisible());
}

} // namespace
} // namespace erakon
