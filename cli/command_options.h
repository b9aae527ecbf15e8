// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace erakon {

// The command line of erakon-cli, read GNU style: options and years in any
// order, "--" ends the options, the first --help or --version decides. An
// option that takes a value has it after "=" or as the next argument.
struct CommandOptions {
    enum class Action { Convert, PrintTable, PrintLife, PrintEras, PrintHelp, PrintVersion, Fail };

    Action action = Action::Convert;
    bool json = false; // one JSON object per year
    bool eto = false; // the table's zodiac column
    bool ignoreSettings = false; // --no-settings
    std::vector<std::string_view> years; // as typed, in order
    // --life: the birth date or year, the day the ages are counted on (none:
    // today), and whose 厄年 are listed.
    std::string_view lifeBirth;
    std::optional<std::string_view> asOf;
    bool female = false;
    std::string error; // why the command line was refused (Action::Fail)
};

CommandOptions parseCommandOptions(std::span<const char* const> arguments);

std::string commandHelpText(std::string_view programName);

} // namespace erakon
