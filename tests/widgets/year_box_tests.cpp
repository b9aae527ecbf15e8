// SPDX-License-Identifier: MIT
#include "widgets/year_box.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <QWidget>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>

namespace erakon {
namespace {

std::string testName(const char* name) { return name; }

// A window with the box and one more control to move the focus to.
class YearBoxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto* layout = new QVBoxLayout(&window);
        box = new YearBox;
        box->setObjectName(QStringLiteral("westernYearBox"));
        other = new QLineEdit;
        layout->addWidget(box);
        layout->addWidget(other);
        window.resize(200, 80);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        other->setFocus();
    }

    QLineEdit* edit() const { return box->lineEdit(); }
    QString shown() const { return edit()->text(); }

    void enter() { edit()->setFocus(); }
    void leave() { other->setFocus(); }

    // Focus the box and replace its whole text by typing.
    void typeOver(const QString& text)
    {
        enter();
        edit()->selectAll();
        if (text.isEmpty())
            QTest::keyClick(edit(), Qt::Key_Backspace);
        else
            QTest::keyClicks(edit(), text);
    }

    QWidget window;
    YearBox* box = nullptr;
    QLineEdit* other = nullptr;
};

// Setting the value (rule 1)

TEST_F(YearBoxTest, StartsHoldingZeroAndShowingZero)
{
    EXPECT_EQ(box->value(), 0);
    EXPECT_EQ(box->text(), "0");
    EXPECT_EQ(shown(), "0");
    EXPECT_EQ(box->minValue(), -9999);
    EXPECT_EQ(box->maxValue(), 9999);
}

TEST_F(YearBoxTest, SettingTheHeldValueIsQuiet)
{
    box->setValue(1989);
    QSignalSpy changed(box, &YearBox::changed);
    box->setValue(1989);
    EXPECT_EQ(changed.count(), 0);
    EXPECT_EQ(box->text(), "1989");
}

TEST_F(YearBoxTest, SettingAHeldValueDoesNotReplaceAnExpressionBeingTyped)
{
    box->setValue(1989);
    typeOver(QStringLiteral("1989+"));
    QSignalSpy changed(box, &YearBox::changed);
    box->setValue(1989);
    EXPECT_EQ(changed.count(), 0);
    EXPECT_EQ(box->text(), "1989+");
}

TEST_F(YearBoxTest, NewValueRewritesTextAndFiresOnceWithTheValueInPlace)
{
    QList<double> seen;
    QObject listener; // declared after seen: the connection ends before seen goes
    QObject::connect(box, &YearBox::changed, &listener, [this, values = &seen] { values->append(box->value()); });
    box->setValue(1994);
    EXPECT_EQ(box->text(), "1994");
    EXPECT_EQ(seen, QList<double>{1994});
}

struct SetValueCase {
    const char* name;
    double set;
    double value;
    const char* text;
    int intValue;
};

class YearBoxSetValue : public YearBoxTest, public ::testing::WithParamInterface<SetValueCase> {};

TEST_P(YearBoxSetValue, LimitsAndRounds)
{
    const SetValueCase& c = GetParam();
    box->setValue(c.set);
    EXPECT_EQ(box->value(), c.value);
    EXPECT_EQ(box->text(), c.text);
    EXPECT_EQ(box->intValue(), c.intValue);
}

INSTANTIATE_TEST_SUITE_P(Rule, YearBoxSetValue,
                         ::testing::Values(SetValueCase{"AboveRange", 12345, 9999, "9999", 9999},
                                           SetValueCase{"BelowRange", -20000, -9999, "-9999", -9999},
                                           SetValueCase{"Infinity", std::numeric_limits<double>::infinity(), 9999,
                                                        "9999", 9999},
                                           SetValueCase{"HalfRoundsDownToEven", 2.5, 2.5, "2", 2},
                                           SetValueCase{"HalfRoundsUpToEven", 3.5, 3.5, "4", 4},
                                           SetValueCase{"NegativeHalfToEven", -2.5, -2.5, "-2", -2},
                                           SetValueCase{"SmallNegativeIsPlainZero", -0.4, -0.4, "0", 0},
                                           SetValueCase{"NotANumberIgnored", std::nan(""), 0, "0", 0}),
                         [](const auto& info) { return testName(info.param.name); });

