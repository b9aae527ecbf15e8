// SPDX-License-Identifier: MIT
// Puts the program's version note into the binary that links this file. It
// must be linked as an object, not from a static library: nothing refers to
// the note, so an archive member holding it would be left out.
#include "desktop/version_note.h"

#include "core/version.h"

#include <array>

namespace erakon {

namespace {

struct VersionNote {
    std::uint32_t ownerSize;
    std::uint32_t descriptionSize;
    std::uint32_t type;
    std::array<char, 8> owner; // the owner's name and its terminating zero, padded to 4 bytes
    std::uint32_t version[4];
};
static_assert(sizeof(VersionNote) == 12 + 8 + 16);

constexpr std::array<char, 8> ownerField()
{
    static_assert(kVersionNoteOwner.size() < 8);
    std::array<char, 8> field{};
    for (std::size_t i = 0; i < kVersionNoteOwner.size(); ++i)
        field[i] = kVersionNoteOwner[i];
    return field;
}

// "used" keeps the compiler from dropping an object nothing refers to.
[[gnu::used, gnu::section(".note.erakon.version"), gnu::aligned(4)]] const VersionNote erakonVersionNote = {
    kVersionNoteOwner.size() + 1,
    4 * sizeof(std::uint32_t),
    kVersionNoteType,
    ownerField(),
    {kVersionMajor, kVersionMinor, kVersionPatch, kBuildNumber},
};

} // namespace

} // namespace erakon
