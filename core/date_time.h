// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>

namespace erakon {

// A local calendar date with a time of day, as the program's clock and
// formatter see it. The date is proleptic Gregorian.
struct DateTime {
    std::chrono::year_month_day date;
    std::chrono::milliseconds time{0}; // since local midnight, [0, 86'400'000)

    friend bool operator==(const DateTime&, const DateTime&) = default;
};

inline DateTime makeDateTime(int year, unsigned month, unsigned day, int hour = 0, int minute = 0, int second = 0,
                             int millisecond = 0)
{
    using namespace std::chrono;
    return {year_month_day{std::chrono::year{year}, std::chrono::month{month}, std::chrono::day{day}},
            hours{hour} + minutes{minute} + seconds{second} + milliseconds{millisecond}};
}

} // namespace erakon
