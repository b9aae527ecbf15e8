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
// (iniNamesMatch). A slot of eight bytes per line and no name copied, so a
// section of millions of lines costs a few bytes each and is built in one
// pass; the names are read from the text when they are compared.
class IniNameIndex final {
public:
    // Where a line starts in the text.
    using Position = std::uint32_t;
    // The longest text whose every position has a number.
    static constexpr std::size_t kLongestText = 0xFFFFFFFE;
    // The trimmed name of the line that starts at the position.
    using NameOf = std::string_view (*)(std::string_view text, Position position);

    IniNameIndex() = default;
    // The lines' positions in the order of the text: the first of a name counts.
    IniNameIndex(std::string_view text, const std::vector<Position>& positions, NameOf nameOf);

    std::optional<Position> find(std::string_view text, std::string_view trimmedName) const;

private:
    static constexpr Position kEmpty = 0xFFFFFFFF;
    struct Slot {
        std::uint32_t hash = 0; // part of the name's hash, compared before the names
        Position position = kEmpty;
    };

    std::vector<Slot> m_slots; // a power of two of them, or none
    NameOf m_nameOf = nullptr;
};

} // namespace erakon