TEST_F(YearBoxTest, ValueChangeThatKeepsTheTextIsQuiet)
{
    box->setValue(2);
    QSignalSpy changed(box, &YearBox::changed);
    box->setValue(2.4);
    EXPECT_EQ(changed.count(), 0);
    EXPECT_EQ(box->value(), 2.4);
}

TEST_F(YearBoxTest, EqualLimitsMeanNoRange)
{
    box->setRange(0, 0);
    box->setValue(123456);
    EXPECT_EQ(box->value(), 123456);
    EXPECT_EQ(box->text(), "123456");
}

TEST_F(YearBoxTest, NarrowingTheRangeLimitsTheHeldValue)
{
    box->setValue(-5);
    box->setRange(0, 9999);
    EXPECT_EQ(box->value(), 0);
    EXPECT_EQ(box->text(), "0");
}

TEST_F(YearBoxTest, EmptiedBoxHoldingZeroShowsZeroWhenSetToZero)
{
    box->setText(QString());
    QSignalSpy changed(box, &YearBox::changed);
    box->setValue(0);
    EXPECT_EQ(box->text(), "0");
    EXPECT_EQ(changed.count(), 1);
}

// A change handler that sets the box to the value it holds, as the window's
// cascade does, ends after at most one rewrite.
TEST_F(YearBoxTest, HandlerSettingTheHeldValueEndsTheCascade)
{
    box->setValue(1989);
    QObject::connect(box, &YearBox::changed, box, [this] { box->setValue(box->value()); });
    QSignalSpy changed(box, &YearBox::changed);
    typeOver(QString());
    EXPECT_EQ(box->text(), "0");
    EXPECT_EQ(changed.count(), 2);
}

// Setting the text (rules 2 and 3)

TEST_F(YearBoxTest, SettingTheSameTextIsQuiet)
{
    QSignalSpy changed(box, &YearBox::changed);
    box->setText(QStringLiteral("0"));
    EXPECT_EQ(changed.count(), 0);
}

struct SetTextCase {
    const char* name;
    const char* text;
    double value; // after the text was set on a box holding 1989
    const char* kept; // the text afterwards
    int events;
};

class YearBoxSetText : public YearBoxTest, public ::testing::WithParamInterface<SetTextCase> {};

TEST_P(YearBoxSetText, ReadsPlainNumbersOnly)
{
    const SetTextCase& c = GetParam();
    box->setValue(1989);
    QSignalSpy changed(box, &YearBox::changed);
    box->setText(QString::fromUtf8(c.text));
    EXPECT_EQ(box->value(), c.value);
    EXPECT_EQ(box->text(), QString::fromUtf8(c.kept));
    EXPECT_EQ(changed.count(), c.events);
}

INSTANTIATE_TEST_SUITE_P(
    Rule, YearBoxSetText,
    ::testing::Values(
        SetTextCase{"PlainNumber", "2023", 2023, "2023", 1}, SetTextCase{"Negative", "-100", -100, "-100", 1},
        SetTextCase{"LeadingZeros", "0042", 42, "0042", 1}, SetTextCase{"NegativeZero", "-0", 0, "-0", 1},
        SetTextCase{"Empty", "", 0, "", 1}, SetTextCase{"MinusAlone", "-", 1989, "-", 1},
        SetTextCase{"Expression", "1989+", 1989, "1989+", 1}, SetTextCase{"Spaces", " 5", 1989, " 5", 1},
        SetTextCase{"AboveRangeRewritten", "12345", 9999, "9999", 2},
        SetTextCase{
            "FarBeyondDoubleRewritten",
            "1000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
            "0000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
            "0000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
            "00000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000",
            9999, "9999", 2},
        SetTextCase{"BelowRangeRewritten", "-10000", -9999, "-9999", 2}),
    [](const auto& info) { return testName(info.param.name); });

// Typing (rule 3) and leaving the box (rule 5)

