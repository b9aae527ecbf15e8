// SPDX-License-Identifier: MIT
#include "cli/command_options.h"

#include "core/settings_location.h"
#include "core/terminal_text.h"
#include "core/version.h"

namespace erakon {

namespace {

CommandOptions failure(const std::string& message) { return refusal<CommandOptions>(message); }

} // namespace

CommandOptions parseCommandOptions(std::span<const char* const> arguments)
{
    CommandOptions options;
    bool table = false;
    bool life = false;
    bool eras = false;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i] ? arguments[i] : "";
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
        const bool takesValue = name == "--life" || name == "--as-of";
        const bool known = takesValue || name == "--help" || name == "--version" || name == "--json"
            || name == "--table" || name == "--eto" || name == "--no-settings" || name == "--female"
            || name == "--eras";
        if (!known)
            return failure("unrecognized option " + quotedText(argument));
        if (hasValue && !takesValue)
            return failure("option " + quotedText(name) + " doesn't allow an argument");
        if (name == "--help" || name == "--version") {
            options.action = name == "--help" ? CommandOptions::Action::PrintHelp
                                              : CommandOptions::Action::PrintVersion;
            return options;
        }
        if (takesValue) {
            std::string_view value;
            if (hasValue) {
                value = argument.substr(equals + 1);
            } else if (i + 1 < arguments.size() && arguments[i + 1]) {
                value = arguments[++i];
            } else {
                return failure("option " + quotedText(name) + " requires an argument");
            }
            if (name == "--life") {
                if (life)
                    return failure("'--life' takes one birth date or year");
                life = true;
                options.lifeBirth = value;
            } else {
                options.asOf = value;
            }
            continue;
        }
        options.json |= name == "--json";
        table |= name == "--table";
        eras |= name == "--eras";
        options.eto |= name == "--eto";
        options.ignoreSettings |= name == "--no-settings";
        options.female |= name == "--female";
    }
    if (life) {
        if (eras)
            return failure("'--eras' goes with no other option and no years");
        if (table)
            return failure("'--life' and '--table' do not go together");
        if (!options.years.empty())
            return failure("'--life' takes one birth date or year, but was also given "
                           + quotedText(options.years.front()));
        if (options.eto)
            return failure("'--eto' goes with '--table' only");
        options.action = CommandOptions::Action::PrintLife;
        return options;
    }
    if (options.asOf || options.female)
        return failure(std::string(options.asOf ? "'--as-of'" : "'--female'") + " goes with '--life' only");
    if (eras) {
        if (table || options.json || options.eto || !options.years.empty())
            return failure("'--eras' goes with no other option and no years");
        options.action = CommandOptions::Action::PrintEras;
        return options;
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
    return "Usage: " + name + " [OPTION]... [YEAR]...\n" + "   or: " + name + " --table [--eto]\n" + "   or: " + name
        + " --life DATE|YEAR [--as-of DATE] [--female] [--json]\n" + "   or: " + name
        + " --eras\n"
          "Convert years between the Western calendar and the Japanese eras (Meiji,\n"
          "Taisho, Showa, Heisei, Reiwa and one era of your own), without a window.\n"
          "With no YEAR, convert the current year.\n"
          "\n"
          "A YEAR may be written as\n"
          "  a Western year  1989, 1989年, １９８９, 千九百八十九年, 二〇二三年\n"
          "  an era year     令和5, 令和元年, 平成31, R5, H31, S64, 昭和六十四年, ㍻31,\n"
          "                  れいわ5, へいせいがんねん, Reiwa 5, heisei gannen,\n"
          "                  元禄15, 天保三年 (any era from 大化 on)\n"
          "  a date          1989-01-07, 1989/1/8, 昭和64年1月7日, H01.01.08, R05.04.01\n"
          "A date gives the era of that very day; an era year before its era's start\n"
          "or past its end is worked out all the same, with a note. A text that fits\n"
          "several eras (しょうわ5: 昭和 and 正和) is converted in each.\n"
          "\n"
          "With --life, print the ages and milestones of a life born on DATE: the age\n"
          "(満年齢 and 数え年) on the as-of date, the school years as a 履歴書 lists them,\n"
          "the 厄年, the 長寿祝い, the day of 成年 and the 干支. A YEAR alone shows both\n"
          "school cohorts: 4月2日〜12月31日 and 1月1日〜4月1日 (早生まれ).\n"
          "\n"
          "      --json         print one JSON object per line for each YEAR (or life)\n"
          "      --table        print the quick-reference table, 明治元年 to 令和99年\n"
          "      --eto          with --table: add the zodiac column\n"
          "      --life=DATE    print the ages and milestones of a birth on DATE or YEAR\n"
          "      --as-of=DATE   with --life: count the ages on DATE instead of today\n"
          "      --female       with --life: list the 厄年 of a woman (default: a man)\n"
          "      --no-settings  ignore the settings file (the user-defined era)\n"
          "      --eras         list the eras in force and where each came from\n"
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
