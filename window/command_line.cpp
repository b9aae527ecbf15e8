// SPDX-License-Identifier: MIT
#include "window/command_line.h"

#include "core/era_table.h"
#include "core/settings_location.h"
#include "core/terminal_text.h"
#include "core/version.h"
#include "core/version_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <ostream>

namespace erakon {
namespace {

using namespace std::string_view_literals;

// Options that Qt and its X11 platform plugin read from the command line
// themselves; Qt takes them with one dash or two. The session manager
// restarts a program with -session, so they must not be refused.
constexpr std::array kQtOptionsWithValue = {
    "platform"sv,
    "platformpluginpath"sv,
    "platformtheme"sv,
    "plugin"sv,
    "qwindowgeometry"sv,
    "geometry"sv,
    "qwindowtitle"sv,
    "title"sv,
    "qwindowicon"sv,
    "icon"sv,
    "session"sv,
    "display"sv,
    "name"sv,
    "visual"sv,
    "style"sv,
    "stylesheet"sv,
};
constexpr std::array kQtFlags = {
    "reverse"sv, "widgetcount"sv, "testability"sv, "sync"sv, "nograb"sv, "dograb"sv,
};
// Qt reads these only in the form -option=value.
constexpr std::array kQtOptionsWithJoinedValueOnly = {"qmljsdebugger"sv};

template <std::size_t N>
bool contains(const std::array<std::string_view, N>& names, std::string_view name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

std::optional<int> parseYear(std::string_view text)
{
    if (text.starts_with('+'))
        text.remove_prefix(1);
    int year = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), year);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    if (year < kMinYear || year > kMaxYear)
        return std::nullopt;
    return year;
}

CommandLine failure(const std::string& message) { return refusal<CommandLine>(message); }

} // namespace

CommandLine parseCommandLine(std::span<const char* const> arguments)
{
    CommandLine result;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i] ? arguments[i] : "";
        if (argument == "--") {
            // Options end here, and the program takes no operands.
            if (i + 1 < arguments.size())
                return failure("extra operand " + quotedText(arguments[i + 1]));
            break;
        }
        if (!argument.starts_with('-') || argument == "-")
            return failure("extra operand " + quotedText(argument));

        const bool longForm = argument.starts_with("--");
        const std::string_view option = argument.substr(longForm ? 2 : 1);
        const std::size_t equals = option.find('=');
        const std::string_view name = option.substr(0, equals);
        const std::optional<std::string_view> joinedValue = equals == std::string_view::npos
            ? std::nullopt
            : std::optional(option.substr(equals + 1));
        const std::string spelled = std::string(longForm ? "--" : "-") + std::string(name);

        // The value of an option that takes one: after "=" or the next argument.
        const auto takeValue = [&]() -> std::optional<std::string_view> {
            if (joinedValue)
                return joinedValue;
            if (i + 1 < arguments.size() && arguments[i + 1])
                return std::string_view(arguments[++i]);
            return std::nullopt;
        };

        if (longForm && (name == "help" || name == "version")) {
            if (joinedValue)
                return failure("option " + quotedText(spelled) + " doesn't allow an argument");
            result.action = name == "help" ? CommandLine::Action::PrintHelp : CommandLine::Action::PrintVersion;
            return result;
        }
        if (longForm && name == "year") {
            const std::optional<std::string_view> value = takeValue();
            if (!value)
                return failure("option '--year' requires an argument");
            const std::optional<int> year = parseYear(*value);
            if (!year) {
                return failure("invalid year " + quotedText(*value) + " (a whole number from "
                               + std::to_string(kMinYear) + " to " + std::to_string(kMaxYear) + ")");
            }
            result.year = year;
            continue;
        }
        if (contains(kQtOptionsWithValue, name)) {
            if (!takeValue())
                return failure("option " + quotedText(spelled) + " requires an argument");
            continue;
        }
        if (contains(kQtFlags, name) && !joinedValue)
            continue;
        if (contains(kQtOptionsWithJoinedValueOnly, name) && joinedValue)
            continue;
        return failure("unrecognized option " + quotedText(argument));
    }
    return result;
}

CommandLine parseCommandLine(int argc, const char* const* argv)
{
    if (argc <= 1 || !argv)
        return {};
    return parseCommandLine(std::span(argv + 1, static_cast<std::size_t>(argc - 1)));
}

std::string helpText(std::string_view programName)
{
    const std::string name(programName);
    const std::string program(kProgramName);
    const std::string settingsFile = settingsFileBelowConfigHome(program);
    return "Usage: " + name
        + " [OPTION]...\n"
          "Convert years between the Western calendar and the Japanese eras (Meiji,\n"
          "Taisho, Showa, Heisei, Reiwa and one era of your own) in a desktop window.\n"
          "\n"
          "      --year=YEAR  start with YEAR in the Western year box instead of the\n"
          "                     current year (a whole number from "
        + std::to_string(kMinYear) + " to " + std::to_string(kMaxYear)
        + ")\n"
          "      --help     display this help and exit\n"
          "      --version  output version information and exit\n"
          "\n"
          "Qt's own options, such as -platform NAME, -style NAME, -display DISPLAY\n"
          "and -session ID, are passed on to Qt.\n"
          "\n"
          "The settings are kept in $XDG_CONFIG_HOME/"
        + settingsFile
        + "\n"
          "(~/.config/"
        + settingsFile
        + " when XDG_CONFIG_HOME is not set).\n"
          "F1 in the window opens the user's manual.\n";
}

std::optional<int> answerCommandLine(const CommandLine& commandLine, std::string_view programName, std::ostream& out,
                                     std::ostream& err)
{
    switch (commandLine.action) {
    case CommandLine::Action::Start: return std::nullopt;
    case CommandLine::Action::PrintHelp: out << helpText(programName) << std::flush; return out ? 0 : 1;
    case CommandLine::Action::PrintVersion: out << versionText(programName) << std::flush; return out ? 0 : 1;
    case CommandLine::Action::Fail: err << refusalText(programName, commandLine.error) << std::flush; return 2;
    }
    return 2;
}

} // namespace erakon
