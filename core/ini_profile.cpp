// SPDX-License-Identifier: MIT
#include "core/ini_profile.h"

#include "core/text_decoding.h"
#include "core/utf8.h"

#include <algorithm>
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

// Calls onLine(line, offset) for every non-empty, non-comment line from
// `from` on, trimmed, until it returns false; offset is where the trimmed line
// starts in text.
template <typename OnLine>
void forEachContentLine(std::string_view text, std::size_t from, OnLine&& onLine)
{
    std::size_t start = from;
    while (start < text.size()) {
        const std::size_t end = lineEndFrom(text, start);
        const std::string_view raw = text.substr(start, end - start);
        const std::string_view line = trim(raw);
        if (!line.empty() && line.front() != ';' && !onLine(line, start + std::size_t(line.data() - raw.data())))
            return;
        start = end + 1; // a CR LF gives an empty line between, which is skipped
    }
}

// How many CR and LF the text holds from the position on: more than the lines.
std::size_t lineEndsFrom(std::string_view text, std::size_t from)
{
    std::size_t ends = 0;
    for (const char c : text.substr(from))
        ends += std::size_t(c == '\n') + std::size_t(c == '\r'); // one pass, which the compiler vectorises
    return ends;
}

// The trimmed line that starts at the position.
std::string_view lineAt(std::string_view text, std::size_t position)
{
    return trimRight(text.substr(position, lineEndFrom(text, position) - position));
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

// The name of the key line at the position.
std::string_view keyNameAt(std::string_view text, IniNameIndex::Position position)
{
    const std::string_view line = lineAt(text, position);
    return trimRight(line.substr(0, line.find('=')));
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
        bytes.clear();
        bytes.shrink_to_fit(); // the file's bytes go before the index is made
        profile.m_text = std::move(*decoding.converted);
    } else {
        profile.m_text = std::move(bytes);
        profile.m_textStart = decoding.markLength;
    }
    profile.indexSections();
    return profile;
}

std::string_view IniProfile::sectionNameAt(std::string_view text, Position position)
{
    return trim(sectionName(lineAt(text, position)).value_or(std::string_view()));
}

void IniProfile::indexSections()
{
    // Positions are 32 bits: far more than the largest settings file decodes to.
    if (m_text.size() > IniNameIndex::kLongestText)
        m_text.resize(IniNameIndex::kLongestText);
    m_sections.reserve(lineEndsFrom(text(), m_textStart) + 1);
    forEachContentLine(text(), m_textStart, [&](std::string_view line, std::size_t offset) {
        if (const std::optional<std::string_view> name = sectionName(line))
            m_sections.add(trim(*name), Position(offset));
        return true;
    });
    m_sections.sort();
}

const IniNameIndex& IniProfile::keysOfSection(Position header) const
{
    for (const auto& [position, keys] : m_sectionKeys) {
        if (position == header)
            return keys;
    }
    // The section's lines run from its header's end to the next section line.
    const std::size_t bodyStart = header + lineAt(text(), header).size();
    IniNameIndex keys(keyNameAt);
    keys.reserve(lineEndsFrom(text(), bodyStart) + 1);
    forEachContentLine(text(), bodyStart, [&](std::string_view line, std::size_t offset) {
        if (sectionName(line))
            return false;
        keys.add(trimRight(line.substr(0, line.find('='))), Position(offset));
        return true;
    });
    keys.sort();
    return m_sectionKeys.emplace_back(header, std::move(keys)).second;
}

std::optional<std::string_view> IniProfile::find(std::string_view section, std::string_view key) const
{
    const std::optional<Position> header = m_sections.find(text(), trim(section));
    if (!header)
        return std::nullopt;
    const std::optional<Position> keyLine = keysOfSection(*header).find(text(), trim(key));
    if (!keyLine)
        return std::nullopt;
    const std::string_view line = lineAt(text(), *keyLine);
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos)
        return std::nullopt; // a key line without "=" hides later keys of its name
    return limitedValue(withoutMatchingQuotes(trimLeft(line.substr(equals + 1))));
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
