// SPDX-License-Identifier: MIT
#pragma once

#include "core/date_format.h"

namespace erakon::test {

// Names and formats as a Japanese locale gives them.
inline DateFormatSettings japaneseFormatSettings()
{
    DateFormatSettings s;
    s.TimeSeparator = ":";
    s.DateSeparator = "/";
    s.ShortDayNames = {"日", "月", "火", "水", "木", "金", "土"};
    s.LongDayNames = {"日曜日", "月曜日", "火曜日", "水曜日", "木曜日", "金曜日", "土曜日"};
    s.ShortMonthNames = {"1月", "2月", "3月", "4月", "5月", "6月", "7月", "8月", "9月", "10月", "11月", "12月"};
    s.LongMonthNames = s.ShortMonthNames;
    s.ShortDateFormat = "yyyy/mm/dd";
    s.LongTimeFormat = "h:nn:ss";
    s.TimeAMString = "午前";
    s.TimePMString = "午後";
    return s;
}

} // namespace erakon::test
