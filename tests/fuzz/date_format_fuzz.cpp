// SPDX-License-Identifier: MIT
// Writes fuzzed dates through fuzzed patterns and locale records. The formatter must give
// text for anything, and never split a character: from valid UTF-8 comes valid UTF-8.
#include "core/date_format.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

bool isValidUtf8(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 0;
        char32_t codePoint = 0;
        if (lead < 0x80) {
            ++i;
            continue;
        }
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            codePoint = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            codePoint = lead & 0x0F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            codePoint = lead & 0x07;
        } else {
            return false;
        }
        if (i + length > text.size())
            return false;
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            codePoint = (codePoint << 6) | (next & 0x3F);
        }
        const bool overlong = (length == 3 && codePoint < 0x800) || (length == 4 && codePoint < 0x10000);
        const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
        if (overlong || surrogate || codePoint > 0x10FFFF)
            return false;
        i += length;
    }
    return true;
}

// A separator is one character or none; take up to four bytes, which may form one.
std::string takeSeparator(FuzzedDataProvider& input) { return input.ConsumeRandomLengthString(4); }

erakon::DateTime takeDateTime(FuzzedDataProvider& input)
{
    using namespace std::chrono;
    // The whole range std::chrono::year can hold, days valid for their month.
    const year y{input.ConsumeIntegralInRange<int>(-32767, 32767)};
    const month m{input.ConsumeIntegralInRange<unsigned>(1, 12)};
    const unsigned lastDay = static_cast<unsigned>(year_month_day_last{y / m / last}.day());
    const day d{input.ConsumeIntegralInRange<unsigned>(1, lastDay)}; // [1, 31]
    const milliseconds time{input.ConsumeIntegralInRange<std::int64_t>(0, 86'399'999)};
    return {year_month_day{y, m, d}, time};
}

erakon::DateFormatSettings takeSettings(FuzzedDataProvider& input)
{
    erakon::DateFormatSettings settings;
    settings.TimeSeparator = takeSeparator(input);
    settings.DateSeparator = takeSeparator(input);
    for (auto& name : settings.ShortDayNames)
        name = input.ConsumeRandomLengthString(8);
    for (auto& name : settings.LongDayNames)
        name = input.ConsumeRandomLengthString(16);
    for (auto& name : settings.ShortMonthNames)
        name = input.ConsumeRandomLengthString(8);
    for (auto& name : settings.LongMonthNames)
        name = input.ConsumeRandomLengthString(16);
    // The record's own formats are patterns too, expanded by "c" and "ddddd"-style letters.
    settings.ShortDateFormat = input.ConsumeRandomLengthString(24);
    settings.LongTimeFormat = input.ConsumeRandomLengthString(24);
    settings.TimeAMString = input.ConsumeRandomLengthString(8);
    settings.TimePMString = input.ConsumeRandomLengthString(8);
    return settings;
}

bool settingsAreValidUtf8(const erakon::DateFormatSettings& settings)
{
    auto valid = [](const auto& names) {
        for (const auto& name : names)
            if (!isValidUtf8(name))
                return false;
        return true;
    };
    return isValidUtf8(settings.TimeSeparator) && isValidUtf8(settings.DateSeparator) && valid(settings.ShortDayNames)
        && valid(settings.LongDayNames) && valid(settings.ShortMonthNames) && valid(settings.LongMonthNames)
        && isValidUtf8(settings.ShortDateFormat) && isValidUtf8(settings.LongTimeFormat)
        && isValidUtf8(settings.TimeAMString) && isValidUtf8(settings.TimePMString);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const erakon::DateTime dateTime = takeDateTime(input);
    const auto language = input.PickValueInArray({erakon::EraNameLanguage::Japanese,
                                                  erakon::EraNameLanguage::TraditionalChinese,
                                                  erakon::EraNameLanguage::Other});
    const erakon::DateFormatSettings settings = takeSettings(input);
    const std::string pattern = input.ConsumeRemainingBytesAsString();

    const std::string text = erakon::formatDatePattern(pattern, dateTime, settings, language);
    if (isValidUtf8(pattern) && settingsAreValidUtf8(settings) && !isValidUtf8(text))
        std::abort(); // a character was split or garbled
    return 0;
}
