// SPDX-License-Identifier: MIT
// libFuzzer entry for the text typed as a year, an era year or a date: any
// bytes must read without a crash, a query must name a year the program
// converts, and its description must be valid UTF-8 that names that year.
#include "core/utf8.h"
#include "core/year_description.h"
#include "core/year_query.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

using namespace erakon;

namespace {

void check(std::string_view text, const UserEra* userEra)
{
    const QueryResult result = parseYearQuery(text, userEra);
    if (!result)
        return;
    const YearQuery& query = *result.query;
    if (query.westernYear < kQueryFirstYear || query.westernYear > kQueryLastYear)
        std::abort();
    if (query.date && (!query.date->ok() || int(query.date->year()) != query.westernYear))
        std::abort();
    const YearDescription description = describeYear(query, userEra, std::chrono::year{2023} / 5 / 20);
    if (description.westernYear != query.westernYear || !isValidUtf8(description.summary()))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    check(text, nullptr);
    // The same text with a user era whose name is its first bytes, or an odd one.
    const UserEra fromYearZero{std::string(text.substr(0, 3)), 0};
    check(text, &fromYearZero);
    const UserEra founding{"創業", 1880};
    check(text, &founding);
    return 0;
}
