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

// What the file and help commands do (CommandActions, which the pages'
// buttons and the window's menu share), run against the desktop: the
// shortcuts, the help, the About box, the program's properties and the
// maker's web pages.
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
