// SPDX-License-Identifier: MIT
#include "window/help_page.h"

#include "window/command_actions.h"

namespace erakon {

HelpPage::HelpPage(const CommandActions& commands, QWidget* parent)
    : ButtonPage(
        {{"helpButton", QStringLiteral("ヘルプ表示"), QStringLiteral("Help"), commands.showHelp},
         {"aboutButton", QStringLiteral("バージョン情報"), QStringLiteral("About "), commands.about},
         {"propertiesButton", QStringLiteral("プロパティ表示"), QStringLiteral("Properties"), commands.properties},
         {"donationButton", QStringLiteral("開発支援"), QStringLiteral("Donation"), commands.donation},
         {"homeSiteButton", QStringLiteral("ホームページ"), QStringLiteral("HomeSite"), commands.homeSite}},
        5, QString(), QString(), QString(), parent)
{}

} // namespace erakon
