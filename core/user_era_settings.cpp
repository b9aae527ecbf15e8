// SPDX-License-Identifier: MIT
#include "core/user_era_settings.h"

#include "core/ini_profile.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace erakon {

UserEraSettings readUserEraSettings(const IniProfile& profile)
{
    UserEraSettings settings;
    settings.shown = profile.readBool(kOptionSectionName, kAddItemKeyName, settings.shown);
    if (const std::optional<std::string_view> name = profile.find(kOptionSectionName, kAddNameKeyName)) {
        settings.name.clear();
        std::copy_if(name->begin(), name->end(), std::back_inserter(settings.name), [](char c) {
            const auto byte = static_cast<unsigned char>(c);
            return byte >= 32 && byte != 127;
        });
    }
    settings.origin = std::clamp(profile.readInteger(kOptionSectionName, kAddYearKeyName, settings.origin),
                                 kUserEraOriginMin, kUserEraOriginMax);
    return settings;
}

std::optional<UserEra> shownUserEra(const IniProfile& profile)
{
    UserEraSettings settings = readUserEraSettings(profile);
    if (!settings.shown)
        return std::nullopt;
    return UserEra{std::move(settings.name), settings.origin};
}

} // namespace erakon
