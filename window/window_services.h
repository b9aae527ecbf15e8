// SPDX-License-Identifier: MIT
#pragma once

#include "core/clock.h"
#include "core/modern_eras.h"
#include "desktop/messages.h"
#include "settings/settings_location.h"
#include "styles/style_service.h"

#include <QLocale>
#include <QStringList>

#include <functional>
#include <optional>

namespace erakon {

class DesktopPlatform;

// What the main window takes from outside: everything a test replaces.
struct WindowServices {
    const Clock& clock;
    Messages& messages;
    // The visual styles; one per program, made right after the application.
    StyleService& styles;
    // Shortcut folders, the file manager and the web browser.
    DesktopPlatform& desktop;
    // The locale whose names and separators the clock is written with at start;
    // later changes of the regional settings are followed through QLocale::system().
    QLocale locale = QLocale::system();
    // Whether the desktop has a notification area to minimise into.
    std::function<bool()> trayAvailable;
    // Where an error goes when nobody may be asked, as when the desktop ends
    // the program; standard error when not given.
    std::function<void(const QString&)> errorOutput;
    // Where the settings file lives (systemSettingsLocation() for the program,
    // a temporary folder in tests). Without one the window neither reads nor
    // writes settings and starts with the default options.
    std::optional<SettingsLocation> settings;
    // The year the conversion page starts at (--year), as if the user had
    // typed it; the current year when not given.
    std::optional<int> startYear;
    // The eras in force: the built-in ones, with those the era files add
    // (read at start). Nothing of them is stored in the settings.
    ModernEras eras{};
    // What was wrong in those files, a line each (file:line: what); reported
    // once, after the window is shown.
    QStringList eraFileProblems{};
};

} // namespace erakon
