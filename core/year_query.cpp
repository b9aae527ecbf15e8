// SPDX-License-Identifier: MIT
#include "core/year_query.h"

#include "core/era_calendar.h"
#include "core/utf8.h"

#include "core/era_history.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace erakon {

namespace {

using namespace std::chrono;

// Longer texts are no query, whatever they hold (beyond a user era's name).
constexpr std::size_t kLongestQuery = 64;
// Digits read in one run at most; a longer run is a number out of range.
constexpr int kMostDigits = 9;

// The squared era names, one character each, and the eras they stand for.
struct EraLigature {
    char32_t character;
    std::string_view name;
};
constexpr std::array<EraLigature, 5> kEraLigatures{{
    {U'\u337E', "明治"},
    {U'\u337D', "大正"},
    {U'\u337C', "昭和"},
    {U'\u337B', "平成"},
    {U'\u32FF', "令和"},
}};

// The text with the full-width forms of ASCII, the ideographic space and the
// dashes turned into ASCII, the squared era names spelt out and katakana
// turned into hiragana; nothing for text that is not UTF-8. A Japanese input
// method gives ー (the prolonged sound mark) for the minus key.
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
        else if (c >= U'\u30A1' && c <= U'\u30F6')
            appendUtf8(result, c - 0x60); // ァ..ヶ -> ぁ..ゖ
        else if (const auto* ligature = std::find_if(kEraLigatures.begin(), kEraLigatures.end(),
                                                     [c](const EraLigature& l) { return l.character == c; });
                 ligature != kEraLigatures.end())
            result.append(ligature->name);
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

struct KanjiNumeral {
    std::string_view text;
    int value; // a digit, or the unit 10, 100 or 1000
};
constexpr std::array<KanjiNumeral, 13> kKanjiNumerals{{
    {"〇", 0},
    {"一", 1},
    {"二", 2},
    {"三", 3},
    {"四", 4},
    {"五", 5},
    {"六", 6},
    {"七", 7},
    {"八", 8},
    {"九", 9},
    {"十", 10},
    {"百", 100},
    {"千", 1000},
}};

// The value of a run of kanji numerals. Without units the digits stand in
// their places; with units each unit comes once, larger before smaller, with
// at most one digit from 二 to 九 (or 一) before it and one digit at the end.
std::optional<std::int64_t> kanjiValue(const std::vector<int>& run)
{
    const bool positional = std::all_of(run.begin(), run.end(), [](int v) { return v < 10; });
    std::int64_t value = 0;
    if (positional) {
        for (const int digit : run)
            value = value * 10 + digit;
        return value;
    }
    int pending = -1; // a digit waiting for its unit
    int lastUnit = 10000;
    for (const int v : run) {
        if (v < 10) {
            if (pending >= 0 || v == 0)
                return std::nullopt;
            pending = v;
            continue;
        }
        if (v >= lastUnit)
            return std::nullopt;
        value += (pending < 0 ? 1 : pending) * v;
        lastUnit = v;
        pending = -1;
    }
    if (pending > 0)
        value += pending;
    return value;
}

struct Number {
    std::int64_t value = 0;
    int digits = 0;
};

// A reading of the text in one of the forms: nothing when the text is not
// in that form, else the query or why the query fails.
using Reading = std::optional<QueryResult>;

QueryResult failure(QueryError error) { return {std::nullopt, {}, error}; }

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

