// SPDX-License-Identifier: MIT
#include "cli/command_line_run.h"

#include "cli/command_options.h"
#include "cli/conversion_output.h"
#include "core/ini_profile.h"
#include "core/table_line.h"
#include "core/terminal_text.h"
#include "core/user_era_settings.h"
#include "core/version_text.h"

namespace erakon {

namespace {

// The user era as the settings show it, or nothing when they do not. A file
// that is there but cannot be read is named once, with the reason, and the
// conversion goes on without it as the window's start would.
std::optional<UserEra> userEraOfTheSettings(const CommandOptions& options, const CommandContext& context,
                                            CommandResult& result, std::string_view programName)
{
    if (options.ignoreSettings || !context.readSettingsFile)
        return std::nullopt;
    SettingsFileContent file = context.readSettingsFile();
    if (file.outcome == SettingsFileContent::Outcome::Unreadable)
        result.err += std::string(programName) + ": cannot read the settings file " + quotedText(file.path) + ": "
            + visibleText(file.reason) + "\n";
    if (file.outcome != SettingsFileContent::Outcome::Read)
        return std::nullopt;
    return shownUserEra(IniProfile::fromBytes(std::move(file.bytes)));
}

void convert(const CommandOptions& options, const CommandContext& context, CommandResult& result,
             std::string_view programName)
{
    const std::optional<UserEra> userEra = userEraOfTheSettings(options, context, result, programName);
    const UserEra* era = userEra ? &*userEra : nullptr;
    const std::chrono::year_month_day today = context.clock.today();

    const auto print = [&](std::string_view input, const YearQuery& query) {
        const YearDescription description = describeYear(query, era, today);
        if (options.json) {
            result.out += conversionJson(input, description) + "\n";
        } else {
            if (!result.out.empty())
                result.out += "\n";
            result.out += conversionText(description);
        }
    };

    if (options.years.empty()) {
        const std::string thisYear = std::to_string(int(today.year()));
        print(thisYear, westernYearQuery(int(today.year())));
        return;
    }
    for (const std::string_view input : options.years) {
        const QueryResult query = parseYearQuery(input, era);
        if (query) {
            print(input, *query.query);
            continue;
        }
        result.status = kBadInputStatus;
        result.err += std::string(programName) + ": " + quotedText(input) + ": "
            + std::string(queryErrorText(query.error)) + "\n";
        if (options.json)
            result.out += errorJson(input, query.error) + "\n";
    }
}

std::string yearTable(bool showEto, int currentYear)
{
    std::string text;
    for (const std::string& line : YearTableLines(kYearTableFirstYear, kYearTableLastYear, currentYear, showEto)) {
        text += line;
        text += '\n';
    }
    return text;
}

} // namespace

CommandResult runCommandLine(std::span<const char* const> arguments, std::string_view programName,
                             const CommandContext& context)
{
    const CommandOptions options = parseCommandOptions(arguments);
    CommandResult result;
    switch (options.action) {
    case CommandOptions::Action::PrintHelp: result.out = commandHelpText(programName); break;
    case CommandOptions::Action::PrintVersion: result.out = versionText(programName); break;
    case CommandOptions::Action::PrintTable: result.out = yearTable(options.eto, context.clock.currentYear()); break;
    case CommandOptions::Action::Convert: convert(options, context, result, programName); break;
    case CommandOptions::Action::Fail:
        result.status = kBadInputStatus;
        result.err = refusalText(programName, options.error);
        break;
    }
    return result;
}

} // namespace erakon
