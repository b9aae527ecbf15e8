// SPDX-License-Identifier: MIT
#include "desktop/about_dialog.h"

#include "core/clock.h"
#include "core/version.h"
#include "tests/desktop/ukrainian_names.h"

#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace erakon {
namespace {

const QString kBasicStyle = QStringLiteral("Windows");

class AboutDialogTest : public ::testing::Test {
protected:
    AboutContext context(const QString& activeStyle = kBasicStyle)
    {
        return AboutContext{&mainWindow,      QCoreApplication::applicationFilePath(),
                            tokyoClock,       [](const DateTime&) { return 9 * 3600; },
                            ukrainianNames(), activeStyle,
                            kBasicStyle,      random};
    }

    QWidget mainWindow;
    FixedClock tokyoClock{makeDateTime(2023, 5, 20, 20, 5, 9)};
    QRandomGenerator random{20230520};
};

TEST_F(AboutDialogTest, TextHasNineLinesEachEndedByCrLf)
{
    // The version this build gives the program, and the file version its note carries.
    const QString version = QString::fromUtf8(kVersionText);
    const QString expected = QStringLiteral("desktop_tests ") + version + QStringLiteral(" (")
        + QString::fromUtf8(kFileVersion) + QStringLiteral(") Release Build\r\n")
        + QCoreApplication::applicationFilePath()
        + QStringLiteral("\r\n"
                         "CurrentScreen 1920 x 1080\r\n"
                         "\r\n"
                         "Copyright (C) 2026 the Erakon authors. MIT License.\r\n"
                         "erakon@harunagi.example\r\n"
                         "https://www.harunagi.example/\r\n"
                         "\r\n"
                         "Peace for Ukraine\r\n"
                         "20 травня 2023 субота 14:05, Ukraine Standard Time "
                         "(in Daylight Saving Time)\r\n");
    EXPECT_EQ(aboutText(context(), QSize(1920, 1080)), expected);
}

// The copyright line says what LICENSE says: the same holder and year (LICENSE
// writes "(c)"), and the licence by the name LICENSE opens with.
TEST_F(AboutDialogTest, CopyrightLineAgreesWithTheLicenceFile)
{
    QFile licence(QStringLiteral(ERAKON_LICENSE_FILE));
    ASSERT_TRUE(licence.open(QIODevice::ReadOnly | QIODevice::Text));
    const QStringList lines = QString::fromUtf8(licence.readAll()).split(u'\n');
    ASSERT_GE(lines.size(), 3);
    EXPECT_EQ(QString::fromUtf8(kLicenceName), lines[0].trimmed());
    EXPECT_EQ(QString::fromUtf8(kCopyrightNotice).toLower(), lines[2].trimmed().toLower());

    const QStringList about = aboutText(context(), QSize(1, 1)).split(QStringLiteral("\r\n"));
    ASSERT_GE(about.size(), 5);
    EXPECT_EQ(about[4], QStringLiteral("Copyright (C) 2026 the Erakon authors. MIT License."));
}

TEST_F(AboutDialogTest, ProgramWithoutVersionShowsEmptyParentheses)
{
    QTemporaryDir folder;
    const QString program = folder.filePath(QStringLiteral("Erakon.exe"));
    QFile(program).open(QIODevice::WriteOnly);
    AboutContext about = context();
    about.executablePath = program;
    EXPECT_TRUE(aboutText(about, QSize(800, 600))
                    .startsWith(QStringLiteral("Erakon ") + QString::fromUtf8(kVersionText)
                                + QStringLiteral(" () Release Build\r\n")));
}

TEST(AboutGradientTest, OddColoursRunLeftToRightEvenOnesTopToBottom)
{
    struct Row {
        const char* name;
        quint32 colour;
        QPointF end;
        QColor endColour;
    };
    const QRectF rect(0, 0, 300, 200);
    const Row rows[] = {
        {"odd", 0x123457, rect.topRight(), QColor(0x57, 0x34, 0x12)},
        {"even", 0x123456, rect.bottomLeft(), QColor(0x56, 0x34, 0x12)},
        {"largest drawn", 0xfffffe, rect.bottomLeft(), QColor(0xfe, 0xff, 0xff)},
        {"black", 0, rect.bottomLeft(), QColor(0, 0, 0)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const QLinearGradient gradient = aboutGradient(row.colour, rect);
        EXPECT_EQ(gradient.start(), rect.topLeft());
        EXPECT_EQ(gradient.finalStop(), row.end);
        EXPECT_EQ(gradient.stops(), (QGradientStops{{0.0, QColor(Qt::white)}, {1.0, row.endColour}}));
    }
}

TEST_F(AboutDialogTest, DialogLooksAsTheCommandAsks)
{
    const std::unique_ptr<AboutDialog> dialog = createAboutDialog(context());

    EXPECT_EQ(dialog->windowTitle(), QString::fromUtf8(kApplicationTitle));
    const Qt::WindowFlags flags = dialog->windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::CustomizeWindowHint));
    for (const Qt::WindowType button :
         {Qt::WindowSystemMenuHint, Qt::WindowCloseButtonHint, Qt::WindowMinimizeButtonHint,
          Qt::WindowMaximizeButtonHint, Qt::WindowContextHelpButtonHint})
        EXPECT_FALSE(flags.testFlag(button)) << button;

