// SPDX-License-Identifier: MIT
#include "core/ini_name_index.h"

#include <algorithm>

namespace erakon {

namespace {

constexpr std::string_view kLongS = "\xC5\xBF"; // ſ, LATIN SMALL LETTER LONG S
constexpr std::string_view kKelvinSign = "\xE2\x84\xAA"; // K, KELVIN SIGN

// The character of the folded name that starts at i, and where the next starts.
inline char foldedCharAt(std::string_view name, std::size_t& i)
{
    const char c = name[i];
    if (static_cast<unsigned char>(c) < 0x80) {
        ++i;
        return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
    }
    if (name.substr(i).starts_with(kLongS)) {
        i += kLongS.size();
        return 's';
    }
    if (name.substr(i).starts_with(kKelvinSign)) {
        i += kKelvinSign.size();
        return 'k';
    }
    ++i;
    return c;
}

// FNV-1a over the folded name, mixed so that every bit of the result counts.
std::uint64_t foldedHash(std::string_view name)
{
    std::uint64_t hash = 0xCBF29CE484222325ULL;
    for (std::size_t i = 0; i < name.size();) {
        hash ^= static_cast<unsigned char>(foldedCharAt(name, i));
        hash *= 0x100000001B3ULL;
    }
    hash ^= hash >> 33;
    hash *= 0xFF51AFD7ED558CCDULL;
    hash ^= hash >> 33;
    return hash;
}

} // namespace

bool iniNamesMatch(std::string_view a, std::string_view b)
{
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        if (foldedCharAt(a, i) != foldedCharAt(b, j))
            return false;
    }
    return i == a.size() && j == b.size();
}

void IniNameIndex::add(std::string_view trimmedName, Position position)
{
    m_entries.push_back({std::uint32_t(foldedHash(trimmedName)), position});
}

void IniNameIndex::sort()
{
    // Least significant digit first, eleven bits at a time: each pass is
    // stable, so lines of one hash stay in the order of the text.
    constexpr int kDigitBits = 11;
    constexpr std::size_t kDigits = std::size_t(1) << kDigitBits;
    // Three passes: the sorted lines end up in a buffer of their exact size.
    std::vector<Entry> sorted;
    sorted.resize(m_entries.size());
    for (int shift = 0; shift < 32; shift += kDigitBits) {
        std::vector<std::size_t> starts(kDigits + 1, 0);
        const auto digitOf = [shift](const Entry& entry) { return (entry.hash >> shift) & (kDigits - 1); };
        for (const Entry& entry : m_entries)
            ++starts[digitOf(entry) + 1];
        for (std::size_t digit = 1; digit <= kDigits; ++digit)
            starts[digit] += starts[digit - 1];
        for (const Entry& entry : m_entries)
            sorted[starts[digitOf(entry)]++] = entry;
        m_entries.swap(sorted);
    }
}

std::optional<IniNameIndex::Position> IniNameIndex::find(std::string_view text, std::string_view trimmedName) const
{
    const auto hash = std::uint32_t(foldedHash(trimmedName));
    auto it = std::lower_bound(m_entries.begin(), m_entries.end(), hash,
                               [](const Entry& entry, std::uint32_t wanted) { return entry.hash < wanted; });
    for (; it != m_entries.end() && it->hash == hash; ++it) {
        if (iniNamesMatch(m_nameOf(text, it->position), trimmedName))
            return it->position;
    }
    return std::nullopt;
}

} // namespace erakon
