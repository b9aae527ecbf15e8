// SPDX-License-Identifier: MIT
#include "core/ini_profile.h"

#include "core/text_decoding.h"
#include "core/utf8.h"

#include <cstdint>
#include <limits>

namespace erakon {

namespace {

constexpr bool isIniBlank(char c) { return static_cast<unsigned char>(c) <= 32; }

std::string_view trimLeft(std::string_view text)
{
    std::size_t first = 0;
    while (first < text.size() && isIniBlank(text[first]))
        ++first;
    return text.substr(first);
}

std::string_view trimRight(std::string_view text)
{
    std::size_t end = text.size();
    while (end > 0 && isIniBlank(text[end - 1]))
        --end;
    return text.substr(0, end);
}

std::string_view trim(std::string_view text) { return trimRight(trimLeft(text)); }

// Calls onLine(line, offset) for every non-empty, non-comment line, trimmed;
// offset is where the trimmed line starts in text.
template <typename OnLine>
void forEachContentLine(std::string_view text, OnLine&& onLine)
{
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = lineEndFrom(text, start);
        const std::string_view raw = text.substr(start, end - start);
        const std::string_view line = trim(raw);
        if (!line.empty() && line.front() != ';')
            onLine(line, start + std::size_t(line.data() - raw.data()));
        start = end + 1; // a CR LF gives an empty line between, which is skipped
    }
}

// A section line is "[name]" with nothing after the "]", the rule the rewrite
// at close follows too. (The Windows reader also takes "[name] text"; the
// rewrite would keep such a line as text inside the section before it, and it
// would then hide the section the program writes anew at every close.)
std::optional<std::string_view> sectionName(std::string_view line)
{
    if (line.size() < 2 || line.front() != '[' || line.back() != ']')
        return std::nullopt;
    return line.substr(1, line.size() - 2);
}

std::string_view withoutMatchingQuotes(std::string_view value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

// At most kProfileValueMaxLength UTF-16 code units, whole characters only.
std::string_view limitedValue(std::string_view value)
{
    if (value.size() <= kProfileValueMaxLength)
        return value; // fewer bytes than units allowed: short enough whatever they hold
    std::size_t units = 0;
    std::size_t i = 0;
    while (i < value.size()) {
        const std::size_t length = std::max<std::size_t>(1, utf8CharacterLength(value.substr(i)));
        const std::size_t characterUnits = length == 4 ? 2 : 1;
        if (units + characterUnits > kProfileValueMaxLength)
            break;
        units += characterUnits;
        i += length;
    }
    return value.substr(0, i);
}

int hexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

std::string foldedIniName(std::string_view name)
{
    name = trim(name);
    std::string folded;
    folded.reserve(name.size());
    for (std::size_t i = 0; i < name.size(); ++i) {
        const char c = name[i];
        if (c >= 'A' && c <= 'Z') {
            folded += char(c - 'A' + 'a');
        } else if (name.substr(i).starts_with("\xC5\xBF")) { // ſ, LATIN SMALL LETTER LONG S
            folded += 's';
            i += 1;
        } else if (name.substr(i).starts_with("\xE2\x84\xAA")) { // K, KELVIN SIGN
            folded += 'k';
            i += 2;
        } else {
            folded += c;
        }
    }
    return folded;
}

IniProfile IniProfile::fromText(std::string text)
{
    IniProfile profile;
    profile.m_text = std::move(text);
    profile.indexSections();
    return profile;
}

IniProfile IniProfile::fromBytes(std::string bytes)
{
    IniProfile profile;
    FileDecoding decoding = decodeFileText(bytes, DecodingPurpose::Reading);
    if (decoding.converted) {
        profile.m_text = std::move(*decoding.converted);
    } else {
        profile.m_text = std::move(bytes);
        profile.m_textStart = decoding.markLength;
    }
    profile.indexSections();
    return profile;
}

void IniProfile::indexSections()
{
    const std::string_view all = std::string_view(m_text).substr(m_textStart);
    Section* current = nullptr;
    forEachContentLine(all, [&](std::string_view line, std::size_t offset) {
        const std::optional<std::string_view> name = sectionName(line);
        if (!name)
            return;
        // The previous section's body ends where this header starts.
        const std::size_t headerStart = m_textStart + offset;
        if (current)
            current->body.size = headerStart - current->body.begin;
        const std::size_t bodyStart = headerStart + line.size();
        const auto [it, added] = m_sections.try_emplace(foldedIniName(*name));
        current = added ? &it->second : nullptr;
        if (current)
            current->body = {bodyStart, m_text.size() - bodyStart};
    });
}

std::optional<std::string_view> IniProfile::find(std::string_view sectionName, std::string_view key) const
{
    const auto sectionIt = m_sections.find(foldedIniName(sectionName));
    if (sectionIt == m_sections.end())
        return std::nullopt;
    const Section& section = sectionIt->second;
    if (!section.keys) {
        auto& keys = section.keys.emplace();
        const std::size_t bodyStart = section.body.begin;
        forEachContentLine(textOf(section.body), [&](std::string_view line, std::size_t offset) {
            const std::size_t equals = line.find('=');
            const auto [it, added] = keys.try_emplace(foldedIniName(line.substr(0, equals)));
            if (!added || equals == std::string_view::npos)
                return;
            const std::string_view value = trimLeft(line.substr(equals + 1));
            it->second = Span{bodyStart + offset + std::size_t(value.data() - line.data()), value.size()};
        });
    }
    const auto keyIt = section.keys->find(foldedIniName(key));
    if (keyIt == section.keys->end() || !keyIt->second)
        return std::nullopt;
    return limitedValue(withoutMatchingQuotes(textOf(*keyIt->second)));
}

std::string IniProfile::readString(std::string_view section, std::string_view key, std::string_view defaultValue) const
{
    return std::string(find(section, key).value_or(defaultValue));
}

int IniProfile::readInteger(std::string_view section, std::string_view key, int defaultValue) const
{
    const std::optional<std::string_view> value = find(section, key);
    if (!value)
        return defaultValue;
    return parseProfileInteger(*value).value_or(defaultValue);
}

bool IniProfile::readBool(std::string_view section, std::string_view key, bool defaultValue) const
{
    return readInteger(section, key, defaultValue ? 1 : 0) != 0;
}

std::optional<int> parseProfileInteger(std::string_view text)
{
    std::size_t i = 0;
    const std::size_t size = text.size();
    while (i < size && isIniBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < size && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    int base = 10;
    if (i < size && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
        base = 16;
        ++i;
    } else if (i + 1 < size && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i == size)
        return std::nullopt;

    // The magnitude may reach 2^31 for the most negative value.
    constexpr std::int64_t kLimit = std::int64_t(std::numeric_limits<int>::max()) + 1;
    std::int64_t magnitude = 0;
    for (; i < size; ++i) {
        const int digit = hexDigitValue(text[i]);
        if (digit < 0 || digit >= base)
            return std::nullopt;
        magnitude = magnitude * base + digit; // [0, 16 * 2^31 + 15]: no overflow
        if (magnitude > kLimit)
            return std::nullopt;
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<int>::max())
        return std::nullopt;
    return int(value);
}

} // namespace erakon