    // A run of digits, or of kanji numerals; more than kMostDigits digits are
    // kept as too many.
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
            return kanjiNumber();
        return number;
    }

    // Whether the rest starts with the ASCII word, in either case.
    bool takeWordNoCase(std::string_view word)
    {
        if (!startsWithWordNoCase(rest(), word))
            return false;
        m_pos += word.size();
        return true;
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
    // A run of kanji numerals: positional (二〇二三) or with 十, 百 and 千
    // (千九百八十九, 六十四, 十); nothing when the run is in neither form.
    std::optional<Number> kanjiNumber()
    {
        std::size_t pos = m_pos;
        std::vector<int> run; // a digit 0-9, or a unit 10, 100, 1000
        while (pos < m_text.size()) {
            const std::string_view rest = m_text.substr(pos);
            const auto found = std::find_if(kKanjiNumerals.begin(), kKanjiNumerals.end(),
                                            [rest](const KanjiNumeral& k) { return rest.starts_with(k.text); });
            if (found == kKanjiNumerals.end() || run.size() >= std::size_t(kMostDigits))
                break;
            run.push_back(found->value);
            pos += found->text.size();
        }
        if (run.empty())
            return std::nullopt;
        const std::optional<std::int64_t> value = kanjiValue(run);
        if (!value)
            return std::nullopt;
        m_pos = pos;
        const bool positional = std::all_of(run.begin(), run.end(), [](int v) { return v < 10; });
        return Number{*value, positional ? int(run.size()) : int(std::to_string(*value).size())};
    }

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
    if (cursor.take("年") || cursor.take("ねん")) {
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

// The first day of a Gregorian era, as a date.
year_month_day gregorianFirstDay(const HistoricalEra& era)
{
    return year{era.firstDay.year} / int(era.firstDay.month) / int(era.firstDay.day);
}

// The era of the table that a modern era's name names: its row.
std::optional<EraRow> modernRowNamed(std::string_view name)
{
    for (std::size_t row = 0; row < kJapaneseEras.size(); ++row) {
        if (kJapaneseEras[row].name == name)
            return EraRow(row);
    }
    return std::nullopt;
}

// Whether c may stand in a romanised era name: Reiwa, Ten'o, Tenpyo-kanpo.
bool isLatinNameCharacter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '\'' || c == '-'; }

constexpr std::string_view kGanReading = "がんねん";
constexpr std::string_view kGanLatin = "GANNEN";

// Whether the text holds anything an era year can be written with: a digit,
// a kanji numeral, or 元 in any of its forms.
bool mayHoldAYear(std::string_view text)
{
    if (std::any_of(text.begin(), text.end(), isDigit))
        return true;
    if (text.find("元") != std::string_view::npos || text.find(kGanReading) != std::string_view::npos)
        return true;
    if (std::any_of(kKanjiNumerals.begin(), kKanjiNumerals.end(),
                    [text](const KanjiNumeral& numeral) { return text.find(numeral.text) != std::string_view::npos; }))
        return true;
    for (std::size_t i = 0; i + kGanLatin.size() <= text.size(); ++i) {
        if (startsWithWordNoCase(text.substr(i), kGanLatin))
            return true;
    }
    return false;
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
    QueryReader(std::string_view text, const ShownUserEra* userEra, std::span<const HistoricalEra> eras)
        : m_text(text)
        , m_userEra(userEra)
        , m_eras(eras)
    {}

    QueryResult read() const
    {
        // A text in the Western forms is always the Western year or date,
        // whatever the user era is called.
        if (Reading reading = readWesternForm())
            return *reading;
        // Every era form holds a year: a text without one (most of what is
        // typed into a search field) is turned down before the eras are looked up.
        if (!mayHoldAYear(m_text))
            return failure(QueryError::NotAQuery);
        // An era of the table by its name, its reading, its romanised name or
        // its initial; every era that reads gives a reading.
        QueryResult result = failure(QueryError::NotAQuery);
        for (const auto& [era, afterName] : erasAtStart())
            add(result, readEraForm(era, afterName));
        if (result.query)
            return result;
        if (m_userEra && !m_userEra->name.empty() && m_text.starts_with(m_userEra->name)) {
            if (Reading reading = readEraForm(nullptr, m_text.substr(m_userEra->name.size())))
                return *reading;
        }
        return result;
    }

private:
    struct EraAtStart {
        const HistoricalEra* era;
        std::string_view afterName;
    };

    // The eras the text starts with, in the order of the lookups
    // (core/era_history.h): official ones first, from the latest.
    std::vector<EraAtStart> erasAtStart() const
    {
        std::vector<const HistoricalEra*> found;
        std::vector<EraAtStart> atStart;
        const auto add = [&](const HistoricalEra* era, std::size_t length) {
            if (std::find(found.begin(), found.end(), era) != found.end())
                return;
            found.push_back(era);
            atStart.push_back({era, m_text.substr(length)});
        };
        for (const HistoricalEra& era : m_eras) {
            if (m_text.starts_with(era.name))
                add(&era, era.name.size());
            else if (!era.reading.empty() && m_text.starts_with(era.reading))
                add(&era, era.reading.size());
        }
        // A romanised name runs to the first character that cannot be in one;
        // gannen may follow it without a blank. One letter is an initial.
        std::size_t latin = 0;
        while (latin < m_text.size() && isLatinNameCharacter(m_text[latin]))
            ++latin;
        if (latin > 0 && m_text.front() != '-' && m_text.front() != '\'') {
            std::string_view word = m_text.substr(0, latin);
            if (word.size() > kGanLatin.size()
                && startsWithWordNoCase(word.substr(word.size() - kGanLatin.size()), kGanLatin))
                word.remove_suffix(kGanLatin.size());
            if (word.size() == 1) {
                if (const HistoricalEra* era = eraWithInitial(word, m_eras))
                    add(era, 1);
            } else {
                for (const HistoricalEra* era : erasRomanisedAs(word, m_eras))
                    add(era, word.size());
            }
        }
        std::stable_sort(atStart.begin(), atStart.end(), [](const EraAtStart& a, const EraAtStart& b) {
            if (a.era->standing != b.era->standing)
                return int(a.era->standing) < int(b.era->standing);
            return a.era->firstDay > b.era->firstDay;
        });
        return atStart;
    }

    // The reading joins the result: the first as its query, the next ones
    // after it; a failure counts only while nothing reads.
    static void add(QueryResult& result, const Reading& reading)
    {
        if (!reading)
            return;
        if (reading->query) {
            if (!result.query)
                result.query = reading->query;
            else
                result.otherReadings.push_back(*reading->query);
        } else if (!result.query && result.error == QueryError::NotAQuery) {
            result.error = reading->error;
        }
    }

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
        YearQuery query = westernYearQuery(int(number->value));
        if (tail == Tail::Date) {
            query.date = dateOf(query.westernYear, monthDay);
            if (!query.date)
                return failure(QueryError::NoSuchDate);
        }
        return finished(query);
    }

    // An era year or date after the era's name; era is nullptr for the user's.
    Reading readEraForm(const HistoricalEra* era, std::string_view afterName) const
    {
        Cursor cursor(afterName);
        cursor.skipBlanks();
        Number eraYear{1, 1};
        if (!cursor.take("元") && !cursor.take(kGanReading) && !cursor.takeWordNoCase(kGanLatin)) {
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
        if (eraYear.digits > kMostDigits)
            return failure(QueryError::OutOfRange);
        const std::int64_t westernYear = era ? era->firstDay.year - 1 + eraYear.value
                                             : m_userEra->origin - 1 + eraYear.value; // [-1, 10^9 + 9998]
        if (westernYear < kQueryFirstYear || westernYear > kQueryLastYear)
            return failure(QueryError::OutOfRange);

        YearQuery::Era named{era, int(eraYear.value), YearQuery::Note::None, std::nullopt};
        YearQuery query{named, int(westernYear), std::nullopt};
        const bool lunisolar = era && era->calendar == EraCalendar::Lunisolar;
        if (tail == Tail::Date) {
            if (lunisolar) {
                // A lunisolar month has 29 or 30 days.
                if (monthDay.month < 1 || monthDay.month > 12 || monthDay.day < 1 || monthDay.day > 30)
                    return failure(QueryError::NoSuchDate);
                named.lunisolarDay = month{monthDay.month} / std::chrono::day{monthDay.day};
            } else {
                query.date = dateOf(query.westernYear, monthDay);
                if (!query.date)
                    return failure(QueryError::NoSuchDate);
            }
        }
        if (era)
            named.note = noteFor(*era, named.eraYear, query);
        query.named = named;
        return finished(query);
    }

    // Where the named era stands against the year or the day.
    YearQuery::Note noteFor(const HistoricalEra& era, int eraYear, const YearQuery& query) const
    {
        if (query.date) {
            if (*query.date < gregorianFirstDay(era))
                return YearQuery::Note::EraNotBegun;
            const HistoricalEra* next = nextGregorianEra(era);
            if (next && *query.date >= gregorianFirstDay(*next))
                return YearQuery::Note::EraHadEnded;
            return YearQuery::Note::None;
        }
        if (eraYear < 1)
            return YearQuery::Note::EraNotBegun;
        // An era's last year is the year its successor began. The modern eras
        // follow each other in one line: no need to work the lines out.
        std::optional<int> lastYear;
        if (era.calendar == EraCalendar::Gregorian) {
            if (const HistoricalEra* next = nextGregorianEra(era))
                lastYear = next->firstDay.year;
        } else {
            lastYear = lastYearOf(era, m_eras);
        }
        if (lastYear && query.westernYear > *lastYear)
            return YearQuery::Note::EraHadEnded;
        return YearQuery::Note::None;
    }

    // The era after a modern one (明治 onward), which follow each other at the
    // end of the table; nullptr for the latest.
    const HistoricalEra* nextGregorianEra(const HistoricalEra& era) const
    {
        const HistoricalEra* end = m_eras.data() + m_eras.size();
        const HistoricalEra* next = &era + 1;
        if (&era < m_eras.data() || next >= end)
            return nullptr;
        return next;
    }

    // Every era year of the year must fit the conversion page, the shown user
    // era's too, whether or not it has a name to be typed by.
    Reading finished(const YearQuery& query) const
    {
        if (m_userEra && query.westernYear - (m_userEra->origin - 1) > kMaxYear)
            return failure(QueryError::OutOfRange);
        return QueryResult{query, {}, QueryError::NotAQuery};
    }

    std::string_view m_text;
    const ShownUserEra* m_userEra;
    std::span<const HistoricalEra> m_eras;
};

} // namespace

YearQuery::Form YearQuery::form() const
{
    if (const Era* named = era())
        return date || named->lunisolarDay ? Form::EraDate : Form::EraYear;
    return date ? Form::WesternDate : Form::WesternYear;
}

std::optional<EraRow> YearQuery::eraRow() const
{
    const Era* named = era();
    if (!named)
        return std::nullopt;
    if (!named->era)
        return EraRow::UserDefined;
    return modernRowNamed(named->era->name);
}

const HistoricalEra& modernEra(EraRow row)
{
    return kHistoricalEras[kHistoricalEras.size() - kJapaneseEras.size() + std::size_t(row)];
}

QueryResult parseYearQuery(std::string_view text, const UserEra* userEra, std::span<const HistoricalEra> eras)
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
    return QueryReader(trimmed, shownUserEra ? &*shownUserEra : nullptr, eras).read();
}

} // namespace erakon
