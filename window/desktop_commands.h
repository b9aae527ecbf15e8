// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QRandomGenerator>

class QTimer;
class QWidget;

namespace erakon {

class Clock;
class DesktopPlatform;
class Messages;
class StyleService;

// The commands of the file and help pages and of the window's menu, run
// against the desktop: the shortcuts, the help, the About box, the program's
// properties and the maker's web pages.
class DesktopCommands final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DesktopCommands)

public:
    struct Context {
        QWidget* mainWindow;
        const Clock& clock;
        Messages& messages;
        DesktopPlatform& desktop;
        StyleService& styles;
        QTimer* clockTimer; // paused while a shortcut is made
        QString basicStyleName; // the style active when the window was made
    };

    explicit DesktopCommands(const Context& context);

    // Runs the file commands of a page or menu that offers them.
    template <typename Source>
    void connectFileCommands(Source* source)
    {
        connect(source, &Source::desktopShortcutRequested, this, &DesktopCommands::registerDesktopShortcut);
        connect(source, &Source::startMenuShortcutRequested, this, &DesktopCommands::registerStartMenuShortcut);
        connect(source, &Source::startupShortcutRequested, this, &DesktopCommands::registerStartupShortcut);
    }

    // Runs the help commands of a page or menu that offers them.
    template <typename Source>
    void connectHelpCommands(Source* source)
    {
        connect(source, &Source::helpRequested, this, &DesktopCommands::showHelp);
        connect(source, &Source::aboutRequested, this, &DesktopCommands::showAboutBox);
        connect(source, &Source::propertiesRequested, this, &DesktopCommands::showProgramProperties);
        connect(source, &Source::donationRequested, this, &DesktopCommands::openDonationPage);
        connect(source, &Source::homeSiteRequested, this, &DesktopCommands::openHomeSite);
    }

    void registerDesktopShortcut();
    void registerStartMenuShortcut();
    void registerStartupShortcut();
    void showHelp();
    void showAboutBox();
    void showProgramProperties();
    void openDonationPage();
    void openHomeSite();

private:
    Context m_context;
    // The About box's gradient colours; seeded once, when the window is made.
    QRandomGenerator m_random;
};

} // namespace erakon
