// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace erakon {

// What --version prints, in the GNU form: the program's name and version,
// the copyright and the licence.
std::string versionText(std::string_view programName);

} // namespace erakon
