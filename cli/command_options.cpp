// SPDX-License-Identifier: MIT
#include "cli/command_options.h"

#include "core/settings_location.h"
#include "core/terminal_text.h"
#include "core/version.h"

namespace erakon {

namespace {

CommandOptions failure(std::string message) { return refusal<CommandOptions>(std::move(message)); }

} // namespace

CommandOptions parseCommandOptions(std::span<const char* const> arguments)
{
    CommandOptions options;
    bool table = false;
    bool optionsEnded = false;
    for (const char* const raw : arguments) {
        const std::string_view argument = raw ? raw : "";
        if (optionsEnded || !argument.starts_with('-') || argument == "-") {
            options.years.push_back(argument);
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        const std::size_t equals = argument.find('=');
        const std::string_view name = argument.substr(0, equals);
        const bool hasValue = equals != std::string_view::npos;
        const bool known = name == "--help" || name == "--version" || name == "--json" || name == "--table"
            || name == "--eto" || name == "--no-settings";
        if (!known)
            return failure("unrecognized option " + quotedText(argument));
        if (hasValue)
            return failure("option " + quotedText(name) + " doesn't allow an argument");
        if (name == "--help" || name == "--version") {
            options.action = name == "--help" ? CommandOptions::Action::PrintHelp
                                              : CommandOptions::Action::PrintVersion;
            return options;
        }
        options.json |= name == "--json";
        table |= name == "--table";
        options.eto |= name == "--eto";
        options.ignoreSettings |= name == "--no-settings";
    }
    if (table) {
        if (!options.years.empty())
            return failure("'--table' takes no years, but was given " + quotedText(options.years.front()));
        if (options.json)
            return failure("'--table' and '--json' do not go together");
        options.action = CommandOptions::Action::PrintTable;
    } else if (options.eto) {
        return failure("'--eto' goes with '--table' only");
    }
    return options;
}

std::string commandHelpText(std::string_view programName)
{
    const std::string name(programName);
    const std::string program(kProgramName);
    const std::string settingsFile = settingsFileBelowConfigHome(program);
    return "Usage: " + name + " [OPTION]... [YEAR]...\n" + "   or: " + name
        + " --table [--eto]\n"
          "Convert years between the Western calendar and the Japanese eras (Meiji,\n"
          "Taisho, Showa, Heisei, Reiwa and one era of your own), without a window.\n"
          "With no YEAR, convert the current year.\n"
          "\n"
          "A YEAR may be written as\n"
          "  a Western year  1989, 1989年, １９８９\n"
          "  an era year     令和5, 令和5年, 令和元年, 平成31, R5, H31, S64, T1, M45\n"
          "  a date          1989-01-07, 1989/1/8, 昭和64年1月7日, 平成元年1月8日\n"
          "A date gives the era of that very day; an era year past its era's end is\n"
          "worked out all the same, with a note.\n"
          "\n"
          "      --json         print one JSON object per line for each YEAR\n"
          "      --table        print the quick-reference table, 明治元年 to 令和99年\n"
          "      --eto          with --table: add the zodiac column\n"
          "      --no-settings  ignore the settings file (the user-defined era)\n"
          "      --help         display this help and exit\n"
          "      --version      output version information and exit\n"
          "\n"
          "The user-defined era is shown when the window's settings show it. They are\n"
          "read from $XDG_CONFIG_HOME/"
        + settingsFile
        + ", where XDG_CONFIG_HOME\n"
          "defaults to ~/.config, else from "
        + program
        + ".ini beside the program.\n"
          "\n"
          "Exit status: 0 if every YEAR was converted, 1 if the output could not be\n"
          "written, 2 if a YEAR or an option could not be read.\n";
}

} // namespace erakon
