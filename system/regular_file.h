// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>

namespace erakon::system {

// A file read whole, or why it was not. Each program words the reason its own way.
struct RegularFile {
    enum class Outcome {
        Read,
        Missing, // nothing there (or a link to nothing)
        NotRegular, // a folder, FIFO, socket or device: never read
        TooLarge, // larger than the limit the reader set
        Failed, // the system refused: error says why
    };
    Outcome outcome = Outcome::Missing;
    std::string bytes; // when read
    // The system's error number: why it Failed, or EISDIR for a folder; else 0.
    int error = 0;
};

// Reads the regular file at path (a link is followed) if it holds at most
// maxSize bytes. Anything else is not read at all, and nothing here can
// block: a FIFO or a device that turns up at the last moment is opened
// without waiting and let go again. The limit holds for what is read, even
// where the size the system tells is wrong (a file still growing, a file of
// the kernel's).
RegularFile readRegularFile(const std::string& path, std::size_t maxSize);

// Whether anything stands at path, following links: false for a link that
// points nowhere.
bool pathExists(const std::string& path);

} // namespace erakon::system
