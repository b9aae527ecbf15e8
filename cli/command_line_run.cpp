// SPDX-License-Identifier: MIT
#include "cli/command_line_run.h"

#include "cli/command_options.h"
#include "cli/conversion_output.h"
#include "cli/json_text.h"
#include "cli/life_output.h"
#include "core/ini_profile.h"
#include "core/modern_eras.h"
#include "core/table_line.h"
#include "core/terminal_text.h"
#include "core/user_era_settings.h"
#include "core/version_text.h"

#include <memory>
#include <utility>

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

// The table of eras in force; each problem of the era files is named once.
EraTable erasInForce(const CommandContext& context, CommandResult& result, std::string_view programName)
{
    EraTable table = context.readEras ? context.readEras() : EraTable();
    for (const EraFileProblem& problem : table.problems())
        result.err += std::string(programName) + ": " + visibleText(problem.text()) + "\n";
    return table;
}

// 2019-05-01; a lunisolar day as 1688-09-30 (旧暦), its leap month as 閏.
std::string firstDayText(const HistoricalEra& era)
{
    const auto padded = [](int value) { return (value < 10 ? "0" : "") + std::to_string(value); };
    const EraDay& day = era.firstDay;
    std::string text = std::to_string(day.year) + "-" + (day.leapMonth ? "閏" : "") + padded(day.month) + "-"
        + (day.day == 0 ? "??" : padded(day.day));
    if (era.calendar == EraCalendar::Lunisolar)
        text += " (旧暦)";
    return text;
}

// One era a line, from the first: name, reading, romanised name, initial,
// first day, and where the row came from; 北朝 and 私年号 marked.
std::string eraList(const EraTable& table)
{
    std::string text;
    for (const HistoricalEra& era : table.eras()) {
        text.append(era.name).append("\t").append(era.reading).append("\t").append(era.romanised).append("\t");
        text += era.initial == '\0' ? '-' : era.initial;
        text.append("\t").append(firstDayText(era)).append("\t").append(visibleText(table.sourceOf(era)));
        if (era.standing == EraStanding::NorthernCourt)
            text += "\t北朝";
        else if (era.standing == EraStanding::Unofficial)
            text += "\t私年号";
        text += "\n";
    }
    return text;
}

void convert(const CommandOptions& options, const CommandContext& context, CommandResult& result,
             std::string_view programName)
{
    const EraTable eraTable = erasInForce(context, result, programName);
    const std::span<const HistoricalEra> eras = eraTable.eras();
    const std::optional<UserEra> userEra = userEraOfTheSettings(options, context, result, programName);
    const UserEra* era = userEra ? &*userEra : nullptr;
    const std::chrono::year_month_day today = context.clock.today();

    const auto print = [&](std::string_view input, const YearQuery& query, std::size_t readings = 1) {
        const YearDescription description = describeYear(query, era, today, eras);
        if (options.json) {
            result.out += conversionJson(input, description, readings) + "\n";
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
        const QueryResult query = parseYearQuery(input, era, eras);
        if (query) {
            // Where the text fits several eras, every reading, the first one first.
            const std::size_t readings = 1 + query.otherReadings.size();
            print(input, *query.query, readings);
            for (const YearQuery& other : query.otherReadings)
                print(input, other, readings);
            continue;
        }
        result.status = kBadInputStatus;
        result.err += std::string(programName) + ": " + quotedText(input) + ": "
            + std::string(queryErrorText(query.error)) + "\n";
        if (options.json)
            result.out += errorJson(input, query.error) + "\n";
    }
}

// The life of a birth date or year, counted on the as-of date (today unless
// given). The user era reads as it does for a conversion.
void printLife(const CommandOptions& options, const CommandContext& context, CommandResult& result,
               std::string_view programName)
{
    const std::optional<UserEra> userEra = userEraOfTheSettings(options, context, result, programName);
    const UserEra* era = userEra ? &*userEra : nullptr;
    const auto fail = [&](std::string_view input, std::string_view reason) {
        result.status = kBadInputStatus;
        result.err += std::string(programName) + ": " + quotedText(input) + ": " + std::string(reason) + "\n";
        if (options.json)
            result.out += JsonObject().add("input", input).add("error", reason).text() + "\n";
    };

    const ModernEras eras(std::make_shared<const EraTable>(erasInForce(context, result, programName)));
    const QueryResult birth = parseYearQuery(options.lifeBirth, era, eras.everyEra());
    if (!birth) {
        fail(options.lifeBirth, queryErrorText(birth.error));
        return;
    }
    std::chrono::year_month_day asOf = context.clock.today();
    if (options.asOf) {
        const QueryResult day = parseYearQuery(*options.asOf, era, eras.everyEra());
        if (!day) {
            fail(*options.asOf, queryErrorText(day.error));
            return;
        }
        if (!day.query->date) {
            fail(*options.asOf, "the as-of date needs a month and a day");
            return;
        }
        asOf = *day.query->date;
    }
    const LifeResult life = lifeProfile({lifeBirthOf(*birth.query), asOf, options.female ? Sex::Female : Sex::Male});
    if (!life) {
        fail(options.lifeBirth, lifeErrorMessage(life.error));
        return;
    }
    result.out += options.json ? lifeProfileJson(*life.profile) + "\n" : lifeProfileText(*life.profile, eras.all());
}

// As the window's year table: to the 99th year of the latest era in force.
std::string yearTable(EraTable eraTable, bool showEto, int currentYear)
{
    const ModernEras eras(std::make_shared<const EraTable>(std::move(eraTable)));
    std::string text;
    for (const std::string& line :
         YearTableLines(eras.firstTableYear(), eras.lastTableYear(), currentYear, showEto, eras.all())) {
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
    case CommandOptions::Action::PrintEras: result.out = eraList(erasInForce(context, result, programName)); break;
    case CommandOptions::Action::PrintTable:
        result.out = yearTable(erasInForce(context, result, programName), options.eto, context.clock.currentYear());
        break;
    case CommandOptions::Action::Convert: convert(options, context, result, programName); break;
    case CommandOptions::Action::PrintLife: printLife(options, context, result, programName); break;
    case CommandOptions::Action::Fail:
        result.status = kBadInputStatus;
        result.err = refusalText(programName, options.error);
        break;
    }
    return result;
}

} // namespace erakon
