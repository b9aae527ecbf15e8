// SPDX-License-Identifier: MIT
#include "core/date_format.h"

#include <charconv>

namespace erakon {

namespace {

constexpr long long kMillisecondsPerDay = 86'400'000;

char upperAscii(char c) { return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c; }
bool isAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// Case-insensitive ASCII prefix test.
bool startsWithNoCase(std::string_view text, std::string_view prefix)
{
    if (text.size() < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (upperAscii(text[i]) != upperAscii(prefix[i]))
            return false;
    }
    return true;
}

// Writes the number in decimal with at least `minDigits` digits.
void appendNumber(std::string& out, long long value, int minDigits)
{
    char digits[24];
    const bool negative = value < 0;
    const unsigned long long magnitude = negative ? 0ULL - static_cast<unsigned long long>(value)
                                                  : static_cast<unsigned long long>(value);
    const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, magnitude);
    if (ec != std::errc{})
        return;
    if (negative)
        out += '-';
    const auto length = int(end - digits);
    if (length < minDigits)
        out.append(std::size_t(minDigits - length), '0');
    out.append(digits, end);
}

// The date-time split into the fields the letters write; the era and the
// weekday are looked up only when a letter needs them.
class Fields final {
public:
    Fields(const DateTime& dateTime, std::span<const JapaneseEra> eras)
        : m_date(dateTime.date)
        , m_eras(eras)
    {
        long long ms = dateTime.time.count() % kMillisecondsPerDay; // (-1 day, 1 day)
        if (ms < 0)
            ms += kMillisecondsPerDay; // [0, 86'399'999]
        timeIsMidnight = ms == 0;
        hour = int(ms / 3'600'000); // [0, 23]
        minute = int(ms / 60'000 % 60); // [0, 59]
        second = int(ms / 1000 % 60); // [0, 59]
        millisecond = int(ms % 1000); // [0, 999]
        year = int(dateTime.date.year());
        month = unsigned(dateTime.date.month()); // [1, 12] for a valid date
        day = unsigned(dateTime.date.day()); // [1, 31] for a valid date
    }

    const JapaneseEra* era()
    {
        if (!m_eraLooked) {
            m_era = japaneseEraOf(m_date, m_eras);
            m_eraLooked = true;
        }
        return m_era;
    }

    // 0 = Sunday .. 6 = Saturday, or -1 for a date that is not a real day.
    int weekday() const
    {
        if (!m_date.ok())
            return -1;
        return int(std::chrono::weekday{std::chrono::sys_days{m_date}}.c_encoding()); // [0, 6]
    }

    int year = 0;
    unsigned month = 0;
    unsigned day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
    bool timeIsMidnight = true;

private:
    std::chrono::year_month_day m_date;
    std::span<const JapaneseEra> m_eras;
    const JapaneseEra* m_era = nullptr;
    bool m_eraLooked = false;
};

template <std::size_t N>
std::string_view nameAt(const std::array<std::string, N>& names, long long oneBasedIndex)
{
    if (oneBasedIndex < 1 || oneBasedIndex > static_cast<long long>(N))
        return {};
    return names[std::size_t(oneBasedIndex - 1)];
}

// Whether a pattern's hours are on the 12-hour clock, found out at its first hour.
enum class TwelveHourClock { Unknown, No, Yes };

class PatternWriter final {
public:
    PatternWriter(std::string& out, Fields& fields, const DateFormatSettings& settings, EraNameLanguage language)
        : m_out(out)
        , m_fields(fields)
        , m_settings(settings)
        , m_language(language)
    {}

    // `nested` is true inside the locale formats that "c" writes; a "c" there
    // writes nothing, so a format that names itself cannot recurse.
    void write(std::string_view pattern, bool nested)
    {
        char lastLetter = 0;
        TwelveHourClock twelveHour = TwelveHourClock::Unknown;
        std::size_t i = 0;
        while (i < pattern.size()) {
            const char starter = pattern[i];
            if (isAsciiLetter(starter)) {
                char token = upperAscii(starter);
                if (token == 'A') {
                    lastLetter = 'A';
                    i += writeA(pattern.substr(i));
                    continue;
                }
                std::size_t end = i + 1;
                while (end < pattern.size() && pattern[end] == starter)
                    ++end;
                const std::size_t count = end - i;
                if (token == 'M' && lastLetter == 'H')
                    token = 'N';
                lastLetter = token;
                writeLetter(token, count, pattern.substr(i, count), pattern, twelveHour, nested);
                i = end;
            } else if (starter == '"' || starter == '\'') {
                const std::size_t close = pattern.find(starter, i + 1);
                if (close == std::string_view::npos) {
                    m_out.append(pattern.substr(i + 1));
                    break;
                }
                m_out.append(pattern.substr(i + 1, close - i - 1));
                i = close + 1;
            } else if (starter == ':') {
                m_out.append(m_settings.TimeSeparator);
                ++i;
            } else if (starter == '/') {
                m_out.append(m_settings.DateSeparator);
                ++i;
            } else {
                // Bytes of multi-byte characters are never letters, quotes or
                // separators, so copying byte by byte keeps them whole.
                m_out += starter;
                ++i;
            }
        }
    }

private:
    void writeLetter(char token, std::size_t count, std::string_view run, std::string_view pattern,
                     TwelveHourClock& twelveHour, bool nested)
    {
        switch (token) {
        case 'G': writeEraName(count); break;
        case 'E': writeEraYear(count); break;
        case 'Y':
            if (count <= 2)
                appendNumber(m_out, ((m_fields.year % 100) + 100) % 100, 2);
            else
                appendNumber(m_out, m_fields.year, 4);
            break;
        case 'M':
            if (count <= 2)
                appendNumber(m_out, m_fields.month, int(count));
            else if (count == 3)
                m_out.append(nameAt(m_settings.ShortMonthNames, m_fields.month));
            else
                m_out.append(nameAt(m_settings.LongMonthNames, m_fields.month));
            break;
        case 'D':
            if (count <= 2)
                appendNumber(m_out, m_fields.day, int(count));
            else
                writeDayName(count == 3 ? m_settings.ShortDayNames : m_settings.LongDayNames);
            break;
        case 'H': {
            int hour = m_fields.hour;
            if (twelveHour == TwelveHourClock::Unknown)
                twelveHour = usesTwelveHourClock(pattern) ? TwelveHourClock::Yes : TwelveHourClock::No;
            if (twelveHour == TwelveHourClock::Yes) {
                hour %= 12; // [0, 11]
                if (hour == 0)
                    hour = 12; // [1, 12]
            }
            appendNumber(m_out, hour, count == 1 ? 1 : 2);
            break;
        }
        case 'N': appendNumber(m_out, m_fields.minute, count == 1 ? 1 : 2); break;
        case 'S': appendNumber(m_out, m_fields.second, count == 1 ? 1 : 2); break;
        case 'Z': appendNumber(m_out, m_fields.millisecond, count == 1 ? 1 : 3); break;
        case 'C':
            if (!nested) {
                write(m_settings.ShortDateFormat, true);
                if (!m_fields.timeIsMidnight) {
                    m_out += ' ';
                    write(m_settings.LongTimeFormat, true);
                }
            }
            break;
        default: m_out.append(run); break;
        }
    }

