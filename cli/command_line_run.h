// SPDX-License-Identifier: MIT
#pragma once

#include "cli/settings_source.h"
#include "core/clock.h"
#include "core/era_file.h"

#include <functional>
#include <span>
#include <string>
#include <string_view>

namespace erakon {

// What erakon-cli needs from outside, passed in so that tests can pin it.
struct CommandContext {
    const Clock& clock;
    // The settings file, as the window would find it at start, or why it
    // could not be read. Asked at most once, and only when a year is
    // converted.
    std::function<SettingsFileContent()> readSettingsFile;
    // The table of eras in force, with the eras the era files add; nothing:
    // the built-in table. Asked at most once.
    std::function<EraTable()> readEras;
};

// What a run printed and how it ended.
struct CommandResult {
    int status = 0; // 0, or 2 when a year or an option could not be read
    std::string out;
    std::string err;
};

// Runs erakon-cli with the arguments after its name. Writes nothing anywhere:
// the caller prints what it gives.
CommandResult runCommandLine(std::span<const char* const> arguments, std::string_view programName,
                             const CommandContext& context);

// The exit status of a run whose input could not be read.
inline constexpr int kBadInputStatus = 2;

} // namespace erakon