TEST_F(YearBoxTest, EveryTypedCharacterFires)
{
    typeOver(QString());
    QSignalSpy changed(box, &YearBox::changed);
    QTest::keyClicks(edit(), QStringLiteral("1989"));
    EXPECT_EQ(changed.count(), 4);
    EXPECT_EQ(box->value(), 1989);
}

TEST_F(YearBoxTest, TypedValueBeyondRangeIsKeptUntilTheBoxIsLeft)
{
    typeOver(QStringLiteral("12345"));
    EXPECT_EQ(box->value(), 12345);
    EXPECT_EQ(box->text(), "12345");

    QSignalSpy changed(box, &YearBox::changed);
    leave();
    EXPECT_EQ(box->value(), 9999);
    EXPECT_EQ(box->text(), "9999");
    EXPECT_EQ(changed.count(), 1);
}

TEST_F(YearBoxTest, EmptiedBoxHoldsZeroStaysEmptyAndShowsZeroWhenLeft)
{
    box->setValue(1989);
    typeOver(QString());
    EXPECT_EQ(box->value(), 0);
    EXPECT_EQ(box->text(), "");
    leave();
    EXPECT_EQ(box->text(), "0");
    EXPECT_EQ(shown(), "0");
}

TEST_F(YearBoxTest, LeavingAnExpressionReturnsToTheHeldValue)
{
    box->setValue(1989);
    typeOver(QStringLiteral("1989+5"));
    EXPECT_EQ(box->value(), 1989);
    QSignalSpy changed(box, &YearBox::changed);
    QTest::keyClick(edit(), Qt::Key_Tab);
    EXPECT_FALSE(edit()->hasFocus());
    EXPECT_EQ(box->text(), "1989");
    EXPECT_EQ(box->value(), 1989);
    EXPECT_EQ(changed.count(), 1);
}

TEST_F(YearBoxTest, LeavingRewritesLeadingZeros)
{
    typeOver(QStringLiteral("0042"));
    leave();
    EXPECT_EQ(box->text(), "42");
}

TEST_F(YearBoxTest, LeavingAPlainNumberIsQuiet)
{
    typeOver(QStringLiteral("1989"));
    QSignalSpy changed(box, &YearBox::changed);
    leave();
    EXPECT_EQ(changed.count(), 0);
}

TEST_F(YearBoxTest, SwitchingToAnotherWindowIsNotLeaving)
{
    box->setValue(1989);
    typeOver(QStringLiteral("1989+"));
    QWidget otherWindow;
    otherWindow.setFocusPolicy(Qt::StrongFocus);
    otherWindow.show();
    otherWindow.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&otherWindow));
    otherWindow.setFocus();
    EXPECT_EQ(box->text(), "1989+");

    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    leave();
    EXPECT_EQ(box->text(), "1989");
}

// Enter (rule 4)

struct EnterCase {
    const char* name;
    double held;
    const char* typed;
    double value;
    const char* text;
    bool rejected;
};

class YearBoxEnter : public YearBoxTest, public ::testing::WithParamInterface<EnterCase> {};

TEST_P(YearBoxEnter, EvaluatesTheText)
{
    const EnterCase& c = GetParam();
    box->setValue(c.held);
    typeOver(QString::fromUtf8(c.typed));
    QSignalSpy rejected(box, &YearBox::inputRejected);
    QTest::keyClick(edit(), Qt::Key_Return);
    EXPECT_EQ(box->value(), c.value);
    EXPECT_EQ(box->text(), QString::fromUtf8(c.text));
    EXPECT_EQ(rejected.count(), c.rejected ? 1 : 0);
    if (!c.rejected) {
        EXPECT_EQ(edit()->selectedText(), QString::fromUtf8(c.text));
    }
}