    void writeEraName(std::size_t count)
    {
        const JapaneseEra* era = m_fields.era();
        if (!era)
            return;
        m_out.append(count == 1 ? shortEraName(era->name, m_language) : era->name);
    }

    void writeEraYear(std::size_t count)
    {
        const JapaneseEra* era = m_fields.era();
        if (!era)
            return;
        // Japanese dates are valid here, so the era year lies in [1, 8132].
        const int eraYear = eraYearOf(*era,
                                      std::chrono::year_month_day{std::chrono::year{m_fields.year},
                                                                  std::chrono::month{m_fields.month},
                                                                  std::chrono::day{m_fields.day}});
        if (count >= 3) {
            appendEraYear(m_out, eraYear, EraYearForm::FourDigit);
            return;
        }
        const std::size_t start = m_out.size();
        appendEraYear(m_out, eraYear, EraYearForm::TwoDigit);
        if (count == 1 && m_out.size() > start && m_out[start] == '0')
            m_out.erase(start, 1);
    }

    void writeDayName(const std::array<std::string, 7>& names)
    {
        const int weekday = m_fields.weekday();
        if (weekday >= 0)
            m_out.append(names[std::size_t(weekday)]);
    }

    // "aaaa", "aaa" and the AM/PM forms; any other "a" is copied. Returns the
    // number of pattern bytes used.
    std::size_t writeA(std::string_view text)
    {
        const bool afternoon = m_fields.hour >= 12;
        if (startsWithNoCase(text, "am/pm")) {
            m_out.append(text.substr(afternoon ? 3 : 0, 2));
            return 5;
        }
        if (startsWithNoCase(text, "a/p")) {
            m_out += text[afternoon ? 2 : 0];
            return 3;
        }
        if (startsWithNoCase(text, "ampm")) {
            m_out.append(afternoon ? m_settings.TimePMString : m_settings.TimeAMString);
            return 4;
        }
        if (startsWithNoCase(text, "aaaa")) {
            writeDayName(m_settings.LongDayNames);
            return 4;
        }
        if (startsWithNoCase(text, "aaa")) {
            writeDayName(m_settings.ShortDayNames);
            return 3;
        }
        m_out += text[0];
        return 1;
    }

    // The hours of a pattern are on the 12-hour clock when the pattern holds
    // an AM/PM element anywhere outside quotes.
    static bool usesTwelveHourClock(std::string_view pattern)
    {
        for (std::size_t i = 0; i < pattern.size(); ++i) {
            const char c = pattern[i];
            if (c == 'a' || c == 'A') {
                const std::string_view at = pattern.substr(i);
                if (startsWithNoCase(at, "am/pm") || startsWithNoCase(at, "a/p") || startsWithNoCase(at, "ampm"))
                    return true;
            } else if (c == '"' || c == '\'') {
                const std::size_t close = pattern.find(c, i + 1);
                if (close == std::string_view::npos)
                    return false;
                i = close;
            }
        }
        return false;
    }

    std::string& m_out;
    Fields& m_fields;
    const DateFormatSettings& m_settings;
    EraNameLanguage m_language;
};

} // namespace

std::string formatDatePattern(std::string_view pattern, const DateTime& dateTime, const DateFormatSettings& settings,
                              EraNameLanguage language)
{
    std::string out;
    try {
        out.reserve(pattern.size() + 32);
        Fields fields(dateTime, settings.eras);
        PatternWriter(out, fields, settings, language).write(pattern, false);
    } catch (...) {
        // Only allocation can fail here; give what was written so far rather
        // than let a clock tick or a table line take the program down.
    }
    return out;
}

} // namespace erakon
