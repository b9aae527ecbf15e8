// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace erakon {

// Section and key names as the profile reader compares them: the letters A-Z
// without regard to case, and ſ and the Kelvin sign as the s and k they fold
// into; every other byte as it is. The names are trimmed already.
bool iniNamesMatch(std::string_view a, std::string_view b);

// The first line of each name among lines of an INI text, found by name
// (iniNamesMatch). Eight bytes per line and no name copied: a hash of the name
// and the line's position, sorted by hash in a few sequential passes, so that a
// section of millions of short lines is indexed in time and memory in
// proportion to its size. The names are read from the text to be compared.
class IniNameIndex final {
public:
    // Where a line starts in the text.
    using Position = std::uint32_t;
    // The longest text whose every position has a number.
    static constexpr std::size_t kLongestText = 0xFFFFFFFF;
    // The trimmed name of the line that starts at the position.
    using NameOf = std::string_view (*)(std::string_view text, Position position);

    explicit IniNameIndex(NameOf nameOf)
        : m_nameOf(nameOf)
    {}

    // Room for as many lines as there may be, so that adding copies nothing;
    // what is not used is never touched, and costs no memory.
    void reserve(std::size_t lines) { m_entries.reserve(lines); }
    // Lines are added in the order of the text: the first of a name counts.
    void add(std::string_view trimmedName, Position position);
    // Makes the lines added so far ready to be found.
    void sort();

    std::optional<Position> find(std::string_view text, std::string_view trimmedName) const;

private:
    struct Entry {
        std::uint32_t hash;
        Position position;
    };

    std::vector<Entry> m_entries; // by hash once sorted; within a hash, in text order
    NameOf m_nameOf;
};

} // namespace erakon
