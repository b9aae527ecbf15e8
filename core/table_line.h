// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <string>

namespace erakon {

// One line of the year quick-reference table for the year of the date:
// era (written for that very date), Western year, distance from the current
// year, zodiac; each field followed by a tab.
std::string TableLine(std::chrono::year_month_day date, int currentYear, bool showEto);

} // namespace erakon
