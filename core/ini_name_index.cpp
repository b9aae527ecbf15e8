// SPDX-License-Identifier: MIT
#include "core/ini_name_index.h"

#include <bit>

namespace erakon {

namespace {

constexpr std::string_view kLongS = "\xC5\xBF"; // ſ, LATIN SMALL LETTER LONG S
constexpr std::string_view kKelvinSign = "\xE2\x84\xAA"; // K, KELVIN SIGN

// The character of the folded name that starts at i, and where the next starts.
char foldedCharAt(std::string_view name, std::size_t& i)
{
    const char c = name[i];
    if (c >= 'A' && c <= 'Z') {
        ++i;
        return char(c - 'A' + 'a');
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

// FNV-1a over the folded name, mixed so that its low bits choose the slot.
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

IniNameIndex::IniNameIndex(std::string_view text, const std::vector<Position>& positions, NameOf nameOf)
    : m_nameOf(nameOf)
{
    if (positions.empty())
        return;
    // At most four slots in five taken: a search ends after a few slots.
    m_slots.resize(std::bit_ceil(positions.size() + positions.size() / 4 + 1));
    const std::size_t mask = m_slots.size() - 1;
    for (const Position position : positions) {
        const std::string_view name = nameOf(text, position);
        const std::uint64_t hash = foldedHash(name);
        const auto shortHash = std::uint32_t(hash >> 32);
        for (std::size_t slot = hash & mask;; slot = (slot + 1) & mask) {
            Slot& candidate = m_slots[slot];
            if (candidate.position == kEmpty) {
                candidate = {shortHash, position};
                break;
            }
            if (candidate.hash == shortHash && iniNamesMatch(nameOf(text, candidate.position), name))
                break; // an earlier line of this name
        }
    }
}

std::optional<IniNameIndex::Position> IniNameIndex::find(std::string_view text, std::string_view trimmedName) const
{
    if (m_slots.empty())
        return std::nullopt;
    const std::uint64_t hash = foldedHash(trimmedName);
    const auto shortHash = std::uint32_t(hash >> 32);
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t slot = hash & mask;; slot = (slot + 1) & mask) {
        const Slot& candidate = m_slots[slot];
        if (candidate.position == kEmpty)
            return std::nullopt;
        if (candidate.hash == shortHash && iniNamesMatch(m_nameOf(text, candidate.position), trimmedName))
            return candidate.position;
    }
}

} // namespace erakon