INSTANTIATE_TEST_SUITE_P(Rule, YearBoxEnter,
                         ::testing::Values(EnterCase{"Sum", 1989, "1989+5", 1994, "1994", false},
                                           EnterCase{"Precedence", 0, "2000+ 4*(6-1)", 2020, "2020", false},
                                           EnterCase{"ResultBeyondRange", 0, "9999*2", 9999, "9999", false},
                                           EnterCase{"TypedBeyondRange", 0, "12345", 9999, "9999", false},
                                           EnterCase{"ResultEqualsHeldValue", 1994, "1994+0", 1994, "1994", false},
                                           EnterCase{"LeadingZeros", 42, "0042", 42, "42", false},
                                           EnterCase{"FractionRounded", 0, "7/2", 3.5, "4", false},
                                           EnterCase{"TrailingOperator", 1989, "1989+", 1989, "1989+", true},
                                           EnterCase{"DivisionByZero", 1989, "1989/0", 1989, "1989/0", true},
                                           EnterCase{"Unbalanced", 1989, "(1989", 1989, "(1989", true},
                                           EnterCase{"Empty", 1989, "", 0, "", true}),
                         [](const auto& info) { return testName(info.param.name); });

// Keys (rule 6)

TEST_F(YearBoxTest, AcceptsDigitsOperatorsParenthesesAndSpaces)
{
    typeOver(QStringLiteral("(1 + 2) * 3 - 4 / 5 6789 0"));
    EXPECT_EQ(box->text(), "(1 + 2) * 3 - 4 / 5 6789 0");
}

struct RejectedKeyCase {
    const char* name;
    Qt::Key key;
    const char* text;
};

class YearBoxRejectedKey : public YearBoxTest, public ::testing::WithParamInterface<RejectedKeyCase> {};

TEST_P(YearBoxRejectedKey, IsDroppedWithABeep)
{
    typeOver(QStringLiteral("198"));
    QSignalSpy changed(box, &YearBox::changed);
    QSignalSpy rejected(box, &YearBox::inputRejected);
    QTest::sendKeyEvent(QTest::Click, edit(), GetParam().key, QString::fromUtf8(GetParam().text), Qt::NoModifier);
    EXPECT_EQ(box->text(), "198");
    EXPECT_EQ(changed.count(), 0);
    EXPECT_EQ(rejected.count(), 1);
}

INSTANTIATE_TEST_SUITE_P(Rule, YearBoxRejectedKey,
                         ::testing::Values(RejectedKeyCase{"Letter", Qt::Key_A, "a"},
                                           RejectedKeyCase{"DecimalPoint", Qt::Key_Period, "."},
                                           RejectedKeyCase{"Comma", Qt::Key_Comma, ","},
                                           RejectedKeyCase{"Equals", Qt::Key_Equal, "="},
                                           RejectedKeyCase{"FullWidthDigit", Qt::Key_unknown, "\xEF\xBC\x91"},
                                           RejectedKeyCase{"Kanji", Qt::Key_unknown, "\xE5\xB9\xB4"}),
                         [](const auto& info) { return testName(info.param.name); });

TEST_F(YearBoxTest, AltChordTypesNothingAndDoesNotBeep)
{
    typeOver(QStringLiteral("198"));
    QSignalSpy rejected(box, &YearBox::inputRejected);
    QTest::keyClick(edit(), Qt::Key_X, Qt::AltModifier);
    EXPECT_EQ(box->text(), "198");
    EXPECT_EQ(rejected.count(), 0);
}

struct StepCase {
    const char* name;
    Qt::Key key;
    double from;
    double to;
};

class YearBoxStepKey : public YearBoxTest, public ::testing::WithParamInterface<StepCase> {};

TEST_P(YearBoxStepKey, Steps)
{
    box->setValue(GetParam().from);
    enter();
    QTest::keyClick(edit(), GetParam().key);
    EXPECT_EQ(box->value(), GetParam().to);
    EXPECT_EQ(box->text(), QString::number(GetParam().to));
}

INSTANTIATE_TEST_SUITE_P(Rule, YearBoxStepKey,
                         ::testing::Values(StepCase{"Up", Qt::Key_Up, 1989, 1990},
                                           StepCase{"Down", Qt::Key_Down, 1989, 1988},
                                           StepCase{"PageUp", Qt::Key_PageUp, 1989, 1999},
                                           StepCase{"PageDown", Qt::Key_PageDown, 1989, 1979},
                                           StepCase{"UpStopsAtMaximum", Qt::Key_Up, 9999, 9999},
                                           StepCase{"PageUpStopsAtMaximum", Qt::Key_PageUp, 9995, 9999},
                                           StepCase{"DownStopsAtMinimum", Qt::Key_Down, -9999, -9999},
                                           StepCase{"PageDownStopsAtMinimum", Qt::Key_PageDown, -9995, -9999}),
                         [](const auto& info) { return testName(info.param.name); });

