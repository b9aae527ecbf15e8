// SPDX-License-Identifier: MIT
#pragma once

#include "system/regular_file.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <sys/types.h>

namespace erakon {

// The files the program reads and replaces whole: the settings file and the
// desktop entries. Paths may carry raw bytes (raw_bytes.h); they reach the
// system as the bytes they stand for.

// A file read whole, or why it was not.
struct FileContent {
    using Outcome = system::RegularFile::Outcome;
    Outcome outcome = Outcome::Missing;
    QByteArray bytes;
    // Why it was not read, as a sentence for the user; empty when read or missing.
    QString reason;
};

// Reads the regular file at path (a link is followed) if it holds at most
// maxSize bytes. Anything else is not opened at all, and nothing here can
// block: a FIFO or a device that turns up at the last moment is opened
// without waiting and let go again.
FileContent readRegularFile(const QString& path, qint64 maxSize);

// Whether anything stands at path, following links: false for a link that
// points nowhere.
bool fileExists(const QString& path);
// Whether anything stands at path itself: true for any link, even a dangling one.
bool pathIsTaken(const QString& path);
// Creates the folder and every missing folder above it. Returns the reason
// when it could not.
std::optional<QString> makeFolders(const QString& path);

// What writeFileAtomically() does with a symbolic link at the path.
enum class LinkHandling {
    // The file the link points to is replaced, and the link stays: the
    // settings file, which a user may keep among their dotfiles elsewhere.
    WriteThrough,
    // The link itself is replaced by the new file: a shortcut acts only on
    // the name in its folder, never on a file somewhere else.
    ReplaceLink,
};

struct ReplaceOptions {
    LinkHandling links = LinkHandling::WriteThrough;
    // The new file's mode. Without one it takes the mode of the file it
    // replaces, or, for a new file, the default mode less the umask.
    std::optional<mode_t> mode = std::nullopt;
    // Gives the new file the owner and group of the file it replaces, so a
    // run as root leaves a user's file to the user. Tests replace it, since
    // only root may give a file away. When the system refuses (a user
    // replacing a file another user owns), the new file stays the writer's.
    int (*changeOwner)(int fd, uid_t owner, gid_t group) = nullptr; // nullptr: fchown
};

// Replaces the file at path with content, whole or not at all: the data goes
// to a temporary file beside it that takes the file's place only once every
// byte is written and synced. Only a regular file (or nothing) is replaced
// when writing through links. Returns the reason when the file could not be
// written; the old file is then as it was.
std::optional<QString> writeFileAtomically(const QString& path, const QByteArray& content,
                                           const ReplaceOptions& options = {});

// Removes the entry at path itself: a link goes, not what it points to.
std::optional<QString> removeEntry(const QString& path);

} // namespace erakon
