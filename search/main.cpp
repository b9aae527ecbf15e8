// SPDX-License-Identifier: MIT
// The desktop's search service, started by the session bus when GNOME Shell's
// overview or KRunner first asks: Qt Core and Qt D-Bus only, no window.
#include "core/clock.h"
#include "core/era_file.h"
#include "core/version.h"
#include "search/search_names.h"
#include "search/search_service.h"
#include "search/settings_user_era.h"
#include "search/window_starter.h"
#include "settings/settings_file.h"
#include "settings/settings_location.h"
#include "settings/system_paths.h"

#include <QCoreApplication>
#include <QDBusConnection>

#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv)
{
    if (argc > 1) {
        const bool help = std::strcmp(argv[1], "--help") == 0;
        std::fprintf(help ? stdout : stderr,
                     "Usage: %s\nAnswers the desktop's search (GNOME Shell, KRunner) with years converted by %s.\n"
                     "The session bus starts it as %s; it takes no options.\n",
                     erakon::kSearchProviderName.data(), erakon::kApplicationTitle.data(),
                     erakon::kSearchBusName.data());
        return help ? EXIT_SUCCESS : 2;
    }
    // As the window does: the settings file is found by the same rules.
    erakon::applyXdgRulesToEnvironment();
    QCoreApplication app(argc, argv);

    const QString window = erakon::windowProgramFor(erakon::runningExecutablePath());
    const erakon::SystemClock clock;
    erakon::SettingsFileUserEra userEra({erakon::xdgConfigHome(), window});
    // The eras the era files add, read once at start; each bad line is named
    // once in the journal and left out.
    const erakon::EraTable eras = erakon::readEraTable(erakon::eraFilesOf({erakon::xdgConfigHome(), window}));
    for (const erakon::EraFileProblem& problem : eras.problems())
        std::fprintf(stderr, "%s: %s\n", erakon::kSearchProviderName.data(), problem.text().c_str());
    erakon::SearchService service({
        .clock = clock,
        .userEra = [&userEra] { return userEra.read(); },
        .startWindow = erakon::detachedWindowStarter(window),
        .idleTime = erakon::kSearchIdleTime,
        .eras = eras.eras(),
    });
    QObject::connect(&service, &erakon::SearchService::idle, &app, &QCoreApplication::quit);
    if (const std::optional<QString> error = service.publishOn(QDBusConnection::sessionBus())) {
        std::fprintf(stderr, "%s: %s\n", erakon::kSearchProviderName.data(), qPrintable(*error));
        return EXIT_FAILURE;
    }
    return app.exec();
}
