// SPDX-License-Identifier: MIT
#include "window/help_page.h"

#include <QPushButton>

namespace erakon {

HelpPage::HelpPage(QWidget* parent)
    : ButtonPage({{"helpButton", QStringLiteral("ヘルプ表示"), QStringLiteral("Help")},
                  {"aboutButton", QStringLiteral("バージョン情報"), QStringLiteral("About ")},
                  {"propertiesButton", QStringLiteral("プロパティ表示"), QStringLiteral("Properties")},
                  {"donationButton", QStringLiteral("開発支援"), QStringLiteral("Donation")},
                  {"homeSiteButton", QStringLiteral("ホームページ"), QStringLiteral("HomeSite")}},
                 5, QString(), QString(), QString(), parent)
{
    connect(button("helpButton"), &QPushButton::clicked, this, &HelpPage::helpRequested);
    connect(button("aboutButton"), &QPushButton::clicked, this, &HelpPage::aboutRequested);
    connect(button("propertiesButton"), &QPushButton::clicked, this, &HelpPage::propertiesRequested);
    connect(button("donationButton"), &QPushButton::clicked, this, &HelpPage::donationRequested);
    connect(button("homeSiteButton"), &QPushButton::clicked, this, &HelpPage::homeSiteRequested);
}

} // namespace erakon
