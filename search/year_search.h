// SPDX-License-Identifier: MIT
#pragma once

#include "core/clock.h"
#include "core/modern_eras.h"
#include "core/year_query.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <span>
#include <vector>

namespace erakon {

// One answer of the desktop's search: a typed year, era year or date,
// converted in the program's words; or one row of the ages and milestones of
// a birth that a word asks for (1989-04-02 卒業, 平成元年 還暦, 厄年 1990).
struct SearchAnswer {
    // What the desktop hands back when the answer is chosen: the query as
    // typed, which gives the same answer again; for a row of a life, the
    // query, "#" and the row's place among the answers.
    QString id;
    // The summary line, "2023年 — 令和5年, 3年前, 卯（う）".
    QString title;
    // The conversion page's sentence, after the note about an era that had
    // ended or not yet begun when there is one.
    QString description;
    // KRunner shows a match on one line, the text and, for the selected
    // match, the subtext beside it, in about 300 pixels at its default width:
    // what the user asked for and its answer, "令和5年 = 2023年", then how far
    // away and the zodiac, "3年前・卯（う）"; for a date how far away only,
    // and when the era asked for had ended or not begun, first the era the
    // year belongs to, "令和5年・3年前".
    QString runnerText;
    QString runnerSubtext;
    // The year the window opens at: the year converted, or the row's year
    // (the birth year for a row that names none).
    int westernYear = 0;

    friend bool operator==(const SearchAnswer&, const SearchAnswer&) = default;
};

// The user era when the window shows it, or nothing; asked at every query.
using UserEraSource = std::function<std::optional<UserEra>()>;

// Turns what the user typed into the desktop's search field into an answer,
// or into nothing at once: the desktop asks on every keystroke.
class YearSearch final {
public:
    // The eras are the table in force, which must outlive the search.
    YearSearch(const Clock& clock, UserEraSource userEra, std::span<const HistoricalEra> eras = kHistoricalEras);

    // The terms as the desktop splits the search field, joined by blanks.
    static QString queryText(const QStringList& terms);

    // The conversion of the text; else, for a birth date or year and a word
    // in either order (and 男性 or 女性 for the 厄年), the rows of that life
    // on today's date that the word asks for (lifeRowsAbout()); else nothing.
    std::vector<SearchAnswer> answers(const QString& text) const;
    // The answer an id stands for, when it still gives one.
    std::optional<SearchAnswer> find(const QString& id) const;

private:
    std::optional<SearchAnswer> conversion(const QString& text, const UserEra* userEra) const;
    std::vector<SearchAnswer> lifeAnswers(const QString& text, const UserEra* userEra) const;

    const Clock& m_clock;
    UserEraSource m_userEra;
    std::span<const HistoricalEra> m_eras;
    // Their modern eras, which write the dates of a life.
    ModernEras m_modernEras;
};

} // namespace erakon
