// Puts the program's version note into the binary that links this file. It
// must be linked as an object, not from a static library: nothing refers to
// the note, so an archive member holding it would be left out.
#include "desktop/version_note.h"

#ifndef ERAKON_VERSION_MAJOR
#error "ERAKON_VERSION_MAJOR, _MINOR, _PATCH and ERAKON_BUILD_NUMBER come from the build"
#endif

namespace erakon {

namespace {

struct VersionNote {
    std::uint32_t ownerSize;
    std::uint32_t descriptionSize;
    std::uint32_t type;
    char owner[8]; // "Erakon" and its terminating zero, padded to 4 bytes
    std::uint32_t version[4];
};
static_assert(sizeof(VersionNote) == 12 + 8 + 16);

// "used" keeps the compiler from dropping an object nothing refers to.
[[gnu::used, gnu::section(".note.erakon.version"), gnu::aligned(4)]]
const VersionNote erakonVersionNote = {
    kVersionNoteOwner.size() + 1,
    4 * sizeof(std::uint32_t),
    kVersionNoteType,
    "Erakon",
    {ERAKON_VERSION_MAJOR, ERAKON_VERSION_MINOR, ERAKON_VERSION_PATCH, ERAKON_BUILD_NUMBER},
};

} // namespace

} // namespace erakon
