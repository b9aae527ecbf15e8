// SPDX-License-Identifier: MIT
#include "styles/style_service.h"

#include "styles/style_colour.h"
#include "styles/style_definition.h"
#include "styles/style_look.h"
#include "tests/support/style_names.h"

#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

namespace erakon {
namespace {

QStringList carriedStyleNames()
{
    QStringList names = kStyleNamesInListOrder;
    names.removeOne(QStringLiteral("Windows"));
    return names;
}

class StyleServiceTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        QString error;
        ASSERT_TRUE(service.setActiveStyle(QStringLiteral("Windows"), &error)) << error.toStdString();
    }

    StyleService service;
};

TEST_F(StyleServiceTest, NamesSortedAsTheStyleListShowsThem)
{
    QStringList names = service.names();
    EXPECT_EQ(names.first(), QStringLiteral("Windows"));
    std::sort(names.begin(), names.end(),
              [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    EXPECT_EQ(names, kStyleNamesInListOrder);
}

TEST_F(StyleServiceTest, StartsInTheSystemStyle) { EXPECT_EQ(service.activeName(), QStringLiteral("Windows")); }

struct NameCase {
    const char* label;
    const char* asked;
    const char* active;
};

class StyleServiceNameTest : public StyleServiceTest, public ::testing::WithParamInterface<NameCase> {};

TEST_P(StyleServiceNameTest, FindsTheStyleWithoutRegardToCase)
{
    QString error;
    EXPECT_TRUE(service.setActiveStyle(QString::fromUtf8(GetParam().asked), &error));
    EXPECT_EQ(service.activeName(), QString::fromUtf8(GetParam().active));
    EXPECT_TRUE(error.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Names, StyleServiceNameTest,
                         ::testing::Values(NameCase{"exact", "Carbon", "Carbon"}, NameCase{"lower", "carbon", "Carbon"},
                                           NameCase{"upper_with_spaces", "WINDOWS10 BLUE WHALE LE",
                                                    "Windows10 Blue Whale LE"},
                                           NameCase{"system_lower", "windows", "Windows"},
                                           NameCase{"windows10_is_not_the_system_style", "windows10", "Windows10"}),
                         [](const auto& info) { return std::string(info.param.label); });

struct UnknownCase {
    const char* label;
    const char* asked;
};

class StyleServiceUnknownTest : public StyleServiceTest, public ::testing::WithParamInterface<UnknownCase> {};

TEST_P(StyleServiceUnknownTest, ReportsTheNameAndKeepsTheActiveStyle)
{
    QString error;
    ASSERT_TRUE(service.setActiveStyle(QStringLiteral("Glow"), &error));
    const QString sheet = qApp->styleSheet();

    const QString asked = QString::fromUtf8(GetParam().asked);
    EXPECT_FALSE(service.setActiveStyle(asked, &error));
    EXPECT_EQ(error, QStringLiteral("スタイル '%1' が見つかりません").arg(asked));
    EXPECT_EQ(service.activeName(), QStringLiteral("Glow"));
    EXPECT_EQ(qApp->styleSheet(), sheet);
}

INSTANTIATE_TEST_SUITE_P(Unknown, StyleServiceUnknownTest,
                         ::testing::Values(UnknownCase{"unknown", "Nimbus"}, UnknownCase{"empty", ""},
                                           UnknownCase{"trailing_space", "Carbon "},
                                           UnknownCase{"space_inside", "Windows 10"},
                                           UnknownCase{"placeholder_text", "%1 %s"}),
                         [](const auto& info) { return std::string(info.param.label); });

TEST_F(StyleServiceTest, ApplyingTheActiveStyleAgainChangesNothing)
{
    QString error;
    ASSERT_TRUE(service.setActiveStyle(QStringLiteral("Carbon"), &error));
    // A mark the service would wipe out if it applied the style again.
    const QString marked = qApp->styleSheet() + QStringLiteral("\n/* mark */");
    qApp->setStyleSheet(marked);

    EXPECT_TRUE(service.setActiveStyle(QStringLiteral("CARBON"), &error));
    EXPECT_EQ(qApp->styleSheet(), marked);
}

TEST_F(StyleServiceTest, SystemStyleRestoresTheOriginalLook)
{
    const QString styleName = QApplication::style()->name();
    const QPalette palette = QApplication::palette();
    const QString sheet = qApp->styleSheet();
    QString error;
    ASSERT_TRUE(service.setActiveStyle(QStringLiteral("Windows10 Dark"), &error));
    ASSERT_TRUE(service.setActiveStyle(QStringLiteral("Luna"), &error));
    ASSERT_NE(QApplication::palette(), palette);

    ASSERT_TRUE(service.setActiveStyle(QStringLiteral("Windows"), &error));
    EXPECT_EQ(QApplication::style()->name(), styleName);
    EXPECT_EQ(QApplication::palette(), palette);
    EXPECT_EQ(qApp->styleSheet(), sheet);
}

TEST_F(StyleServiceTest, InitializeKeepsRegisteredAndActiveStyles)
{
    const QStringList before = service.names();
    QString error;
    ASSERT_TRUE(service.setActiveStyle(QStringLiteral("Sky"), &error));

    service.rediscoverStyles();

    EXPECT_EQ(service.names(), before);
    EXPECT_EQ(service.activeName(), QStringLiteral("Sky"));
}

TEST_F(StyleServiceTest, ACarriedStyleCanBeAppliedBeforeTheListIsAskedFor)
{
    QString error;
    EXPECT_TRUE(service.setActiveStyle(QStringLiteral("obsidian"), &error)) << error.toStdString();
    EXPECT_EQ(service.activeName(), QStringLiteral("Obsidian"));
}

// Every carried style: legible text in the palette the application gets, and
// disabled text that looks different from normal text.
TEST_F(StyleServiceTest, EveryCarriedStyleIsLegible)
{
    for (const QString& name : carriedStyleNames()) {
        SCOPED_TRACE(name.toStdString());
        QString error;
        ASSERT_TRUE(service.setActiveStyle(name, &error)) << error.toStdString();
        const QPalette p = QApplication::palette();
        const auto pair = [&p](QPalette::ColorRole text, QPalette::ColorRole background) {
            return contrast(p.color(QPalette::Active, text), p.color(QPalette::Active, background));
        };
        EXPECT_GE(pair(QPalette::WindowText, QPalette::Window), 4.5);
        EXPECT_GE(pair(QPalette::ButtonText, QPalette::Button), 4.5);
        EXPECT_GE(pair(QPalette::Text, QPalette::Base), 4.5);
        EXPECT_GE(pair(QPalette::HighlightedText, QPalette::Highlight), 4.5);
        EXPECT_GE(pair(QPalette::ToolTipText, QPalette::ToolTipBase), 4.5);
        // Disabled text: visibly different from normal text, yet still readable.
        for (const auto& [text, background] :
             {std::pair{QPalette::WindowText, QPalette::Window}, std::pair{QPalette::Text, QPalette::Base},
              std::pair{QPalette::ButtonText, QPalette::Button}}) {
            const QColor disabled = p.color(QPalette::Disabled, text);
            EXPECT_NE(disabled, p.color(QPalette::Active, text));
            EXPECT_GE(contrast(disabled, p.color(QPalette::Disabled, background)), 2.5) << "role " << text;
        }
        EXPECT_FALSE(qApp->styleSheet().isEmpty());
    }
}

// The colours the style sheet adds on top of the palette.
TEST(StyleDefinitionFiles, EveryDefinitionParsesAndItsExtraColoursAreLegible)
{
    const QDir folder(QStringLiteral(":/styles"));
    QStringList names;
    for (const QString& file : folder.entryList({QStringLiteral("*.ini")}, QDir::Files)) {
        SCOPED_TRACE(file.toStdString());
        QFile definitionFile(folder.filePath(file));
        ASSERT_TRUE(definitionFile.open(QIODevice::ReadOnly));
        QString error;
        const auto d = parseStyleDefinition(QString::fromUtf8(definitionFile.readAll()), &error);
        ASSERT_TRUE(d) << error.toStdString();
        names.append(d->name);
        EXPECT_GE(contrast(d->header, d->window), 4.5);
        EXPECT_GE(contrast(d->buttonText, d->hover), 4.5);
        EXPECT_GE(contrast(d->buttonText, d->pressed), 4.5);
        EXPECT_GE(contrast(d->statusText, d->statusBar), 4.5);
    }
    names.sort(Qt::CaseInsensitive);
    EXPECT_EQ(names, carriedStyleNames());
}

// Check boxes and radio buttons must show their indicator in every style,
// dark ones included: some pixels of the indicator stand out from the window.
TEST_F(StyleServiceTest, IndicatorsStandOutFromTheWindowInEveryStyle)
{
    QCheckBox checkBox(QStringLiteral("干支も表示"));
    QRadioButton radio(QStringLiteral("タスクバー"));
    for (const QString& name : carriedStyleNames()) {
        QString error;
        ASSERT_TRUE(service.setActiveStyle(name, &error)) << error.toStdString();
        const QColor window = QApplication::palette().color(QPalette::Window);
        for (QAbstractButton* button :
             {static_cast<QAbstractButton*>(&checkBox), static_cast<QAbstractButton*>(&radio)}) {
            for (const bool checked : {false, true}) {
                SCOPED_TRACE(QStringLiteral("%1 %2 %3").arg(name, button->text()).arg(checked).toStdString());
                button->setChecked(checked);
                button->adjustSize();
                const QImage image = button->grab().toImage();
                QStyleOptionButton option;
                option.initFrom(button);
                const QRect indicator = button->style()->subElementRect(
                    qobject_cast<QCheckBox*>(button) ? QStyle::SE_CheckBoxIndicator : QStyle::SE_RadioButtonIndicator,
                    &option, button);
                double strongest = 1.0;
                for (int y = indicator.top(); y <= indicator.bottom(); ++y) {
                    for (int x = indicator.left(); x <= indicator.right(); ++x) {
                        if (image.rect().contains(x, y))
                            strongest = std::max(strongest, contrast(image.pixelColor(x, y), window));
                    }
                }
                EXPECT_GE(strongest, 3.0);
            }
        }
    }
}

// A folder of the test's own: names come from inside the files, a name seen
// twice (in any case) is registered once, unreadable entries are left out,
// and a broken definition fails to apply without changing the active style.
TEST(StyleServiceFolder, RegistersByTheNameInsideEachDefinition)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const auto write = [&dir](const char* file, const QByteArray& text) {
        QFile out(dir.filePath(QString::fromUtf8(file)));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(text);
    };
    QFile carbon(QStringLiteral(":/styles/carbon.ini"));
    ASSERT_TRUE(carbon.open(QIODevice::ReadOnly));
    QByteArray body = carbon.readAll();
    body.replace("name = Carbon", "# a comment first\nname = Deep Carbon");
    write("a.ini", body);
    write("b.ini", "name = DEEP CARBON\n");
    write("c.ini", "window = #000000\nname = Late Name\n");
    write("d.ini", "name = Broken\nwindow = not-a-colour\n");
    write("e.txt", "name = Not A Definition\n");

    StyleService service(dir.path());
    EXPECT_EQ(service.names(), (QStringList{"Windows", "Deep Carbon", "Broken"}));

    QString error;
    EXPECT_FALSE(service.setActiveStyle(QStringLiteral("broken"), &error));
    EXPECT_TRUE(error.startsWith(QStringLiteral("スタイル 'Broken' を読み込めません"))) << error.toStdString();
    EXPECT_EQ(service.activeName(), QStringLiteral("Windows"));

    EXPECT_TRUE(service.setActiveStyle(QStringLiteral("deep carbon"), &error));
    EXPECT_EQ(service.activeName(), QStringLiteral("Deep Carbon"));
    EXPECT_TRUE(service.setActiveStyle(QStringLiteral("Windows"), &error));
}

struct DefinitionErrorCase {
    const char* label;
    const char* text;
    const char* mentions;
};

class StyleDefinitionErrorTest : public ::testing::TestWithParam<DefinitionErrorCase> {};

constexpr auto kColours = "window = #101010\nwindow_text = #f0f0f0\nbase = #000\ntext = #fff\n"
                          "button = #202020\nbutton_text = #eee\nhighlight = #3060c0\n"
                          "highlighted_text = #fff\nborder = #444\naccent = #48f\n";

TEST_P(StyleDefinitionErrorTest, RejectsTheDefinitionWithAReason)
{
    QString error;
    const auto definition = parseStyleDefinition(
        QString::fromUtf8(GetParam().text).replace(QStringLiteral("{colours}"), QString::fromUtf8(kColours)), &error);
    EXPECT_FALSE(definition);
    EXPECT_TRUE(error.contains(QString::fromUtf8(GetParam().mentions))) << error.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Errors, StyleDefinitionErrorTest,
    ::testing::Values(DefinitionErrorCase{"no_name", "{colours}", "no name"},
                      DefinitionErrorCase{"empty_text", "", "no name"},
                      DefinitionErrorCase{"missing_colour", "name = X\nwindow = #fff\n", "missing colour"},
                      DefinitionErrorCase{"bad_colour", "name = X\n{colours}hover = bluish\n", "hover"},
                      DefinitionErrorCase{"unknown_key", "name = X\n{colours}shadow = #000\n", "shadow"},
                      DefinitionErrorCase{"radius_too_large", "name = X\n{colours}radius = 99\n", "radius"},
                      DefinitionErrorCase{"not_a_number", "name = X\n{colours}padding = wide\n", "padding"},
                      DefinitionErrorCase{"unknown_surface", "name = X\n{colours}surface = velvet\n", "velvet"},
                      DefinitionErrorCase{"no_equals_sign", "name = X\n{colours}window #000\n", "line 12"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(StyleDefinition, DerivesTheColoursItLeavesOut)
{
    QString error;
    const auto d = parseStyleDefinition(QStringLiteral("name = Plain\n") + QString::fromUtf8(kColours), &error);
    ASSERT_TRUE(d) << error.toStdString();
    EXPECT_EQ(d->header, d->windowText);
    EXPECT_EQ(d->toolTipBase, d->button);
    EXPECT_EQ(d->statusBar, d->window);
    EXPECT_TRUE(d->hover.isValid());
    EXPECT_NE(d->hover, d->button);
}

TEST(StyleDefinition, ReadsOnlyTheNameLine)
{
    QByteArray text("# comment\n\nname =  Sapphire Kamri \nwindow = broken\n");
    QBuffer buffer(&text);
    ASSERT_TRUE(buffer.open(QIODevice::ReadOnly));
    EXPECT_EQ(readStyleName(buffer), QStringLiteral("Sapphire Kamri"));
    EXPECT_FALSE(buffer.atEnd());
}

} // namespace
} // namespace erakon
