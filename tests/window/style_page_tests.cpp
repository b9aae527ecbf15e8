// SPDX-License-Identifier: MIT
// The style page and the File and Help commands as the window runs them.
#include "window/main_window.h"

#include "desktop/about_dialog.h"
#include "settings/settings_location.h"
#include "tests/support/scripted_messages.h"
#include "tests/support/settings_test_printers.h"
#include "tests/support/style_names.h"
#include "tests/window/window_fixture.h"
#include "widgets/page_control.h"
#include "widgets/radio_group.h"
#include "widgets/year_box.h"
#include "window/conversion_page.h"
#include "window/page.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStyle>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

namespace erakon {
namespace {

class StylePageTest : public WindowFixture<ScriptedMessages> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        desktop.executable = folder.filePath(QStringLiteral("bin/erakon"));
        desktop.folders[SpecialFolder::Desktop] = folder.filePath(QStringLiteral("Desktop"));
        QDir(folder.path()).mkpath(QStringLiteral("Desktop"));
        createWindow();
    }

    // A new window that reads a settings file with this content.
    void restartWithSettings(const QByteArray& content)
    {
        window.reset();
        const SettingsLocation location{folder.filePath(QStringLiteral("config")), desktop.executable};
        ASSERT_NO_FATAL_FAILURE(writeSettingsFile(location, content));
        createWindow(location);
    }

    void TearDown() override
    {
        window.reset();
        // The next window starts in the system style, as the program does.
        styles.setActiveStyle(StyleService::systemStyleName(), nullptr);
    }

    // Moves the selection as the user does: the list has the focus, then a key.
    void pressInList(Qt::Key key)
    {
        styleList()->setFocus();
        QTest::keyClick(styleList(), key);
    }

    QListWidget* styleList() const { return control<QListWidget>("styleList"); }

    QStringList listedNames() const
    {
        QStringList names;
        for (int row = 0; row < styleList()->count(); ++row)
            names.append(styleList()->item(row)->text());
        return names;
    }

    StyleService& styles = sharedStyleService();
    QTemporaryDir folder;
};

TEST_F(StylePageTest, ListsEveryStyleOnceInCaseInsensitiveOrder) { EXPECT_EQ(listedNames(), kStyleNamesInListOrder); }

TEST_F(StylePageTest, StartsInTheSystemStyleAndKeepsItAsTheBasicStyle)
{
    EXPECT_EQ(window->basicStyleName(), "Windows");
    EXPECT_EQ(styles.activeName(), "Windows");
}

struct StoredStyleCase {
    const char* name;
    QByteArray settings;
    QString applied;
};

class StoredStyleTest : public StylePageTest, public ::testing::WithParamInterface<StoredStyleCase> {};

TEST_P(StoredStyleTest, AppliesAKnownNameAndKeepsTheSystemStyleOtherwise)
{
    restartWithSettings(GetParam().settings);
    EXPECT_EQ(styles.activeName(), GetParam().applied);
    EXPECT_EQ(window->basicStyleName(), "Windows");
    window->openPage(Page::Style);
    ASSERT_NE(styleList()->currentItem(), nullptr);
    EXPECT_EQ(styleList()->currentItem()->text(), GetParam().applied);
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.join('\n').toStdString();

    // The close stores the active style by its own name.
    ASSERT_TRUE(window->close());
    QFile saved(userSettingsFilePath({folder.filePath(QStringLiteral("config")), desktop.executable}));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QString::fromUtf8(saved.readAll())
                    .contains(QStringLiteral("StyleName=") + GetParam().applied + QStringLiteral("\r\n")));
}

