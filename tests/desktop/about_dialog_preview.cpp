// SPDX-License-Identifier: MIT
// Shows the About dialog over a stand-in main window, for looking at it under
// a real X server: about_dialog_preview [--active-style NAME] [--report]
// --active-style NAME makes NAME the active style, so the gradient is left out;
// --report shows a multi-line report through the message service first.
#include "desktop/about_dialog.h"

#include "core/clock.h"
#include "desktop/linux_desktop_platform.h"
#include "desktop/qt_messages.h"
#include "settings/locale_settings.h"

#include <QApplication>
#include <QIcon>
#include <QLabel>
#include <QRandomGenerator>
#include <QTimer>
#include <QVBoxLayout>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/erakon.svg")));
    const QStringList arguments = QApplication::arguments();
    const qsizetype styleAt = arguments.indexOf(QStringLiteral("--active-style"));
    const QString basicStyle = QStringLiteral("Windows");
    const QString activeStyle = styleAt > 0 && styleAt + 1 < arguments.size() ? arguments[styleAt + 1] : basicStyle;

    QWidget mainWindow;
    mainWindow.setWindowTitle(QStringLiteral("Erakon"));
    auto* layout = new QVBoxLayout(&mainWindow);
    layout->addWidget(new QLabel(QStringLiteral("main window")));
    mainWindow.setGeometry(160, 120, 760, 520);
    mainWindow.show();

    erakon::LinuxDesktopPlatform platform;
    erakon::SystemClock clock;
    QRandomGenerator random(QRandomGenerator::global()->generate());
    erakon::QtMessages messages;
    QTimer::singleShot(300, &mainWindow, [&] {
        if (arguments.contains(QStringLiteral("--report")))
            messages.report(
                QStringLiteral("フォルダ デスクトップ に \r\n/home/user/Desktop/Erakon.desktop\r\n新規作成しました。"));
        erakon::showAboutBox({&mainWindow, platform.executablePath(), clock, erakon::localUtcOffset(),
                              erakon::ukrainianFormatSettings(), activeStyle, basicStyle, random});
        QApplication::quit();
    });
    return QApplication::exec();
}
