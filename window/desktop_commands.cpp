// SPDX-License-Identifier: MIT
#include "window/desktop_commands.h"

#include "desktop/about_dialog.h"
#include "desktop/help_commands.h"
#include "desktop/shortcuts.h"
#include "desktop/utc_offset.h"
#include "settings/locale_settings.h"
#include "styles/style_service.h"

#include <QWidget>

namespace erakon {

DesktopCommands::DesktopCommands(const Context& context)
    : QObject(context.mainWindow)
    , m_context(context)
    , m_random(QRandomGenerator::system()->generate())
{
    setObjectName(QStringLiteral("desktopCommands"));
}

void DesktopCommands::registerDesktopShortcut()
{
    erakon::registerDesktopShortcut({m_context.desktop, m_context.messages, m_context.clockTimer});
}

void DesktopCommands::registerStartMenuShortcut()
{
    erakon::registerStartMenuShortcut({m_context.desktop, m_context.messages, m_context.clockTimer});
}

void DesktopCommands::registerStartupShortcut()
{
    erakon::registerStartupShortcut({m_context.desktop, m_context.messages, m_context.clockTimer});
}

void DesktopCommands::showHelp() { erakon::showHelp(m_context.desktop, m_context.messages); }

void DesktopCommands::showAboutBox()
{
    erakon::showAboutBox({
        .mainWindow = m_context.mainWindow,
        .executablePath = m_context.desktop.executablePath(),
        .clock = m_context.clock,
        .offsetFromUtc = localUtcOffset(),
        .ukrainian = ukrainianFormatSettings(),
        .activeStyleName = m_context.styles.activeName(),
        .basicStyleName = m_context.basicStyleName,
        .random = m_random,
    });
}

void DesktopCommands::showProgramProperties()
{
    erakon::showProgramProperties(m_context.mainWindow, m_context.desktop);
}

void DesktopCommands::openDonationPage() { erakon::openDonationPage(m_context.desktop); }

void DesktopCommands::openHomeSite() { erakon::openHomeSite(m_context.desktop); }

} // namespace erakon