TEST_F(YearBoxTest, StepFromATypedValueBeyondRangeLandsOnTheLimit)
{
    typeOver(QStringLiteral("12345"));
    QTest::keyClick(edit(), Qt::Key_Up);
    EXPECT_EQ(box->value(), 9999);
}

TEST_F(YearBoxTest, WheelStepsOncePerNotch)
{
    box->setValue(1989);
    auto wheel = [this](int delta) {
        const QPointF at = edit()->rect().center();
        QWheelEvent event(at, edit()->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(edit(), &event);
    };
    wheel(120);
    EXPECT_EQ(box->value(), 1990);
    wheel(-240);
    EXPECT_EQ(box->value(), 1988);
    wheel(60);
    EXPECT_EQ(box->value(), 1988);
    wheel(60);
    EXPECT_EQ(box->value(), 1989);
}

TEST_F(YearBoxTest, SpinButtonsStepAndTakeTheFocus)
{
    box->setValue(1989);
    auto* up = box->findChild<QAbstractButton*>(QStringLiteral("spinUp"));
    auto* down = box->findChild<QAbstractButton*>(QStringLiteral("spinDown"));
    ASSERT_TRUE(up && down);
    EXPECT_LT(up->geometry().top(), down->geometry().top());

    QTest::mouseClick(up, Qt::LeftButton);
    EXPECT_EQ(box->value(), 1990);
    EXPECT_TRUE(edit()->hasFocus());
    QTest::mouseClick(down, Qt::LeftButton);
    QTest::mouseClick(down, Qt::LeftButton);
    EXPECT_EQ(box->value(), 1988);
}

TEST_F(YearBoxTest, HeldSpinButtonRepeatsAndItsReleaseAddsNoStep)
{
    box->setValue(1989);
    auto* up = box->findChild<QAbstractButton*>(QStringLiteral("spinUp"));
    ASSERT_TRUE(up);
    QTest::mousePress(up, Qt::LeftButton);
    QTRY_VERIFY(box->value() >= 1992);
    QTest::mouseRelease(up, Qt::LeftButton);
    const double released = box->value();
    QTest::qWait(250);
    EXPECT_EQ(box->value(), released);
}

TEST_F(YearBoxTest, CtrlASelectsAll)
{
    typeOver(QStringLiteral("1989+5"));
    QTest::keyClick(edit(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(edit()->selectedText(), "1989+5");
}

TEST_F(YearBoxTest, WindowShortcutsWorkFromInsideTheBox)
{
    QAction close(&window);
    close.setShortcut(Qt::Key_Escape);
    QAction help(&window);
    help.setShortcut(Qt::Key_F1);
    window.addAction(&close);
    window.addAction(&help);
    QSignalSpy closed(&close, &QAction::triggered);
    QSignalSpy helped(&help, &QAction::triggered);
    enter();
    QTest::keyClick(window.windowHandle(), Qt::Key_Escape);
    QTest::keyClick(window.windowHandle(), Qt::Key_F1);
    EXPECT_EQ(closed.count(), 1);
    EXPECT_EQ(helped.count(), 1);
}

// Paste and cut (rule 6)

struct PasteCase {
    const char* name;
    const char* before;
    int selectionStart; // -1: no selection, the cursor at the end
    int selectionLength;
    const char* clipboard;
    const char* after;
    bool rejected;
};

class YearBoxPaste : public YearBoxTest, public ::testing::WithParamInterface<PasteCase> {};

TEST_P(YearBoxPaste, InsertsOnlyWhatLeavesAPlainNumber)
{
    const PasteCase& c = GetParam();
    typeOver(QString::fromUtf8(c.before));
    if (c.selectionStart >= 0)
        edit()->setSelection(c.selectionStart, c.selectionLength);
    QGuiApplication::clipboard()->setText(QString::fromUtf8(c.clipboard));
    QSignalSpy rejected(box, &YearBox::inputRejected);
    QTest::keyClick(edit(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box->text(), QString::fromUtf8(c.after));
    EXPECT_EQ(rejected.count(), c.rejected ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Rule, YearBoxPaste,
                         ::testing::Values(PasteCase{"OverSelection", "1989", 0, 4, "2023", "2023", false},
                                           PasteCase{"AtCursor", "198", -1, 0, "5", "1985", false},
                                           PasteCase{"SignInFront", "1989", 0, 0, "-", "-1989", false},
                                           PasteCase{"ThousandsSeparator", "0", 0, 1, "1,989", "1989", false},
                                           PasteCase{"CurrencyAndSpaces", "0", 0, 1,
                                                     " \xC2\xA5"
                                                     "2 023 ",
                                                     "2023", false},
                                           PasteCase{"FullWidthYen", "0", 0, 1,
                                                     "\xEF\xBF\xA5"
                                                     "1,000",
                                                     "1000", false},
                                           PasteCase{"FullWidthDigits", "0", 0, 1,
                                                     "\xEF\xBC\x92\xEF\xBC\x90\xEF\xBC\x92\xEF\xBC\x93", "2023", false},
                                           PasteCase{"EmptyOverEverything", "1989", 0, 4, "", "", false},
                                           PasteCase{"Expression", "0", 0, 1, "1989+5", "0", true},
                                           PasteCase{"Letters", "1989", -1, 0, "abc", "1989", true},
                                           PasteCase{"MinusAlone", "1989", 0, 4, "-", "1989", true},
                                           PasteCase{"SignInTheMiddle", "1989", 2, 0, "-", "1989", true},
                                           PasteCase{"IntoAnExpression", "1989+", -1, 0, "5", "1989+", true}),
                         [](const auto& info) { return testName(info.param.name); });

struct CutCase {
    const char* name;
    const char* before;
    int selectionStart;
    int selectionLength;
    const char* after;
    bool rejected;
};

class YearBoxCut : public YearBoxTest, public ::testing::WithParamInterface<CutCase> {};

TEST_P(YearBoxCut, CopiesAlwaysRemovesOnlyWhenAPlainNumberRemains)
{
    const CutCase& c = GetParam();
    typeOver(QString::fromUtf8(c.before));
    edit()->setSelection(c.selectionStart, c.selectionLength);
    const QString selected = edit()->selectedText();
    QGuiApplication::clipboard()->clear();
    QSignalSpy rejected(box, &YearBox::inputRejected);
    QTest::keyClick(edit(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), selected);
    EXPECT_EQ(box->text(), QString::fromUtf8(c.after));
    EXPECT_EQ(rejected.count(), c.rejected ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Rule, YearBoxCut,
                         ::testing::Values(CutCase{"LastDigit", "1989", 3, 1, "198", false},
                                           CutCase{"Everything", "1989", 0, 4, "", false},
                                           CutCase{"OperatorPart", "1989+5", 4, 2, "1989", false},
                                           CutCase{"LeavesAnExpression", "1989+5", 0, 4, "1989+5", true},
                                           CutCase{"LeavesMinusAlone", "-5", 1, 1, "-5", true}),
                         [](const auto& info) { return testName(info.param.name); });

// The menu of the line edit stays, and its cut and paste keep the rules.
class YearBoxContextMenu : public YearBoxTest {
protected:
    QAction* openMenuAction(QKeySequence::StandardKey key)
    {
        const QPoint at = edit()->rect().center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, edit()->mapToGlobal(at));
        QApplication::sendEvent(edit(), &event);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return nullptr;
        const QString shortcut = QKeySequence(key).toString(QKeySequence::NativeText);
        for (QAction* action : menu->actions()) {
            if (action->text().endsWith(shortcut))
                return action;
        }
        return nullptr;
    }

    void TearDown() override
    {
        if (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
    }
};

TEST_F(YearBoxContextMenu, PasteRefusesAnExpression)
{
    typeOver(QStringLiteral("1989"));
    edit()->selectAll();
    QGuiApplication::clipboard()->setText(QStringLiteral("1+1"));
    QAction* paste = openMenuAction(QKeySequence::Paste);
    ASSERT_TRUE(paste);
    QSignalSpy rejected(box, &YearBox::inputRejected);
    paste->trigger();
    EXPECT_EQ(box->text(), "1989");
    EXPECT_EQ(rejected.count(), 1);
}

TEST_F(YearBoxContextMenu, PasteCleansANumber)
{
    typeOver(QStringLiteral("1989"));
    edit()->selectAll();
    QGuiApplication::clipboard()->setText(QStringLiteral("2,023"));
    QAction* paste = openMenuAction(QKeySequence::Paste);
    ASSERT_TRUE(paste);
    paste->trigger();
    EXPECT_EQ(box->text(), "2023");
}

TEST_F(YearBoxContextMenu, CutKeepsTheRestAPlainNumber)
{
    typeOver(QStringLiteral("1989+5"));
    edit()->setSelection(0, 4);
    QAction* cut = openMenuAction(QKeySequence::Cut);
    ASSERT_TRUE(cut);
    cut->trigger();
    EXPECT_EQ(box->text(), "1989+5");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "1989");
}

// Display (rule 7)

struct DisplayCase {
    const char* name;
    const char* format;
    double value;
    const char* shown;
};

class YearBoxDisplay : public YearBoxTest, public ::testing::WithParamInterface<DisplayCase> {};

TEST_P(YearBoxDisplay, ShowsTheFormattedValueWithoutFocus)
{
    const DisplayCase& c = GetParam();
    box->setValue(c.value);
    QSignalSpy changed(box, &YearBox::changed);
    box->setDisplayFormat(QString::fromUtf8(c.format));
    EXPECT_EQ(shown(), QString::fromUtf8(c.shown));
    EXPECT_EQ(box->text(), QString::number(c.value));
    EXPECT_EQ(changed.count(), 0);
}

INSTANTIATE_TEST_SUITE_P(Rule, YearBoxDisplay,
                         ::testing::Values(DisplayCase{"PlainPositive", "0", 5, "5"},
                                           DisplayCase{"PlainNegative", "0", -5, "-5"},
                                           DisplayCase{"SignedZero", "+###0", 0, "+0"},
                                           DisplayCase{"SignedPositive", "+###0", 100, "+100"},
                                           DisplayCase{"SignedNegative", "+###0", -100, "-100"},
                                           DisplayCase{"UnsignedPositive", "###0", 5, "5"},
                                           DisplayCase{"UnsignedNegative", "###0", -100, "-100"}),
                         [](const auto& info) { return testName(info.param.name); });

TEST_F(YearBoxTest, FocusShowsTheTypedTextAndSwitchingIsNoChange)
{
    box->setText(QStringLiteral("0042"));
    box->setDisplayFormat(QStringLiteral("+###0"));
    EXPECT_EQ(shown(), "+42");
    QSignalSpy changed(box, &YearBox::changed);
    enter();
    EXPECT_EQ(shown(), "0042");
    EXPECT_EQ(changed.count(), 0);
}

TEST_F(YearBoxTest, EmptyTextIsShownEmptyWithoutFocus)
{
    box->setDisplayFormat(QStringLiteral("+###0"));
    box->setText(QString());
    EXPECT_EQ(shown(), "");
}

// Hints

TEST_F(YearBoxTest, LineEditCarriesTheHintsOfTheBox)
{
    YearBox hinted;
    hinted.setToolTip(QStringLiteral("A.D."));
    hinted.setAccessibleName(QStringLiteral("西暦"));
    hinted.setAccessibleDescription(QStringLiteral("A.D."));
    hinted.show();
    EXPECT_EQ(hinted.lineEdit()->toolTip(), "A.D.");
    EXPECT_EQ(hinted.lineEdit()->accessibleName(), "西暦");
    EXPECT_EQ(hinted.lineEdit()->accessibleDescription(), "A.D.");
    hinted.setToolTip(QStringLiteral("From Now"));
    EXPECT_EQ(hinted.lineEdit()->toolTip(), "From Now");
}

} // namespace
} // namespace erakon
