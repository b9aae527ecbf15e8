// SPDX-License-Identifier: MIT
#include "desktop/ukraine_time.h"

#include <chrono>

namespace erakon {

namespace {

using namespace std::chrono;
using Instant = sys_time<milliseconds>;

DateTime toDateTime(Instant t)
{
    const sys_days day = floor<days>(t);
    return {year_month_day{day}, t - day};
}

} // namespace

QString UkraineTimeText(const DateTime& now, const UtcOffsetAt& offsetFromUtc, DateFormatSettings ukrainian)
{
    const Instant localNow = sys_days{now.date} + now.time;
    const Instant utc = localNow - seconds{offsetFromUtc(now)};
    // Ukraine's standard time is UTC+2; summer time is reckoned in it too.
    Instant t = utc + minutes{120};

    const year y = year_month_day{floor<days>(t)}.year();
    const Instant summerStart = sys_days{y / March / Sunday[last]} + hours{3};
    const Instant summerEnd = sys_days{y / October / Sunday[last]} + hours{4};

    ukrainian.TimeSeparator = ":";
    constexpr std::string_view pattern = "d mmmm yyyy aaaa hh:nn";
    if (summerStart < t && t < summerEnd) {
        t += minutes{60};
        return QStringLiteral("Peace for Ukraine\r\n")
            + QString::fromStdString(formatDatePattern(pattern, toDateTime(t), ukrainian))
            + QStringLiteral(", Ukraine Standard Time (in Daylight Saving Time)");
    }
    return QStringLiteral("Peace For Ukraine\r\n")
        + QString::fromStdString(formatDatePattern(pattern, toDateTime(t), ukrainian))
        + QStringLiteral(", Ukraine Standard Time");
}

} // namespace erakon
