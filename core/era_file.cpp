// SPDX-License-Identifier: MIT
#include "core/era_file.h"

#include "core/historical_era_list.h"
#include "core/settings_location.h"
#include "core/utf8.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>

namespace erakon {

namespace {

// A file of eras is a few lines; anything larger is not one.
constexpr std::uintmax_t kLargestEraFile = 64 * 1024;

constexpr std::string_view kDefaultConfigDir = "/etc/xdg";

std::string dayText(const EraDay& day)
{
    const auto padded = [](int value, std::size_t width) {
        std::string digits = std::to_string(value);
        if (digits.size() < width)
            digits.insert(0, width - digits.size(), '0');
        return digits;
    };
    return padded(day.year, 4) + "-" + padded(day.month, 2) + "-" + padded(day.day, 2);
}

std::vector<std::string_view> fieldsOf(std::string_view line)
{
    std::vector<std::string_view> fields;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
            ++i;
        const std::size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t')
            ++i;
        if (i > start)
            fields.push_back(line.substr(start, i - start));
    }
    return fields;
}

bool isAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

char upper(char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; }

bool equalNoCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size()
        && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return upper(x) == upper(y); });
}

// Every character of the text is a hiragana letter (or ー, which readings use).
bool isHiragana(std::string_view text)
{
    while (!text.empty()) {
        const std::size_t length = utf8CharacterLength(text);
        if (length == 0)
            return false;
        const char32_t c = decodeUtf8Character(text, length);
        if (!((c >= U'\u3041' && c <= U'\u3096') || c == U'\u30FC'))
            return false;
        text.remove_prefix(length);
    }
    return true;
}

std::optional<EraDay> isoDay(std::string_view text)
{
    int year = 0;
    int month = 0;
    int day = 0;
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    const auto number = [](std::string_view digits, int& value) {
        const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
        return error == std::errc() && end == digits.data() + digits.size();
    };
    if (!number(text.substr(0, 4), year) || !number(text.substr(5, 2), month) || !number(text.substr(8, 2), day))
        return std::nullopt;
    const std::chrono::year_month_day date{std::chrono::year{year}, std::chrono::month{unsigned(month)},
                                           std::chrono::day{unsigned(day)}};
    if (!date.ok())
        return std::nullopt;
    return EraDay{year, month, false, day};
}

} // namespace

struct EraTable::AddedEra {
    std::string name;
    std::string reading;
    std::string romanised;
    std::string source;
};

std::string administratorEraFilePath(std::string_view configDirs, std::string_view executablePath)
{
    std::string_view folder = kDefaultConfigDir;
    while (!configDirs.empty()) {
        const std::size_t colon = configDirs.find(':');
        const std::string_view entry = configDirs.substr(0, colon);
        if (entry.starts_with('/')) {
            folder = entry;
            break;
        }
        configDirs = colon == std::string_view::npos ? std::string_view() : configDirs.substr(colon + 1);
    }
    // The same folders below it as the settings file below the user's.
    const std::string settings = userSettingsPath(folder, executablePath);
    return userEraFilePath(settings);
}

std::string userEraFilePath(std::string_view settingsFilePath)
{
    if (settingsFilePath.empty())
        return {};
    const std::size_t slash = settingsFilePath.rfind('/');
    const std::string_view folder = slash == std::string_view::npos ? std::string_view()
                                                                    : settingsFilePath.substr(0, slash + 1);
    return std::string(folder) + std::string(kEraFileName);
}

std::vector<std::string> eraFilePaths(std::string_view configDirs, std::string_view configHome,
                                      std::string_view executablePath)
{
    return {administratorEraFilePath(configDirs, executablePath),
            userEraFilePath(userSettingsPath(configHome, executablePath))};
}

std::string EraFileProblem::text() const { return path + ":" + std::to_string(line) + ": " + what; }

EraTable::EraTable()
    : m_eras(kHistoricalEras.begin(), kHistoricalEras.end())
{}

EraTable::~EraTable() = default;
EraTable::EraTable(EraTable&&) noexcept = default;
EraTable& EraTable::operator=(EraTable&&) noexcept = default;

std::span<const HistoricalEra> EraTable::addedEras() const
{
    return std::span<const HistoricalEra>(m_eras).subspan(kHistoricalEras.size());
}

std::string EraTable::sourceOf(const HistoricalEra& era) const
{
    const std::span<const HistoricalEra> added = addedEras();
    for (std::size_t i = 0; i < added.size(); ++i) {
        if (&added[i] == &era)
            return m_added[i]->source;
    }
    return "built-in";
}

