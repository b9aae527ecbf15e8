// SPDX-License-Identifier: MIT
#pragma once

#include "core/era_table.h"
#include "core/year_query.h"

#include <optional>
#include <string>
#include <string_view>

namespace erakon {

class IniProfile;

// The era of the user's own as the settings file keeps it: section OPTION,
// keys AddItem (shown or not), AddName and AddYear (its first year).
inline constexpr std::string_view kOptionSectionName = "OPTION";
inline constexpr std::string_view kAddItemKeyName = "AddItem";
inline constexpr std::string_view kAddNameKeyName = "AddName";
inline constexpr std::string_view kAddYearKeyName = "AddYear";

// The first years the origin box holds.
inline constexpr int kUserEraOriginMin = 0;
inline constexpr int kUserEraOriginMax = kMaxYear;

struct UserEraSettings {
    bool shown = false;
    std::string name = std::string(kDefaultUserEraName); // may be empty
    int origin = kDefaultUserEraOrigin; // kUserEraOriginMin..kUserEraOriginMax

    friend bool operator==(const UserEraSettings&, const UserEraSettings&) = default;
};

// Read as the window takes the values into its controls: AddItem a boolean,
// AddName with its control characters taken out (an empty value stays
// empty), AddYear limited to the origin box's range; a missing key or a value
// that is no integer gives the default.
UserEraSettings readUserEraSettings(const IniProfile& profile);

// The user era the conversions take, as the settings show it: nothing when
// AddItem is off.
std::optional<UserEra> shownUserEra(const IniProfile& profile);

} // namespace erakon
