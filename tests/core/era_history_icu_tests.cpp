// SPDX-License-Identifier: MIT
// The table of every era against the Japanese calendar of ICU on this machine:
// every era ICU knows, with its name, its first year, its first month and day
// and its English name; and where the table deliberately differs, why.
#include "core/era_history.h"

#include <gtest/gtest.h>

#include <unicode/ucal.h>
#include <unicode/udat.h>
#include <unicode/ustring.h>

#include <algorithm>
#include <iostream>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace erakon {
namespace {

struct IcuEra {
    std::string name;
    std::string english; // without the years ICU adds: "Taika"
    int firstYear;
    int firstMonth;
    int firstDay;
};

using Calendar = std::unique_ptr<UCalendar, decltype(&ucal_close)>;
using DateFormat = std::unique_ptr<UDateFormat, decltype(&udat_close)>;

std::string utf8(const UChar* text, int32_t length)
{
    UErrorCode status = U_ZERO_ERROR;
    std::string out(std::size_t(length) * 3 + 1, '\0');
    int32_t written = 0;
    u_strToUTF8(out.data(), int32_t(out.size()), &written, text, length, &status);
    out.resize(U_SUCCESS(status) ? std::size_t(written) : 0);
    return out;
}

std::string eraName(const DateFormat& format, int era)
{
    UErrorCode status = U_ZERO_ERROR;
    UChar name[128];
    const int32_t length = udat_getSymbols(format.get(), UDAT_ERA_NAMES, era, name, 128, &status);
    return U_SUCCESS(status) ? utf8(name, length) : std::string();
}

DateFormat eraNames(const char* locale)
{
    UErrorCode status = U_ZERO_ERROR;
    const UChar pattern[] = u"G";
    return DateFormat(udat_open(UDAT_PATTERN, UDAT_PATTERN, locale, nullptr, 0, pattern, -1, &status), udat_close);
}

// Every era of ICU's Japanese calendar: its name, and the first day of its
// first year as ICU sets it (ICU gives the eras before 明治 their lunisolar
// month and day).
std::vector<IcuEra> icuEras()
{
    UErrorCode status = U_ZERO_ERROR;
    const Calendar calendar(ucal_open(nullptr, -1, "ja_JP@calendar=japanese", UCAL_DEFAULT, &status), ucal_close);
    const DateFormat japanese = eraNames("ja_JP@calendar=japanese");
    const DateFormat english = eraNames("en@calendar=japanese");
    if (U_FAILURE(status) || !calendar || !japanese || !english)
        return {};
    const int32_t lastEra = ucal_getLimit(calendar.get(), UCAL_ERA, UCAL_MAXIMUM, &status);
    std::vector<IcuEra> eras;
    for (int32_t era = 0; era <= lastEra && U_SUCCESS(status); ++era) {
        ucal_clear(calendar.get());
        ucal_set(calendar.get(), UCAL_ERA, era);
        ucal_set(calendar.get(), UCAL_YEAR, 1);
        const int32_t year = ucal_get(calendar.get(), UCAL_EXTENDED_YEAR, &status);
        const int32_t month = ucal_get(calendar.get(), UCAL_MONTH, &status) + 1;
        const int32_t day = ucal_get(calendar.get(), UCAL_DATE, &status);
        std::string englishName = eraName(english, era);
        englishName = englishName.substr(0, englishName.find(" ("));
        eras.push_back({eraName(japanese, era), englishName, year, month, day});
    }
    return U_SUCCESS(status) ? eras : std::vector<IcuEra>{};
}

const std::vector<IcuEra>& icu()
{
    static const std::vector<IcuEra> eras = icuEras();
    return eras;
}

// Where the table's first year differs from ICU's, and why.
const std::map<std::string, std::string, std::less<>> kFirstYearDifferences{
    {"至徳", "proclaimed 永徳4年2月27日 (1384); ICU's data place it in 1387, after 嘉慶, out of order"},
};

// Where the table's first month and day differ from ICU's, and why.
const std::map<std::string, std::string, std::less<>> kFirstDayDifferences{
    {"明治", "the program counts 明治 from 1 January 1868; ICU from its proclamation, 慶応4年9月8日"},
    {"応仁", "the sources give 文正2年3月5日; ICU has the 3rd"},
    {"長享", "the sources give 文明19年7月20日; ICU has the 29th"},
    // ICU keeps a lunisolar month and day as a Western date, where February has no 30th
    // and, in 1278 and 1501, no 29th: it moves them to 1 March.
    {"弘安", "建治4年2月29日; ICU has 1 March"},
    {"文亀", "明応10年2月29日; ICU has 1 March"},
    {"永正", "文亀4年2月30日; ICU has 1 March"},
    {"寛永", "元和10年2月30日; ICU has 1 March"},
    {"文中", "the sources give the 4th month of 建徳3年 but not the day; ICU has the 1st"},
    {"至徳", "see its first year"},
};

// Where the table's romanised name (from its reading) differs from ICU's
// English name, and why.
const std::map<std::string, std::string, std::less<>> kRomanisedDifferences{
    {"嘉祥", "read かしょう by most sources (Kashō); ICU follows かじょう"},
    {"承保", "read じょうほう by most sources (Jōhō); ICU follows しょうほ"},
    {"承暦", "read じょうりゃく by most sources (Jōryaku); ICU follows しょうりゃく"},
    {"応保", "read おうほう by most sources (Ōhō); ICU writes Ōho"},
    {"正保", "read しょうほう by most sources (Shōhō); ICU writes Shōho"},
    {"至徳", "ICU's English data give it 明徳's name, Meitoku"},
};

// ICU's English names, and the table's, the same way: lower case, no hyphen,
// apostrophe or space, n for m before p, b and m (Tempyō, Kampō).
std::string comparable(std::string_view romanised)
{
    std::string out;
    for (std::size_t i = 0; i < romanised.size(); ++i) {
        const char c = romanised[i];
        if (c == '-' || c == '\'' || c == ' ')
            continue;
        if (romanised.substr(i, 3) == "\u2019") {
            i += 2;
            continue;
        }
        const char next = i + 1 < romanised.size() ? romanised[i + 1] : '\0';
        if (c == 'm' && (next == 'p' || next == 'b' || next == 'm'))
            out += 'n';
        else
            out += c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
    }
    return out;
}

TEST(HistoricalErasAgainstIcu, IcuKnowsTheErasFromTaikaToReiwa)
{
    ASSERT_GE(icu().size(), 237U) << "ICU's Japanese calendar could not be read";
    EXPECT_EQ(icu().front().name, "大化");
    EXPECT_EQ(icu().back().name, "令和");
}

TEST(HistoricalErasAgainstIcu, EveryIcuEraIsInTheTableWithItsFirstYear)
{
    for (const IcuEra& icuEra : icu()) {
        const HistoricalEra* era = eraNamed(icuEra.name);
        ASSERT_NE(era, nullptr) << icuEra.name << " is not in the table";
        if (const auto difference = kFirstYearDifferences.find(icuEra.name);
            difference != kFirstYearDifferences.end()) {
            std::cout << "[ differs  ] " << icuEra.name << ": first year " << era->firstDay.year << ", ICU "
                      << icuEra.firstYear << " (" << difference->second << ")\n";
            continue;
        }
        EXPECT_EQ(era->firstDay.year, icuEra.firstYear) << icuEra.name;
    }
}

TEST(HistoricalErasAgainstIcu, FirstMonthsAndDaysAgreeWithIcu)
{
    for (const IcuEra& icuEra : icu()) {
        const HistoricalEra* era = eraNamed(icuEra.name);
        ASSERT_NE(era, nullptr) << icuEra.name;
        if (const auto difference = kFirstDayDifferences.find(icuEra.name); difference != kFirstDayDifferences.end()) {
            std::cout << "[ differs  ] " << icuEra.name << ": first day " << era->firstDay.month << '-'
                      << era->firstDay.day << ", ICU " << icuEra.firstMonth << '-' << icuEra.firstDay << " ("
                      << difference->second << ")\n";
            continue;
        }
        // ICU cannot mark an intercalary month (延長 began in the intercalary 4th).
        EXPECT_EQ(era->firstDay.month, icuEra.firstMonth) << icuEra.name;
        EXPECT_EQ(era->firstDay.day, icuEra.firstDay) << icuEra.name;
    }
    EXPECT_EQ(eraNamed("明治")->firstDay, (EraDay{1868, 1, false, 1}));
}

TEST(HistoricalErasAgainstIcu, RomanisedNamesAgreeWithIcusEnglishNames)
{
    for (const IcuEra& icuEra : icu()) {
        const HistoricalEra* era = eraNamed(icuEra.name);
        ASSERT_NE(era, nullptr) << icuEra.name;
        if (const auto difference = kRomanisedDifferences.find(icuEra.name);
            difference != kRomanisedDifferences.end()) {
            std::cout << "[ differs  ] " << icuEra.name << ": " << era->romanised << ", ICU " << icuEra.english << " ("
                      << difference->second << ")\n";
            continue;
        }
        EXPECT_EQ(comparable(era->romanised), comparable(icuEra.english)) << icuEra.name;
    }
}

// ICU has every era of the official list and 白鳳, and of the northern court's
// only those from 康暦 on that it puts between the southern ones; the table
// has the northern court's others too.
TEST(HistoricalErasAgainstIcu, TheTableAddsOnlyNorthernCourtErasToIcus)
{
    std::vector<std::string_view> notInIcu;
    for (const HistoricalEra& era : kHistoricalEras) {
        const bool inIcu = std::any_of(icu().begin(), icu().end(),
                                       [&](const IcuEra& icuEra) { return icuEra.name == era.name; });
        if (!inIcu)
            notInIcu.push_back(era.name);
    }
    EXPECT_EQ(notInIcu,
              (std::vector<std::string_view>{"正慶", "暦応", "康永", "貞和", "観応", "文和", "延文", "康安", "貞治",
                                             "応安", "永和", "永徳"}));
    for (const std::string_view name : notInIcu)
        EXPECT_EQ(eraNamed(name)->standing, EraStanding::NorthernCourt) << name;
}

} // namespace
} // namespace erakon