INSTANTIATE_TEST_SUITE_P(
    StyleName, StoredStyleTest,
    ::testing::Values(StoredStyleCase{"Exact", "[OPTION]\r\nStyleName=Carbon\r\n", "Carbon"},
                      StoredStyleCase{"OtherCase", "[OPTION]\r\nStyleName=wINDOWS10 dark\r\n", "Windows10 Dark"},
                      StoredStyleCase{"Empty", "[OPTION]\r\nStyleName=\r\n", "Windows"},
                      StoredStyleCase{"Unknown", "[OPTION]\r\nStyleName=Windows11\r\n", "Windows"},
                      StoredStyleCase{"PartOfAName", "[OPTION]\r\nStyleName=Calypso S\r\n", "Windows"},
                      StoredStyleCase{"NoKey", "[OPTION]\r\nShowEto=1\r\n", "Windows"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(StylePageTest, EnteringThePageSelectsTheActiveStyleAndAppliesNothing)
{
    window->resize(391, 260);
    showActive();
    // The page takes the focus from the year box: that alone applies nothing either.
    yearBox("westernYearBox")->setFocus();
    const QStyle* lookBefore = QApplication::style();
    window->openPage(Page::Style);
    ASSERT_NE(styleList()->currentItem(), nullptr);
    EXPECT_EQ(styleList()->currentItem()->text(), "Windows");
    EXPECT_EQ(styles.activeName(), "Windows");
    EXPECT_EQ(QApplication::style(), lookBefore);

    // The active style stands about in the middle of the visible rows.
    const QRect itemRect = styleList()->visualItemRect(styleList()->currentItem());
    const int middle = styleList()->viewport()->height() / 2;
    EXPECT_LE(std::abs(itemRect.center().y() - middle), itemRect.height());
}

TEST_F(StylePageTest, UserSelectionAppliesTheStyleAndRecomputesTheTabWidth)
{
    showActive();
    window->openPage(Page::Style);
    control<PageControl>("pages")->setTabWidth(1);
    pressInList(Qt::Key_Down); // from Windows to Windows10
    EXPECT_EQ(styles.activeName(), "Windows10");
    EXPECT_EQ(control<PageControl>("pages")->tabWidth(),
              PageControl::tabWidthFor(control<PageControl>("pages")->width(), control<PageControl>("pages")->count()));
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.join('\n').toStdString();

    // Coming back to the page finds the style chosen last.
    window->openPage(Page::Conversion);
    window->openPage(Page::Style);
    EXPECT_EQ(styleList()->currentItem()->text(), "Windows10");
    EXPECT_EQ(window->basicStyleName(), "Windows");
}

// Buttons other than the left one on a style name other than the active one,
// pressed where the user presses them: on the window, through the platform.
TEST_F(StylePageTest, OnlyALeftClickInTheListAppliesAStyle)
{
    showActive();
    window->openPage(Page::Style);
    QListWidgetItem* carbon = styleList()->findItems(QStringLiteral("Carbon"), Qt::MatchExactly).value(0);
    ASSERT_NE(carbon, nullptr);
    styleList()->scrollToItem(carbon);
    QWindow* handle = window->windowHandle();
    const QPoint onCarbon = styleList()->viewport()->mapTo(window.get(), styleList()->visualItemRect(carbon).center());

    QSignalSpy menuOpened(control<QMenu>("windowMenu"), &QMenu::aboutToShow);
    for (const Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
        QTest::mouseClick(handle, button, {}, onCarbon);
        EXPECT_EQ(styleList()->currentItem()->text(), "Windows") << "button " << button;
        EXPECT_EQ(styles.activeName(), "Windows") << "button " << button;
        control<QMenu>("windowMenu")->close();
    }
    EXPECT_EQ(menuOpened.count(), 1) << "the right click opens the window's menu";

    QTest::mouseClick(handle, Qt::LeftButton, {}, onCarbon);
    EXPECT_EQ(styleList()->currentItem()->text(), "Carbon");
    EXPECT_EQ(styles.activeName(), "Carbon");
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.join('\n').toStdString();
}

// ---------------------------------------------------------------- fonts across styles

// What a control's font draws: its pixel size, and "bold" where it is bold.
QString fontOf(const QWidget* control)
{
    const QFontInfo shown(control->font());
    return QString::number(shown.pixelSize()) + (shown.bold() ? QStringLiteral("px bold") : QStringLiteral("px"));
}

// The font of every control of the window, by its path of object names.
QMap<QString, QString> everyFont(QWidget* window)
{
    QMap<QString, QString> fonts;
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (control->window() != window)
            continue;
        QString path = QString::fromLatin1(control->metaObject()->className());
        for (const QObject* node = control; node != window; node = node->parent())
            path.prepend(node->objectName() + u'/');
        fonts[path] += fontOf(control) + u' ';
    }
    return fonts;
}

class StyleFontTest : public StylePageTest, public ::testing::WithParamInterface<const char*> {
protected:
    // Chooses a style in the list as the user does.
    void choose(const QString& name)
    {
        const auto found = styleList()->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        styleList()->setCurrentItem(found.first());
        ASSERT_EQ(styles.activeName(), name);
    }

    // The sizes the layouts give, and the emphasis.
    void expectLayoutFonts(const char* when)
    {
        const QList<std::pair<QWidget*, QString>> expected{
            {window.get(), "11px"},
            {control<PageControl>("pages")->tabBar(), "11px"},
            {control<QPushButton>("sentenceButton"), "11px"},
            {control<QGroupBox>("japaneseEraGroup"), "13px"},
            {control<QGroupBox>("westernYearGroup"), "13px"},
            {control<QLabel>("meijiLabel"), "13px"},
            {control<QLabel>("heiseiLabel"), "13px"},
            {control<QLabel>("reiwaLabel"), "13px bold"},
            {yearBox("meijiYearBox")->lineEdit(), "13px"},
            {yearBox("reiwaYearBox")->lineEdit(), "13px bold"},
            {yearBox("westernYearBox")->lineEdit(), "13px bold"},
            {yearBox("yearsFromNowBox")->lineEdit(), "13px"},
            {control<QPushButton>("backToNowButton"), "13px"},
            {control<QLabel>("yearsFromNowLabel"), "12px"},
            {control<QCheckBox>("showZodiacCheck"), "11px"},
            {control<QLineEdit>("userEraNameEdit"), "13px"},
            {yearBox("userEraOriginBox")->lineEdit(), "13px"},
            {control<RadioGroup>("minimizeTargetGroup")->button(0), "11px"},
            {styleList(), "11px"},
            {control<QPushButton>("helpButton"), "11px"},
        };
        for (const auto& [widget, font] : expected)
            EXPECT_EQ(fontOf(widget), font) << when << ": " << widget->objectName().toStdString();
    }

    // The conversion page as it is drawn, with no caret to blink in it.
    QImage conversionPage()
    {
        window->openPage(Page::Conversion);
        if (QWidget* focused = QApplication::focusWidget())
            focused->clearFocus();
        // The window takes a new application palette through its event queue.
        QApplication::processEvents();
        return control<ConversionPage>("conversionPage")->grab().toImage();
    }

    // Keeps two differing grabs beside the test for a look at them; returns where.
    static std::string keepImages(const char* what, const QImage& actual, const QImage& expected)
    {
        const QString folder = QDir::current().absoluteFilePath(QStringLiteral("failed_grabs"));
        QDir().mkpath(folder);
        const QString base = folder + u'/'
            + QString::fromLatin1(::testing::UnitTest::GetInstance()->current_test_info()->name()).replace(u'/', u'_')
            + u'_' + QString::fromLatin1(what);
        actual.save(base + QStringLiteral("_actual.png"));
        expected.save(base + QStringLiteral("_expected.png"));
        return base.toStdString();
    }

    // The size the layouts were made for, and the emphasis of 2023 (令和 and
    // the Western year bold) switched on.
    static constexpr char kEmphasis[] =
        "[POSITION]\r\nLeft=100\r\nTop=100\r\nRight=491\r\nBottom=360\r\n[OPTION]\r\nShowBold=1\r\n";
};

// Every style keeps the fonts the pages define: at start, after a switch, after
// a second one, back in "Windows", and at a start in a stored style.
TEST_P(StyleFontTest, PagesKeepTheirFontsInEveryStyle)
{
    restartWithSettings(kEmphasis);
    showActive();
    expectLayoutFonts("at start");
    const QMap<QString, QString> atStart = everyFont(window.get());

    choose(GetParam());
    expectLayoutFonts("chosen");
    const QMap<QString, QString> chosen = everyFont(window.get());
    EXPECT_EQ(chosen, atStart);
    choose(QStringLiteral("Windows10 Dark"));
    expectLayoutFonts("after a second choice");
    choose(StyleService::systemStyleName());
    expectLayoutFonts("back in Windows");
    EXPECT_EQ(everyFont(window.get()), atStart);

    restartWithSettings(QByteArray(kEmphasis) + "StyleName=" + GetParam() + "\r\n");
    ASSERT_EQ(styles.activeName(), GetParam());
    showActive();
    expectLayoutFonts("stored");
    EXPECT_EQ(everyFont(window.get()), chosen);
}

// The look at start in a stored style is the look of the same style chosen
// later, and "Windows" chosen again gives back the look the program started with.
TEST_P(StyleFontTest, ConversionPageLooksTheSameHoweverTheStyleCameAbout)
{
    restartWithSettings(kEmphasis);
    showActive();
    const QImage atStart = conversionPage();
    window->openPage(Page::Style);
    choose(GetParam());
    const QImage chosen = conversionPage();
    window->openPage(Page::Style);
    choose(StyleService::systemStyleName());
    const QImage windowsAgain = conversionPage();

    restartWithSettings(QByteArray(kEmphasis) + "StyleName=" + GetParam() + "\r\n");
    showActive();
    const QImage stored = conversionPage();

    ASSERT_EQ(stored.size(), chosen.size());
    EXPECT_TRUE(stored == chosen) << "the stored style differs from the one chosen; see "
                                  << keepImages("stored", stored, chosen);
    EXPECT_TRUE(windowsAgain == atStart) << "Windows chosen again differs from the start; see "
                                         << keepImages("windows_again", windowsAgain, atStart);
}

INSTANTIATE_TEST_SUITE_P(CarriedStyle, StyleFontTest,
                         ::testing::Values("Carbon", "Glossy", "Iceberg Classico", "Glow", "Windows10"),
                         [](const auto& info) {
                             std::string name = info.param;
                             std::erase(name, ' ');
                             return name;
                         });

TEST_F(StylePageTest, DesktopButtonRunsTheShortcutFlowWithTheClockPaused)
{
    QList<bool> clockRunningWhileAsked;
    messages.whileShown = [&] { clockRunningWhileAsked.append(control<QTimer>("clockTimer")->isActive()); };
    messages.answers = {Messages::Answer::No};
    control<QPushButton>("desktopShortcutButton")->click();

    ASSERT_EQ(messages.shown.size(), 2) << messages.shown.join('\n').toStdString();
    EXPECT_TRUE(messages.shown[0].startsWith("report: フォルダ デスクトップ に \r\n"))
        << messages.shown[0].toStdString();
    EXPECT_EQ(messages.shown[1], "yes/no: フォルダ デスクトップ を開きますか？");
    EXPECT_EQ(QDir(desktop.folders[SpecialFolder::Desktop]).entryList(QDir::Files).size(), 1);
    EXPECT_EQ(clockRunningWhileAsked, (QList<bool>{false, false}));
    EXPECT_TRUE(control<QTimer>("clockTimer")->isActive());
}

// The About dialog as the window opens it; the dialog is closed with Esc.
struct AboutCase {
    const char* name;
    QString style;
    bool gradient;
};

class AboutStyleTest : public StylePageTest, public ::testing::WithParamInterface<AboutCase> {};

TEST_P(AboutStyleTest, GradientOnlyInTheBasicStyle)
{
    ASSERT_TRUE(styles.setActiveStyle(GetParam().style, nullptr));
    std::optional<bool> gradient;
    QObject timerOwner; // no late call into this test's locals if the dialog never shows
    QTimer::singleShot(0, &timerOwner, [&] {
        auto* dialog = qobject_cast<AboutDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        gradient = dialog->paintsGradient();
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    control<QPushButton>("aboutButton")->click();
    EXPECT_EQ(gradient, GetParam().gradient);
}

INSTANTIATE_TEST_SUITE_P(ActiveStyle, AboutStyleTest,
                         ::testing::Values(AboutCase{"Basic", "Windows", true}, AboutCase{"Chosen", "Carbon", false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(StylePageTest, F1OpensTheHelpFileFoundAboveTheProgram)
{
    QFile help(folder.filePath(QStringLiteral("erakon.chm")));
    ASSERT_TRUE(help.open(QIODevice::WriteOnly));
    help.close();
    showActive();
    QTest::keyClick(window.get(), Qt::Key_F1);
    EXPECT_EQ(desktop.opened, (QList<QUrl>{QUrl::fromLocalFile(help.fileName())}));
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.join('\n').toStdString();
}

} // namespace
} // namespace erakon
