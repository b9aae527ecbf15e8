// SPDX-License-Identifier: MIT
#include "core/era_table.h"

namespace erakon {

const std::array<std::string_view, 12> kEtoTexts{
    "子・ね",   "丑・うし",   "寅・とら", "卯・う",   "辰・たつ", "巳・み",
    "午・うま", "未・ひつじ", "申・さる", "酉・とり", "戌・いぬ", "亥・い",
};

int etoIndex(int year)
{
    // 64-bit so that year + 8 cannot overflow for any int.
    const long long remainder = (static_cast<long long>(year) + 8) % 12; // [-11, 11]
    return int(remainder < 0 ? remainder + 12 : remainder); // [0, 11]
}

std::string EtoText(int year, bool showEto)
{
    if (!showEto)
        return {};
    return std::string(kEtoTexts[std::size_t(etoIndex(year))]);
}

EraEmphasis eraEmphasis(int year, const EraOffsets& offsets, bool emphasisOn)
{
    EraEmphasis result;
    if (!emphasisOn)
        return result;
    // Widened: an offset near INT_MAX must not overflow in "next offset + 1".
    const long long y = year;
    for (int row = 0; row < kFixedEraCount - 1; ++row) {
        const long long lastYear = static_cast<long long>(offsets[std::size_t(row) + 1]) + 1;
        result.rowBold[std::size_t(row)] = offsets[std::size_t(row)] < y && y <= lastYear;
    }
    const auto reiwa = std::size_t(EraRow::Reiwa);
    const auto user = std::size_t(EraRow::UserDefined);
    result.rowBold[reiwa] = y > offsets[reiwa];
    result.rowBold[user] = y > offsets[user];
    result.westernBold = y > offsets[std::size_t(EraRow::Meiji)];
    return result;
}

std::string YearSentence(int year, std::chrono::year_month_day today, bool showEto)
{
    using namespace std::chrono;
    const int currentYear = int(today.year());
    const long long d = static_cast<long long>(year) - currentYear;
    const std::string z = EtoText(year, showEto);

    std::string text = "この年（" + z;
    if (d < 0) {
        text += "）に生まれた人は、今年 " + std::to_string(-d) + "才です";
    } else if (d == 0) {
        text += "）に生まれた人は、今年 0才です";
    } else if (d == 1) {
        const sys_days endOfYear{today.year() / December / 31};
        const long long n = (endOfYear - sys_days{today}).count(); // [0, 365] for a valid date
        text += "）まで、あと " + std::to_string(n < 0 ? 0 : n) + "日です";
    } else {
        text += "）まで、あと " + std::to_string(d) + "年です";
    }

    // Without a zodiac sign the brackets stand empty right after この年.
    constexpr std::string_view emptyBrackets = "（）";
    if (const auto at = text.find(emptyBrackets); at != std::string::npos)
        text.erase(at, emptyBrackets.size());
    return text;
}

} // namespace erakon
