// SPDX-License-Identifier: MIT
#pragma once

#include "core/year_description.h"
#include "core/year_query.h"

#include <string>
#include <string_view>

namespace erakon {

// A converted year for the terminal: the summary first, then a note about
// the era the year was named in, every era year, and the conversion page's
// sentence, each line but the first indented by two spaces:
//   1989年 — 昭和64年・平成元年, 34年前, 巳（み）
//     明治122年 大正78年 昭和64年 平成元年 令和-29年
//     この年に生まれた人は、今年 34才です
std::string conversionText(const YearDescription& description);

// The same as one JSON object on one line, for scripts, with the input as typed.
// Where the input has several readings (しょうわ5: 昭和5 and 正和5), each is one
// such object and carries "readings", how many there are.
std::string conversionJson(std::string_view input, const YearDescription& description, std::size_t readings = 1);

// Why an input gives no conversion, in words for a message.
std::string_view queryErrorText(QueryError error);

// An input that gives no conversion, as a JSON object: its input and error.
std::string errorJson(std::string_view input, QueryError error);

} // namespace erakon