    ASSERT_EQ(dialog->buttons().size(), 1);
    QAbstractButton* ok = dialog->buttons().first();
    EXPECT_EQ(ok->text(), QStringLiteral("OK"));
    EXPECT_EQ(ok->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(dialog->defaultButton(), ok);
    EXPECT_EQ(dialog->escapeButton(), ok);

    auto* label = dialog->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    ASSERT_NE(label, nullptr);
    EXPECT_FALSE(label->autoFillBackground());
    EXPECT_FALSE(label->text().contains(u'\r'));
    EXPECT_EQ(label->text().count(u'\n'), 10);
    EXPECT_FALSE(dialog->iconPixmap().isNull());
}

TEST_F(AboutDialogTest, OpensCentredOverTheMainWindow)
{
    mainWindow.setGeometry(40, 30, 720, 540); // inside the offscreen screen
    mainWindow.show();
    const std::unique_ptr<AboutDialog> dialog = createAboutDialog(context());
    dialog->show();
    const QPoint offset = dialog->frameGeometry().center() - mainWindow.frameGeometry().center();
    EXPECT_LE(offset.manhattanLength(), 4) << offset.x() << "," << offset.y();
}

TEST_F(AboutDialogTest, GradientOnlyUnderTheBasicStyleAndNewOnEveryPaint)
{
    const std::unique_ptr<AboutDialog> basic = createAboutDialog(context());
    const std::unique_ptr<AboutDialog> other = createAboutDialog(context(QStringLiteral("Windows10 Dark")));
    const std::unique_ptr<AboutDialog> otherCase = createAboutDialog(context(QStringLiteral("windows")));
    EXPECT_TRUE(basic->paintsGradient());
    EXPECT_FALSE(other->paintsGradient());
    EXPECT_FALSE(otherCase->paintsGradient());

    basic->adjustSize();
    const QImage first = basic->grab().toImage();
    const QImage second = basic->grab().toImage();
    EXPECT_EQ(first.pixelColor(0, 0), QColor(Qt::white));
    EXPECT_NE(first, second);

    // A part repainted for a child keeps the colour around it.
    QImage part(basic->size(), QImage::Format_ARGB32);
    part.fill(Qt::transparent);
    const QPoint corner(basic->width() - 3, basic->height() - 3);
    basic->render(&part, QPoint(), QRegion(QRect(corner, QSize(3, 3))));
    EXPECT_EQ(part.pixelColor(1, 1), second.pixelColor(corner + QPoint(1, 1))); // drawn at the image's origin
}

TEST_F(AboutDialogTest, EnterAndEscapeBothClose)
{
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        SCOPED_TRACE(key);
        const std::unique_ptr<AboutDialog> dialog = createAboutDialog(context());
        QTimer::singleShot(0, dialog.get(), [&dialog, key] { QTest::keyClick(dialog.get(), key); });
        QTimer::singleShot(5000, dialog.get(), [&dialog] { dialog->done(-1); }); // a hung test ends
        EXPECT_NE(dialog->exec(), -1);
    }
}

} // namespace
} // namespace erakon
