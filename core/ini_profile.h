// SPDX-License-Identifier: MIT
#pragma once

#include "core/ini_name_index.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace erakon {

// The largest settings file the program reads, far above any real one; a
// larger file is never read, let alone replaced.
inline constexpr std::size_t kSettingsFileMaxSize = 64 * 1024 * 1024;

// The longest value the profile reader gives, in UTF-16 code units: the
// Windows reader's buffer of 2048 characters, one of them for the end.
inline constexpr std::size_t kProfileValueMaxLength = 2047;

// Reads single keys of an INI text the way the Windows profile reader
// (GetPrivateProfileString) does, for the settings read at start:
// - a line "[name]" opens a section (name trimmed); lines before the first
//   section and lines starting with ";" are ignored; lines end at CR LF, CR
//   or LF, and are trimmed of blanks (codes 0-32);
// - section and key names match without regard to case (the letters A-Z, and
//   ſ and the Kelvin sign, which fold into them);
// - the first section of a name counts, and in it the first key of a name;
//   keys in a repeated section are not seen;
// - a value is trimmed of blanks, and a matching pair of quotes ('...' or "...")
//   around it is removed, as the profile reader documents;
// - at most kProfileValueMaxLength code units of a value are given, never
//   half a character;
// - a missing section or key, or a key line without "=", gives the default.
// The section lines are indexed once; a section's keys are indexed the first
// time one of them is read, by the position of their lines (ini_name_index.h),
// so reading takes time and memory in proportion to the text whatever its
// shape: millions of short lines cost no more than a few long ones.
class IniProfile final {
public:
    IniProfile() = default;
    // Valid UTF-8 text; a text of 4 GiB or more is read up to there.
    static IniProfile fromText(std::string text);
    // A file's bytes in any encoding the settings file may have (text_decoding.h).
    static IniProfile fromBytes(std::string bytes);

    // The value of the key, or nothing when the section or the key is missing.
    std::optional<std::string_view> find(std::string_view section, std::string_view key) const;

    std::string readString(std::string_view section, std::string_view key, std::string_view defaultValue) const;
    // The value when it is an integer (see parseProfileInteger), else the default.
    int readInteger(std::string_view section, std::string_view key, int defaultValue) const;
    // An integer read with the default 1 or 0; any integer other than 0 is true.
    bool readBool(std::string_view section, std::string_view key, bool defaultValue) const;

private:
    using Position = IniNameIndex::Position;

    static std::string_view sectionNameAt(std::string_view text, Position position);

    void indexSections();
    // The keys of the section whose header line starts at the position.
    const IniNameIndex& keysOfSection(Position header) const;
    std::string_view text() const { return m_text; }

    std::string m_text;
    std::size_t m_textStart = 0; // past a byte-order mark
    // The first section line of each name.
    IniNameIndex m_sections{sectionNameAt};
    // The sections whose keys were read, by their header's position; a few.
    mutable std::vector<std::pair<Position, IniNameIndex>> m_sectionKeys;
};

// A 32-bit signed integer written as: optional leading blanks, an optional sign,
// then decimal digits or hexadecimal digits introduced by "$", "x", "X", "0x" or
// "0X", and nothing after. Anything else, or a value that does not fit, is nothing.
std::optional<int> parseProfileInteger(std::string_view text);

} // namespace erakon
