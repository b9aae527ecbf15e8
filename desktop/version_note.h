// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string_view>

namespace erakon {

// The program's file version travels inside the binary as an ELF note:
// owner "Erakon", type kVersionNoteType, four 32-bit numbers
// (major, minor, patch, build) in the binary's byte order.
inline constexpr std::string_view kVersionNoteSection = ".note.erakon.version";
inline constexpr std::string_view kVersionNoteOwner = "Erakon";
inline constexpr std::uint32_t kVersionNoteType = 1;

} // namespace erakon
