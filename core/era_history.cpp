// SPDX-License-Identifier: MIT
#include "core/era_history.h"

#include "core/utf8.h"

#include <algorithm>
#include <array>
#include <limits>
#include <string>

namespace erakon {

namespace {

// An era's years in one line: from its first year to its last, open for the
// latest era of the line.
struct LineSpan {
    const HistoricalEra* era;
    int firstYear;
    std::optional<int> lastYear;

    bool holds(int year) const { return firstYear <= year && (!lastYear || year <= *lastYear); }
};

bool inOfficialLine(const HistoricalEra& era) { return era.standing == EraStanding::Official; }

bool inNorthernLine(const HistoricalEra& era)
{
    return era.standing != EraStanding::Unofficial && era.court != EraCourt::Southern;
}

// The line of the eras that `belongs` picks, in the order of the day each is
// taken up (`startOf`): each era lasts until the year the next one begins.
template <typename Belongs, typename StartOf>
std::vector<LineSpan> lineOf(std::span<const HistoricalEra> eras, Belongs belongs, StartOf startOf)
{
    std::vector<const HistoricalEra*> line;
    for (const HistoricalEra& era : eras) {
        if (belongs(era))
            line.push_back(&era);
    }
    std::stable_sort(line.begin(), line.end(),
                     [&](const HistoricalEra* a, const HistoricalEra* b) { return startOf(*a) < startOf(*b); });
    std::vector<LineSpan> spans;
    spans.reserve(line.size());
    for (std::size_t i = 0; i < line.size(); ++i) {
        std::optional<int> last;
        if (line[i]->lastYear != 0)
            last = line[i]->lastYear;
        else if (i + 1 < line.size())
            last = startOf(*line[i + 1]).year;
        spans.push_back({line[i], startOf(*line[i]).year, last});
    }
    return spans;
}

std::vector<LineSpan> officialLine(std::span<const HistoricalEra> eras)
{
    return lineOf(eras, inOfficialLine, [](const HistoricalEra& era) { return era.countedFrom; });
}

std::vector<LineSpan> northernLine(std::span<const HistoricalEra> eras)
{
    return lineOf(eras, inNorthernLine, [](const HistoricalEra& era) { return era.firstDay; });
}

// The unofficial names, each until the year it gave up or the next official
// era began.
std::vector<LineSpan> unofficialSpans(std::span<const HistoricalEra> eras)
{
    std::vector<LineSpan> spans;
    for (const HistoricalEra& era : eras) {
        if (era.standing != EraStanding::Unofficial)
            continue;
        std::optional<int> last;
        if (era.lastYear != 0) {
            last = era.lastYear;
        } else {
            for (const HistoricalEra& later : eras) {
                if (inOfficialLine(later) && later.countedFrom > era.firstDay
                    && (!last || later.countedFrom.year < *last))
                    last = later.countedFrom.year;
            }
        }
        spans.push_back({&era, era.firstDay.year, last});
    }
    return spans;
}

int standingRank(const HistoricalEra& era) { return int(era.standing); }

// Official eras first, from the latest; then the northern court's and the
// unofficial ones, likewise.
void orderFound(std::vector<const HistoricalEra*>& found)
{
    std::stable_sort(found.begin(), found.end(), [](const HistoricalEra* a, const HistoricalEra* b) {
        if (standingRank(*a) != standingRank(*b))
            return standingRank(*a) < standingRank(*b);
        return a->firstDay > b->firstDay;
    });
}

template <typename Fits>
std::vector<const HistoricalEra*> erasWhere(std::span<const HistoricalEra> eras, Fits fits)
{
    std::vector<const HistoricalEra*> found;
    for (const HistoricalEra& era : eras) {
        if (fits(era))
            found.push_back(&era);
    }
    orderFound(found);
    return found;
}

// The text as code points; nullopt for text that is not well-formed UTF-8.
std::optional<std::u32string> codePoints(std::string_view text)
{
    std::u32string out;
    while (!text.empty()) {
        const std::size_t length = utf8CharacterLength(text);
        if (length == 0)
            return std::nullopt;
        out += decodeUtf8Character(text, length);
        text.remove_prefix(length);
    }
    return out;
}

// Katakana as hiragana; everything else as it is.
std::optional<std::string> asHiragana(std::string_view kana)
{
    constexpr char32_t firstKatakana = U'\u30A1'; // ァ
    constexpr char32_t lastKatakana = U'\u30F6'; // ヶ
    constexpr char32_t katakanaToHiragana = U'\u30A1' - U'\u3041';
    const std::optional<std::u32string> characters = codePoints(kana);
    if (!characters)
        return std::nullopt;
    std::string out;
    for (char32_t c : *characters)
        appendUtf8(out, c >= firstKatakana && c <= lastKatakana ? c - katakanaToHiragana : c);
    return out;
}

// A romanised name reduced to the letters every way of writing it shares:
// lower case, no marks on long vowels and no long vowel spelt out, no hyphen,
// apostrophe or space, n for m before p, b and m. nullopt for text with other
// characters.
std::optional<std::string> foldedRomanised(std::string_view latin)
{
    const std::optional<std::u32string> characters = codePoints(latin);
    if (!characters)
        return std::nullopt;
    std::string letters;
    for (const char32_t c : *characters) {
        if (c >= U'a' && c <= U'z')
            letters += char(c);
        else if (c >= U'A' && c <= U'Z')
            letters += char(c - U'A' + U'a');
        else if (c == U'\u014D' || c == U'\u014C' || c == U'\u00F4' || c == U'\u00D4') // ō Ō ô Ô
            letters += 'o';
        else if (c == U'\u016B' || c == U'\u016A' || c == U'\u00FB' || c == U'\u00DB') // ū Ū û Û
            letters += 'u';
        else if (c != U' ' && c != U'-' && c != U'\'' && c != U'\u2019' && c != U'\u2010')
            return std::nullopt;
    }
    std::string folded;
    for (std::size_t i = 0; i < letters.size(); ++i) {
        const char c = letters[i];
        const char previous = folded.empty() ? '\0' : folded.back();
        if ((previous == 'o' && (c == 'u' || c == 'o')) || (previous == 'u' && c == 'u'))
            continue;
        const char next = i + 1 < letters.size() ? letters[i + 1] : '\0';
        folded += c == 'm' && (next == 'p' || next == 'b' || next == 'm') ? 'n' : c;
    }
    return folded;
}

} // namespace

std::optional<EraWesternYear> westernYearOfEraYear(const HistoricalEra& era, int eraYear)
{
    const long long year = static_cast<long long>(era.firstDay.year) + eraYear - 1;
    if (year < std::numeric_limits<int>::min() || year > std::numeric_limits<int>::max())
        return std::nullopt;
    return EraWesternYear{int(year), era.calendar == EraCalendar::Lunisolar};
}

std::optional<int> lastYearOf(const HistoricalEra& era, std::span<const HistoricalEra> eras)
{
    std::optional<int> last;
    bool found = false;
    const std::array<std::vector<LineSpan>, 3> lines{officialLine(eras), northernLine(eras), unofficialSpans(eras)};
    for (const std::vector<LineSpan>& spans : lines) {
        for (const LineSpan& span : spans) {
            if (span.era->name != era.name)
                continue;
            if (!span.lastYear)
                return std::nullopt;
            last = found ? std::max(*last, *span.lastYear) : *span.lastYear;
            found = true;
        }
    }
    return last;
}

std::vector<const HistoricalEra*> erasAfter(const HistoricalEra& era, std::span<const HistoricalEra> eras)
{
    std::vector<const HistoricalEra*> next;
    const std::array<std::vector<LineSpan>, 2> lines{officialLine(eras), northernLine(eras)};
    for (const std::vector<LineSpan>& spans : lines) {
        for (std::size_t i = 0; i + 1 < spans.size(); ++i) {
            const HistoricalEra* following = spans[i + 1].era;
            if (spans[i].era->name == era.name && std::find(next.begin(), next.end(), following) == next.end())
                next.push_back(following);
        }
    }
    return next;
}

std::vector<EraOfYear> erasOfWesternYear(int westernYear, std::span<const HistoricalEra> eras)
{
    std::vector<EraOfYear> found;
    const auto add = [&](const std::vector<LineSpan>& spans, bool counted) {
        for (const LineSpan& span : spans) {
            const bool listed = std::any_of(found.begin(), found.end(),
                                            [&](const EraOfYear& entry) { return entry.era == span.era; });
            if (span.holds(westernYear) && !listed)
                found.push_back({span.era, westernYear - span.era->firstDay.year + 1, counted});
        }
    };
    add(officialLine(eras), true);
    add(northernLine(eras), false);
    add(unofficialSpans(eras), false);
    return found;
}

const HistoricalEra* eraNamed(std::string_view name, std::span<const HistoricalEra> eras)
{
    const auto at = std::find_if(eras.begin(), eras.end(), [&](const HistoricalEra& era) { return era.name == name; });
    return at == eras.end() ? nullptr : &*at;
}

std::vector<const HistoricalEra*> erasReadAs(std::string_view kana, std::span<const HistoricalEra> eras)
{
    const std::optional<std::string> hiragana = asHiragana(kana);
    if (!hiragana || hiragana->empty())
        return {};
    return erasWhere(eras, [&](const HistoricalEra& era) { return era.reading == *hiragana; });
}

std::vector<const HistoricalEra*> erasRomanisedAs(std::string_view latin, std::span<const HistoricalEra> eras)
{
    const std::optional<std::string> folded = foldedRomanised(latin);
    if (!folded || folded->empty())
        return {};
    return erasWhere(eras, [&](const HistoricalEra& era) { return foldedRomanised(era.romanised) == *folded; });
}

const HistoricalEra* eraWithInitial(std::string_view initial, std::span<const HistoricalEra> eras)
{
    if (initial.size() != 1)
        return nullptr;
    char letter = initial.front();
    if (letter >= 'a' && letter <= 'z')
        letter = char(letter - 'a' + 'A');
    if (letter < 'A' || letter > 'Z')
        return nullptr;
    const auto at = std::find_if(eras.begin(), eras.end(),
                                 [&](const HistoricalEra& era) { return era.initial == letter; });
    return at == eras.end() ? nullptr : &*at;
}

std::vector<const HistoricalEra*> findEras(std::string_view text, std::span<const HistoricalEra> eras)
{
    std::vector<const HistoricalEra*> found = erasReadAs(text, eras);
    for (const HistoricalEra* era : erasRomanisedAs(text, eras))
        found.push_back(era);
    for (const HistoricalEra* era : {eraNamed(text, eras), eraWithInitial(text, eras)}) {
        if (era)
            found.push_back(era);
    }
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());
    orderFound(found);
    return found;
}

} // namespace erakon
