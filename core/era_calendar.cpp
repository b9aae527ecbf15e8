// SPDX-License-Identifier: MIT
#include "core/era_calendar.h"

#include <charconv>

namespace erakon {

const JapaneseEra* japaneseEraOf(std::chrono::year_month_day date, std::span<const JapaneseEra> eras)
{
    if (!date.ok())
        return nullptr;
    const JapaneseEra* found = nullptr;
    for (const JapaneseEra& era : eras) {
        if (era.firstDay > date)
            break;
        found = &era;
    }
    return found;
}

int eraYearOf(const JapaneseEra& era, std::chrono::year_month_day date)
{
    return int(date.year()) - int(era.firstDay.year()) + 1;
}

void appendEraYear(std::string& out, int eraYear, EraYearForm form)
{
    if (eraYear == 1) {
        out += "元";
        return;
    }
    const int width = form == EraYearForm::TwoDigit ? 2 : 4;
    char digits[16];
    const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, eraYear);
    if (ec != std::errc{})
        return;
    const auto length = int(end - digits);
    if (length < width)
        out.append(std::size_t(width - length), '0');
    out.append(digits, end);
}

namespace {

// Byte length of the UTF-8 character starting with this byte (1 for a stray
// continuation byte, so that scanning always advances).
std::size_t utf8Length(unsigned char lead)
{
    if (lead >= 0xF0)
        return 4;
    if (lead >= 0xE0)
        return 3;
    if (lead >= 0xC0)
        return 2;
    return 1;
}

// Byte offsets at which the characters of the text begin, up to `limit`.
template <std::size_t N>
std::size_t characterStarts(std::string_view text, std::array<std::size_t, N>& starts)
{
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size() && count < N; i += utf8Length(text[i]))
        starts[count++] = i;
    return count;
}

} // namespace

std::string_view shortEraName(std::string_view name, EraNameLanguage language)
{
    std::array<std::size_t, 5> starts{};
    const std::size_t count = characterStarts(name, starts);
    switch (language) {
    case EraNameLanguage::Japanese:
        if (count == 0)
            return {};
        return name.substr(0, count > 1 ? starts[1] : name.size());
    case EraNameLanguage::TraditionalChinese:
        if (count == 4)
            return name.substr(starts[2]);
        return name;
    case EraNameLanguage::Other: break;
    }
    return name;
}

} // namespace erakon
