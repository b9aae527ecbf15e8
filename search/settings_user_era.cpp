// SPDX-License-Identifier: MIT
#include "search/settings_user_era.h"

#include "core/user_era_settings.h"
#include "settings/profile_reader.h"
#include "settings/raw_bytes.h"

#include <sys/stat.h>

namespace erakon {

bool SettingsFileUserEra::FileStamp::operator==(const FileStamp& other) const
{
    return path == other.path && device == other.device && inode == other.inode && size == other.size
        && modified.tv_sec == other.modified.tv_sec && modified.tv_nsec == other.modified.tv_nsec;
}

SettingsFileUserEra::SettingsFileUserEra(SettingsLocation location)
    : m_location(std::move(location))
{}

std::optional<UserEra> SettingsFileUserEra::read()
{
    const QString path = settingsFileToRead(m_location);
    struct stat status {};
    if (path.isEmpty() || ::stat(encodeFileName(path).constData(), &status) != 0 || !S_ISREG(status.st_mode)) {
        m_readStamp.reset();
        m_userEra.reset();
        return std::nullopt;
    }
    const FileStamp stamp{path, status.st_dev, status.st_ino, status.st_size, status.st_mtim};
    if (m_readStamp && *m_readStamp == stamp)
        return m_userEra;

    // A file that cannot be read shows no user era, as the window would start
    // with the defaults.
    m_userEra = shownUserEra(ProfileReader::fromFile(path).profile());
    m_readStamp = stamp;
    return m_userEra;
}

} // namespace erakon
