// SPDX-License-Identifier: MIT
#pragma once

// The program's own command line, read before anything of the toolkit
// exists: --help and --version answer in the terminal, without a display and
// without reading or writing the settings.

#include <iosfwd>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace erakon {

struct CommandLine {
    enum class Action { Start, PrintHelp, PrintVersion, Fail };

    Action action = Action::Start;
    // The year the window starts at (--year), instead of the current year.
    std::optional<int> year;
    // Why the command line was refused (Action::Fail).
    std::string error;
};

// Reads the arguments after the program's name, left to right as getopt does:
// the first --help or --version decides, as does the first fault. Qt's own
// options (-platform, -style, -session and the rest) are left for Qt.
CommandLine parseCommandLine(std::span<const char* const> arguments);
CommandLine parseCommandLine(int argc, const char* const* argv);

std::string helpText(std::string_view programName);

// Prints what the command line asks for: the help or the version on out, a
// fault on err. Gives the exit status, or nothing when the program starts.
std::optional<int> answerCommandLine(const CommandLine& commandLine, std::string_view programName, std::ostream& out,
                                     std::ostream& err);

} // namespace erakon
