// SPDX-License-Identifier: MIT
#include "core/year_query.h"

#include "core/era_calendar.h"
#include "core/utf8.h"

#include <algorithm>
#include <cstdint>

namespace erakon {

namespace {

using namespace std::chrono;

// Longer texts are no query, whatever they hold (beyond a user era's name).
constexpr std::size_t kLongestQuery = 64;
// Digits read in one run at most; a longer run is a number out of range.
constexpr int kMostDigits = 9;

// The text with the full-width forms of ASCII, the ideographic space and the
// dashes turned into ASCII; nothing for text that is not UTF-8. A Japanese
// input method gives ー (the prolonged sound mark) for the minus key.
std::optional<std::string> normalized(std::string_view text)
{
    std::string result;
    result.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t length = utf8CharacterLength(text.substr(i));
        if (length == 0)
            return std::nullopt;
        const char32_t c = decodeUtf8Character(text.substr(i), length);
        if (c >= U'\uFF01' && c <= U'\uFF5E')
            result += char(c - 0xFEE0); // ！..～ -> !..~
        else if (c == U'\u3000')
            result += ' ';
        else if ((c >= U'\u2010' && c <= U'\u2013') || c == U'\u2212' || c == U'\u30FC')
            result += '-'; // hyphens, dashes, the minus sign and ー
        else
            result.append(text.substr(i, length));
        i += length;
    }
    return result;
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view trimBlanks(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// The era whose initial (the first letter of its hint, MEIJI -> M) this is.
std::optional<EraRow> eraOfInitial(char c)
{
    if (c >= 'a' && c <= 'z')
        c = char(c - 'a' + 'A');
    for (int row = 0; row < kFixedEraCount; ++row) {
        if (kEraTable[std::size_t(row)].hint.front() == c)
            return EraRow(row);
    }
    return std::nullopt;
}

struct Number {
    std::int64_t value = 0;
    int digits = 0;
};

// A reading of the text in one of the forms: nothing when the text is not
// in that form, else the query or why the query fails.
using Reading = std::optional<QueryResult>;

QueryResult failure(QueryError error) { return {std::nullopt, error}; }

class Cursor final {
public:
    explicit Cursor(std::string_view text)
        : m_text(text)
    {}

    bool atEnd() const { return m_pos == m_text.size(); }
    std::string_view rest() const { return m_text.substr(m_pos); }

    void skipBlanks()
    {
        while (!atEnd() && isBlank(m_text[m_pos]))
            ++m_pos;
    }

    bool take(std::string_view token)
    {
        if (!rest().starts_with(token))
            return false;
        m_pos += token.size();
        return true;
    }

    // A run of digits; more than kMostDigits of them are kept as too many.
    std::optional<Number> number()
    {
        Number number;
        while (!atEnd() && isDigit(m_text[m_pos])) {
            if (number.digits < kMostDigits)
                number.value = number.value * 10 + (m_text[m_pos] - '0'); // < 10^9
            ++number.digits;
            ++m_pos;
        }
        if (number.digits == 0)
            return std::nullopt;
        return number;
    }

    // One of "-", "/" and ".".
    std::optional<char> separator()
    {
        if (atEnd())
            return std::nullopt;
        const char c = m_text[m_pos];
        if (c != '-' && c != '/' && c != '.')
            return std::nullopt;
        ++m_pos;
        return c;
    }

private:
    std::string_view m_text;
    std::size_t m_pos = 0;
};

struct MonthDay {
    unsigned month = 0;
    unsigned day = 0;
};

// What follows a year: nothing, 年 alone, or a month and a day. Nothing when
// the rest is in no form; a month and day of any size, checked later.
enum class Tail { Year, Date, None };
Tail readTail(Cursor& cursor, MonthDay& monthDay)
{
    const auto smallNumber = [&cursor]() -> std::optional<unsigned> {
        const std::optional<Number> number = cursor.number();
        if (!number || number->digits > 2)
            return std::nullopt;
        return unsigned(number->value); // [0, 99]
    };
    cursor.skipBlanks();
    if (cursor.atEnd())
        return Tail::Year;
    if (cursor.take("年")) {
        cursor.skipBlanks();
        if (cursor.atEnd())
            return Tail::Year;
        const std::optional<unsigned> month = smallNumber();
        cursor.skipBlanks();
        if (!month || !cursor.take("月"))
            return Tail::None;
        cursor.skipBlanks();
        const std::optional<unsigned> day = smallNumber();
        cursor.skipBlanks();
        if (!day)
            return Tail::None;
        cursor.take("日");
        cursor.skipBlanks();
        if (!cursor.atEnd())
            return Tail::None;
        monthDay = {*month, *day};
        return Tail::Date;
    }
    const std::optional<char> separator = cursor.separator();
    if (!separator)
        return Tail::None;
    const std::optional<unsigned> month = smallNumber();
    if (!month || !cursor.take(std::string_view(&*separator, 1)))
        return Tail::None;
    const std::optional<unsigned> day = smallNumber();
    cursor.skipBlanks();
    if (!day || !cursor.atEnd())
        return Tail::None;
    monthDay = {*month, *day};
    return Tail::Date;
}

std::optional<year_month_day> dateOf(int westernYear, MonthDay monthDay)
{
    const year_month_day date{year{westernYear}, month{monthDay.month}, day{monthDay.day}};
    if (!date.ok())
        return std::nullopt;
    return date;
}

// The index of the era of a day in the calendar, or -1 before the first era.
int eraIndexOf(year_month_day date)
{
    const JapaneseEra* era = japaneseEraOf(date);
    return era ? int(era - kJapaneseEras.data()) : -1;
}

// Whether text starts with the ASCII word, in either case.
bool startsWithWordNoCase(std::string_view text, std::string_view word)
{
    if (text.size() < word.size())
        return false;
    for (std::size_t i = 0; i < word.size(); ++i) {
        const char c = text[i] >= 'a' && text[i] <= 'z' ? char(text[i] - 'a' + 'A') : text[i];
        if (c != word[i])
            return false;
    }
    return true;
}

// The user era as the reader sees it: its name in the same normal form as the
// text (empty when it has none to match), and its first year.
struct ShownUserEra {
    std::string name;
    int origin = 0;
};

// A name made of digits and blanks only would read "1989" as an era year of
// its own; such a name is never matched.
bool nameCanBeMatched(std::string_view name)
{
    return std::any_of(name.begin(), name.end(), [](char c) { return !isDigit(c) && !isBlank(c); });
}

class QueryReader final {
public:
    QueryReader(std::string_view text, const ShownUserEra* userEra)
        : m_text(text)
        , m_userEra(userEra)
    {}

    QueryResult read() const
    {
        // A text in the Western forms is always the Western year or date,
        // whatever the user era is called.
        if (Reading reading = readWesternForm())
            return *reading;
        // An era by its name, its name in Latin letters (the hint, HEISEI) or its initial.
        for (int row = 0; row < kFixedEraCount; ++row) {
            const std::string_view name = kJapaneseEras[std::size_t(row)].name;
            if (m_text.starts_with(name)) {
                if (Reading reading = readEraForm(EraRow(row), m_text.substr(name.size())))
                    return *reading;
            }
            const std::string_view latin = kEraTable[std::size_t(row)].hint;
            if (startsWithWordNoCase(m_text, latin)) {
                if (Reading reading = readEraForm(EraRow(row), m_text.substr(latin.size())))
                    return *reading;
            }
        }
        if (const std::optional<EraRow> era = eraOfInitial(m_text.front())) {
            if (Reading reading = readEraForm(*era, m_text.substr(1)))
                return *reading;
        }
        if (m_userEra && !m_userEra->name.empty() && m_text.starts_with(m_userEra->name)) {
            if (Reading reading = readEraForm(EraRow::UserDefined, m_text.substr(m_userEra->name.size())))
                return *reading;
        }
        return failure(QueryError::NotAQuery);
    }

private:
    Reading readWesternForm() const
    {
        Cursor cursor(m_text);
        const std::optional<Number> number = cursor.number();
        if (!number)
            return std::nullopt;
        MonthDay monthDay;
        const Tail tail = readTail(cursor, monthDay);
        if (tail == Tail::None)
            return std::nullopt;
        if (number->digits > kMostDigits || number->value > kQueryLastYear)
            return failure(QueryError::OutOfRange);
        YearQuery query;
        query.westernYear = int(number->value);
        if (tail == Tail::Date) {
            query.form = YearQuery::Form::WesternDate;
            query.date = dateOf(query.westernYear, monthDay);
            if (!query.date)
                return failure(QueryError::NoSuchDate);
        }
        return finished(query);
    }

    Reading readEraForm(EraRow era, std::string_view afterName) const
    {
        Cursor cursor(afterName);
        cursor.skipBlanks();
        Number eraYear{1, 1};
        if (!cursor.take("元")) {
            const std::optional<Number> number = cursor.number();
            if (!number)
                return std::nullopt;
            eraYear = *number;
        }
        MonthDay monthDay;
        const Tail tail = readTail(cursor, monthDay);
        if (tail == Tail::None)
            return std::nullopt;

        // Era years count from 元年, the first; year 0 is the year before it, as
        // in the conversion page's boxes (令和0 is 2018). The year they give must
        // be one the program converts.
        const std::int64_t offset = era == EraRow::UserDefined ? m_userEra->origin - 1
                                                               : kEraTable[std::size_t(era)].offset;
        const std::int64_t westernYear = offset + eraYear.value; // [-1, 10^9 + 9998]
        if (eraYear.digits > kMostDigits || westernYear < kQueryFirstYear || westernYear > kQueryLastYear)
            return failure(QueryError::OutOfRange);

        YearQuery query;
        query.form = YearQuery::Form::EraYear;
        query.westernYear = int(westernYear);
        query.era = era;
        query.eraYear = int(eraYear.value);
        if (tail == Tail::Date) {
            query.form = YearQuery::Form::EraDate;
            query.date = dateOf(query.westernYear, monthDay);
            if (!query.date)
                return failure(QueryError::NoSuchDate);
        }
        if (era != EraRow::UserDefined)
            query.note = noteFor(query);
        return finished(query);
    }

    // Where the named era stands against the year or the day.
    static YearQuery::Note noteFor(const YearQuery& query)
    {
        const int named = int(query.era);
        if (query.date) {
            const int dayEra = eraIndexOf(*query.date);
            if (dayEra > named)
                return YearQuery::Note::EraHadEnded;
            if (dayEra < named)
                return YearQuery::Note::EraNotBegun;
            return YearQuery::Note::None;
        }
        if (query.eraYear < 1)
            return YearQuery::Note::EraNotBegun;
        // An era's last year is the year its successor began.
        if (named + 1 < kFixedEraCount && query.westernYear > kEraTable[std::size_t(named) + 1].offset + 1)
            return YearQuery::Note::EraHadEnded;
        return YearQuery::Note::None;
    }

    // Every era year of the year must fit the conversion page, the shown user
    // era's too, whether or not it has a name to be typed by.
    Reading finished(const YearQuery& query) const
    {
        if (m_userEra && query.westernYear - (m_userEra->origin - 1) > kMaxYear)
            return failure(QueryError::OutOfRange);
        return QueryResult{query, QueryError::NotAQuery};
    }

    std::string_view m_text;
    const ShownUserEra* m_userEra;
};

} // namespace

QueryResult parseYearQuery(std::string_view text, const UserEra* userEra)
{
    const std::size_t longest = kLongestQuery + (userEra ? userEra->name.size() : 0);
    if (text.size() > longest)
        return failure(QueryError::NotAQuery);
    const std::optional<std::string> plain = normalized(text);
    if (!plain)
        return failure(QueryError::NotAQuery);
    const std::string_view trimmed = trimBlanks(*plain);
    if (trimmed.empty())
        return failure(QueryError::NotAQuery);

    std::optional<ShownUserEra> shownUserEra;
    if (userEra) {
        const std::optional<std::string> name = normalized(userEra->name);
        const std::string_view trimmedName = name ? trimBlanks(*name) : std::string_view();
        shownUserEra = ShownUserEra{nameCanBeMatched(trimmedName) ? std::string(trimmedName) : std::string(),
                                    userEra->origin};
    }
    return QueryReader(trimmed, shownUserEra ? &*shownUserEra : nullptr).read();
}

} // namespace erakon
