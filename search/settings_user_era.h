// SPDX-License-Identifier: MIT
#pragma once

#include "core/year_query.h"
#include "settings/settings_location.h"

#include <QString>

#include <optional>
#include <sys/types.h>

namespace erakon {

// The user era as the window's settings file shows it (AddItem, AddName,
// AddYear, read by the core's reader as the window and erakon-cli read them),
// from the file the window at `location` reads: its per-user file when there
// is one, else the file beside it. The file is read again only when it
// changed, so a query costs one stat() while the window is not saving. The
// window replaces the file whole, which gives it a new inode: a save is seen
// even within the file system's timestamp granularity.
class SettingsFileUserEra final {
public:
    explicit SettingsFileUserEra(SettingsLocation location);

    std::optional<UserEra> read();

private:
    // What tells one version of the file from the next.
    struct FileStamp {
        QString path;
        dev_t device = 0;
        ino_t inode = 0;
        off_t size = 0;
        timespec modified{};

        bool operator==(const FileStamp& other) const;
    };

    SettingsLocation m_location;
    std::optional<FileStamp> m_readStamp;
    std::optional<UserEra> m_userEra;
};

} // namespace erakon
