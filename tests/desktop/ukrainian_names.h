// SPDX-License-Identifier: MIT
#pragma once

#include "core/date_format.h"

namespace erakon {

// The Ukrainian names the peace line needs, fixed here so that the tests do
// not depend on the locale data installed.
inline DateFormatSettings ukrainianNames()
{
    DateFormatSettings settings;
    settings.LongDayNames = {"неділя", "понеділок", "вівторок", "середа", "четвер", "пʼятниця", "субота"};
    settings.LongMonthNames = {"січня", "лютого", "березня", "квітня", "травня",    "червня",
                               "липня", "серпня", "вересня", "жовтня", "листопада", "грудня"};
    settings.TimeSeparator = "."; // the line must use ":" whatever the record says
    return settings;
}

} // namespace erakon
