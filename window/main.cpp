// SPDX-License-Identifier: MIT
// Program start: the application object, Qt's own Japanese texts for a
// Japanese user, the one window, the message loop.
#include "core/era_file.h"
#include "core/modern_eras.h"
#include "core/terminal_text.h"
#include "core/version.h"
#include "desktop/graphical_session.h"
#include "desktop/linux_desktop_platform.h"
#include "desktop/platform_start.h"
#include "desktop/program_icon.h"
#include "desktop/qt_messages.h"
#include "desktop/termination_signals.h"
#include "settings/settings_location.h"
#include "settings/system_paths.h"
#include "styles/style_service.h"
#include "widgets/caret_blink_limit.h"
#include "widgets/group_box_frame.h"
#include "window/command_line.h"
#include "window/font_config_preload.h"
#include "window/main_window.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstdlib>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    // --help, --version and a wrong option are answered before anything
    // touches the display or the settings.
    const erakon::CommandLine commandLine = erakon::parseCommandLine(argc, argv);
    if (const auto status = erakon::answerCommandLine(
            commandLine, erakon::programNameOf(argc, argv, erakon::kProgramName), std::cout, std::cerr))
        return *status;
    // Before anything reads the environment: a relative XDG folder would put
    // settings and caches wherever the program happens to run.
    erakon::applyXdgRulesToEnvironment();
    // fontconfig sets itself up beside the connection to the display; the
    // first text of the window would otherwise wait for it.
    erakon::FontConfigPreload fontConfig;
    // Qt is handed the platform the program prefers where the user named none.
    std::vector<char*> qtArguments(argv, argv + argc);
    std::string platformOption = "-platform";
    std::string platform(erakon::defaultPlatform(argc, argv));
    if (!platform.empty()) {
        qtArguments.push_back(platformOption.data());
        qtArguments.push_back(platform.data());
    }
    int qtArgumentCount = static_cast<int>(qtArguments.size());
    qtArguments.push_back(nullptr);
    if (!erakon::displayReachable(qtArgumentCount, qtArguments.data())) {
        std::cerr << erakon::noDisplayMessage() << '\n';
        return EXIT_FAILURE;
    }
    // A platform the check above leaves to Qt (any but X11 and Wayland) may
    // still fail to start, or start without a screen: the same line then.
    erakon::PlatformStart platformStart(erakon::noDisplayMessage());
    QApplication app(qtArgumentCount, qtArguments.data());
    if (!platformStart.succeeded())
        return EXIT_FAILURE;
    fontConfig.wait();
    // The title, not the executable's name: a StatusNotifierItem panel shows
    // the application name as the item's title.
    QApplication::setApplicationName(QString::fromUtf8(erakon::kApplicationTitle));
    QApplication::setApplicationDisplayName(QString::fromUtf8(erakon::kApplicationTitle));
    // The desktop entry's name lets the shell match the window to its icon.
    QGuiApplication::setDesktopFileName(QString::fromUtf8(erakon::kDesktopId));
    QApplication::setWindowIcon(erakon::loadProgramIcon());
    // The first paint of a group box then loads no image plugin.
    erakon::preloadGroupBoxFrame();
    // Takes the look the application starts with as the system style, so it
    // is made before anything changes the style.
    erakon::StyleService styles;

    // The standard buttons of the questions read はい, いいえ, キャンセル.
    QTranslator qtTranslator;
    if (QLocale::system().language() == QLocale::Japanese
        && qtTranslator.load(QLocale::system(), QStringLiteral("qtbase"), QStringLiteral("_"),
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtTranslator);
    }

    // The program ends with its window's close, not with the last visible
    // window: while the window sits in the tray, a question box may be the
    // only window, and answering it must not end the program.
    QApplication::setQuitOnLastWindowClosed(false);

    // Left alone, the program wakes only for its clock.
    const erakon::CaretBlinkLimit caretBlinkLimit;

    erakon::SystemClock clock;
    erakon::QtMessages messages;
    erakon::LinuxDesktopPlatform desktop;
    const erakon::SettingsLocation settingsLocation = erakon::systemSettingsLocation();
    // The eras the era files add, read once: the window counts with them
    // until it ends.
    const auto eraTable = std::make_shared<const erakon::EraTable>(
        erakon::readEraTable(erakon::eraFilesOf(settingsLocation)));
    QStringList eraFileProblems;
    for (const erakon::EraFileProblem& problem : eraTable->problems())
        eraFileProblems.append(QString::fromStdString(erakon::visibleText(problem.text())));
    erakon::MainWindow window({.clock = clock,
                               .messages = messages,
                               .styles = styles,
                               .desktop = desktop,
                               .locale = QLocale::system(),
                               .trayAvailable = {},
                               .errorOutput = {},
                               .settings = settingsLocation,
                               .startYear = commandLine.year,
                               .eras = erakon::ModernEras(eraTable),
                               .eraFileProblems = eraFileProblems});
    // exit, not quit: quit first asks every window to close, and a window that
    // the end of a session left open would ask its close question again.
    // Settings that could not be written make a failure status.
    QObject::connect(
        &window, &erakon::MainWindow::closed, &app,
        [&window] { QCoreApplication::exit(window.settingsSaveFailed() ? EXIT_FAILURE : EXIT_SUCCESS); },
        Qt::QueuedConnection);
    // Logout without a session manager, kill, a closed terminal: the first
    // such request ends the program as the end of a session does; a second
    // signal ends it at once.
    erakon::TerminationSignals termination;
    QObject::connect(&termination, &erakon::TerminationSignals::terminationRequested, &window,
                     &erakon::MainWindow::endSession, Qt::SingleShotConnection);
    window.showAtStart();
    return app.exec();
}
