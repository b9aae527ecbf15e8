// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>

namespace erakon {

// Every style the program offers, as the style list shows them: sorted without
// regard to case, the system style "Windows" among them. A new style is added
// here; the tests check it against the styles found and the list shown.
inline const QStringList kStyleNamesInListOrder{
    QStringLiteral("Amakrits"),
    QStringLiteral("Amethyst Kamri"),
    QStringLiteral("Aqua Graphite"),
    QStringLiteral("Aqua Light Slate"),
    QStringLiteral("Auric"),
    QStringLiteral("Calypso"),
    QStringLiteral("Calypso LE"),
    QStringLiteral("Calypso SE"),
    QStringLiteral("Calypso SLE"),
    QStringLiteral("Carbon"),
    QStringLiteral("Charcoal Dark Slate"),
    QStringLiteral("Cobalt XEMedia"),
    QStringLiteral("Cyan Dusk"),
    QStringLiteral("Cyan Night"),
    QStringLiteral("Emerald Light Slate"),
    QStringLiteral("Flat UI Light"),
    QStringLiteral("Glossy"),
    QStringLiteral("Glow"),
    QStringLiteral("Golden Graphite"),
    QStringLiteral("Iceberg Classico"),
    QStringLiteral("Lavender Classico"),
    QStringLiteral("Light"),
    QStringLiteral("Luna"),
    QStringLiteral("Material Oxford Blue"),
    QStringLiteral("Material Oxford Blue SE"),
    QStringLiteral("Obsidian"),
    QStringLiteral("Onyx Blue"),
    QStringLiteral("Puerto Rico"),
    QStringLiteral("Ruby Graphite"),
    QStringLiteral("Sapphire Kamri"),
    QStringLiteral("Silver"),
    QStringLiteral("Sky"),
    QStringLiteral("Slate Classico"),
    QStringLiteral("Smokey Quartz Kamri"),
    QStringLiteral("Stellar"),
    QStringLiteral("Stellar Dark"),
    QStringLiteral("Tablet Dark"),
    QStringLiteral("Tablet Light"),
    QStringLiteral("Turquoise Gray"),
    QStringLiteral("Wedgewood Light"),
    QStringLiteral("Windows"),
    QStringLiteral("Windows10"),
    QStringLiteral("Windows10 BlackPearl"),
    QStringLiteral("Windows10 Blue"),
    QStringLiteral("Windows10 Blue Whale"),
    QStringLiteral("Windows10 Blue Whale LE"),
    QStringLiteral("Windows10 Charcoal"),
    QStringLiteral("Windows10 Clear Day"),
    QStringLiteral("Windows10 Dark"),
    QStringLiteral("Windows10 Green"),
    QStringLiteral("Windows10 Malibu"),
    QStringLiteral("Windows10 Purple"),
    QStringLiteral("Windows10 SlateGray"),
};

} // namespace erakon
