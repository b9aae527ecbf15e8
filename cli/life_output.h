// SPDX-License-Identifier: MIT
#pragma once

#include "core/era_calendar.h"
#include "core/life_profile.h"

#include <span>
#include <string>
#include <string_view>

namespace erakon {

// The ages and milestones of a life for the terminal, as the age page lists
// them: the rows of core/life_rows.h, indented under their headings, their
// dates written with the eras in force.
std::string lifeProfileText(const LifeProfile& profile, std::span<const JapaneseEra> eras = kJapaneseEras);

// The same as one JSON object on one line: the birth (an ISO date, or the
// year as a number), asOf, age (満, absent for a year alone), kazoe, school,
// gakunen, yakudoshi, choju, seinen and eto. With a year alone, school,
// gakunen and seinen are objects with a member for each school cohort,
// april2ToDecember31 and january1ToApril1.
std::string lifeProfileJson(const LifeProfile& profile);

// Why a life cannot be shown, in words for a message.
std::string_view lifeErrorMessage(LifeError error);

} // namespace erakon
