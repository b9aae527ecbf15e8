// SPDX-License-Identifier: MIT
#pragma once

#include <QDBusArgument>
#include <QList>
#include <QMetaType>
#include <QString>
#include <QVariantMap>

namespace erakon {

// What KRunner's D-Bus interface (org.kde.krunner1) carries.

// An action a match offers beside its default one: (sss) id, text, icon.
struct RunnerAction {
    QString id;
    QString text;
    QString iconName;
};

// A match: (sssida{sv}) id, text, icon, type, relevance, properties
// ("subtext", "category", "actions", "urls").
struct RunnerMatch {
    QString id;
    QString text;
    QString iconName;
    int type = 0;
    double relevance = 0;
    QVariantMap properties;
};

// KRunner's kinds of match.
inline constexpr int kExactRunnerMatch = 100;

using RunnerActions = QList<RunnerAction>;
using RunnerMatches = QList<RunnerMatch>;

QDBusArgument& operator<<(QDBusArgument& argument, const RunnerAction& action);
const QDBusArgument& operator>>(const QDBusArgument& argument, RunnerAction& action);
QDBusArgument& operator<<(QDBusArgument& argument, const RunnerMatch& match);
const QDBusArgument& operator>>(const QDBusArgument& argument, RunnerMatch& match);

// Makes the types known to Qt D-Bus; before the runner is exported or called.
void registerRunnerTypes();

} // namespace erakon

Q_DECLARE_METATYPE(erakon::RunnerAction)
Q_DECLARE_METATYPE(erakon::RunnerMatch)