void EraTable::addFile(std::string_view path, std::string_view text)
{
    int lineNumber = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        ++lineNumber;
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        if (lineNumber == 1 && line.starts_with("\xEF\xBB\xBF"))
            line.remove_prefix(3);
        const auto problem = [&](std::string what) {
            m_problems.push_back({std::string(path), lineNumber, std::move(what)});
        };

        const std::vector<std::string_view> fields = fieldsOf(line);
        if (fields.empty() || fields.front().starts_with('#'))
            continue;
        if (!isValidUtf8(line)) {
            problem("not UTF-8 text");
            continue;
        }
        if (fields.size() != 5) {
            problem("expected five fields (name, reading, romanised name, initial, first day), found "
                    + std::to_string(fields.size()));
            continue;
        }
        const std::string_view name = fields[0];
        const std::string_view reading = fields[1];
        const std::string_view romanised = fields[2];
        const std::string_view initial = fields[3];
        if (std::any_of(name.begin(), name.end(), [](char c) { return (unsigned char)c < 0x80; })) {
            problem("the name '" + std::string(name) + "' holds Latin letters, digits or signs");
            continue;
        }
        if (!isHiragana(reading)) {
            problem("the reading '" + std::string(reading) + "' is not written in hiragana");
            continue;
        }
        if (romanised.size() < 2 || !isAsciiLetter(romanised.front())
            || !std::all_of(romanised.begin(), romanised.end(),
                            [](char c) { return isAsciiLetter(c) || c == '-' || c == '\''; })) {
            problem("the romanised name '" + std::string(romanised) + "' is not written in Latin letters");
            continue;
        }
        if (initial != "-" && (initial.size() != 1 || !isAsciiLetter(initial.front()))) {
            problem("the initial '" + std::string(initial) + "' is not one Latin letter or '-'");
            continue;
        }
        const std::optional<EraDay> firstDay = isoDay(fields[4]);
        if (!firstDay) {
            problem("the first day '" + std::string(fields[4]) + "' is not a date written YYYY-MM-DD");
            continue;
        }
        const HistoricalEra& last = m_eras.back();
        if (!(*firstDay > last.firstDay)) {
            problem("the era " + std::string(name) + " begins on " + dayText(*firstDay)
                    + ", not after the last known era, " + std::string(last.name) + " (" + dayText(last.firstDay)
                    + ")");
            continue;
        }
        const char initialLetter = initial == "-" ? '\0' : upper(initial.front());
        // The latest era that clashes: 昭和 rather than 正和 for Showa.
        const auto clash = std::find_if(m_eras.rbegin(), m_eras.rend(), [&](const HistoricalEra& era) {
            return era.name == name || equalNoCase(era.plainRomanised, romanised)
                || (initialLetter != '\0' && era.initial == initialLetter);
        });
        if (clash != m_eras.rend()) {
            const std::string what = clash->name == name                   ? "name"
                : initialLetter != '\0' && clash->initial == initialLetter ? "initial"
                                                                           : "romanised name";
            problem("the era " + std::string(name) + " has the " + what + " of " + std::string(clash->name));
            continue;
        }

        auto added = std::make_unique<AddedEra>(AddedEra{std::string(name), std::string(reading),
                                                         std::string(romanised),
                                                         std::string(path) + ":" + std::to_string(lineNumber)});
        m_eras.push_back({added->name, added->reading, added->romanised, added->romanised, initialLetter,
                          EraCalendar::Gregorian, *firstDay, EraCourt::Both, EraStanding::Official, *firstDay, 0});
        m_added.push_back(std::move(added));
    }
}

EraTable readEraTable(std::span<const std::string> paths)
{
    EraTable table;
    for (const std::string& path : paths) {
        if (path.empty())
            continue;
        std::error_code error;
        const std::filesystem::file_status status = std::filesystem::status(path, error);
        if (error || status.type() == std::filesystem::file_type::not_found)
            continue;
        // Never opened: a folder, a FIFO or a device in the file's place.
        const std::uintmax_t size = std::filesystem::file_size(path, error);
        if (status.type() != std::filesystem::file_type::regular || error || size > kLargestEraFile) {
            table.addProblem({path, 0, "not a regular file of at most 64 KiB; left out"});
            continue;
        }
        std::ifstream file(path, std::ios::binary);
        const std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
        if (!file && !file.eof()) {
            table.addProblem({path, 0, "cannot be read; left out"});
            continue;
        }
        table.addFile(path, text);
    }
    return table;
}

} // namespace erakon
