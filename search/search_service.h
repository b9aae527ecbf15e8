// SPDX-License-Identifier: MIT
#pragma once

#include "core/clock.h"
#include "search/window_starter.h"
#include "search/year_search.h"

#include <QDBusConnection>
#include <QObject>
#include <QTimer>

#include <chrono>
#include <optional>
#include <vector>

namespace erakon {

// How long the service waits for a call before it ends: long enough for a
// whole search; the bus starts it again in a few milliseconds.
inline constexpr std::chrono::milliseconds kSearchIdleTime{30'000};

// The desktop's search service: GNOME Shell's search provider and KRunner's
// runner on one connection, both answering from one YearSearch and opening
// the window through one starter. Started by the bus when a desktop first
// asks, it says it is idle after a while without a call, so that it does
// not sit in memory between searches.
class SearchService final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SearchService)

public:
    struct Parts {
        const Clock& clock;
        UserEraSource userEra;
        StartWindow startWindow;
        // How long the service waits for the next call before it says it is idle.
        std::chrono::milliseconds idleTime = kSearchIdleTime;
        // The table of eras in force; it must outlive the service.
        std::span<const HistoricalEra> eras = kHistoricalEras;
    };

    explicit SearchService(Parts parts, QObject* parent = nullptr);

    // Exports both objects on the connection, then takes the bus name.
    // Gives the reason when it could not.
    std::optional<QString> publishOn(QDBusConnection connection);

    // The answers to a text typed into a search field, maybe none.
    std::vector<SearchAnswer> answers(const QString& text);
    // The answer an id given out before stands for, when it still gives one.
    std::optional<SearchAnswer> find(const QString& id);
    // Opens the window at the year the text names (an answer's id, or what
    // was typed: the year of its first answer), or as it starts by itself,
    // at the current year, when the text names none (a stale id, a search
    // for something else).
    void open(const QString& text);

signals:
    void idle();

private:
    void openWindow(std::optional<int> year);

    YearSearch m_search;
    StartWindow m_startWindow;
    QTimer m_idleTimer;
};

} // namespace erakon
