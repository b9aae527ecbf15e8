// SPDX-License-Identifier: MIT
#include "settings/profile_reader.h"

#include "settings/ini_text.h"
#include "settings/raw_bytes.h"
#include "system/regular_file.h"

#include <utility>

namespace erakon {

namespace {

// Names and values cross to the core as UTF-8.
std::string utf8(QStringView text)
{
    const QByteArray bytes = text.toUtf8();
    return std::string(bytes.constData(), std::size_t(bytes.size()));
}

} // namespace

ProfileReader ProfileReader::fromFile(const QString& path)
{
    system::RegularFile file = system::readRegularFile(encodeFileName(path).toStdString(), kSettingsFileMaxSize);
    if (file.outcome != system::RegularFile::Outcome::Read)
        return {};
    return ProfileReader(IniProfile::fromBytes(std::move(file.bytes)));
}

ProfileReader ProfileReader::fromText(const QString& text) { return ProfileReader(IniProfile::fromText(utf8(text))); }

QString ProfileReader::readString(QStringView section, QStringView key, const QString& defaultValue) const
{
    const std::optional<std::string_view> value = m_profile.find(utf8(section), utf8(key));
    if (!value)
        return defaultValue;
    return QString::fromUtf8(value->data(), qsizetype(value->size()));
}

int ProfileReader::readInteger(QStringView section, QStringView key, int defaultValue) const
{
    return m_profile.readInteger(utf8(section), utf8(key), defaultValue);
}

bool ProfileReader::readBool(QStringView section, QStringView key, bool defaultValue) const
{
    return m_profile.readBool(utf8(section), utf8(key), defaultValue);
}

std::optional<int> parseProfileInteger(QStringView text) { return parseProfileInteger(std::string_view(utf8(text))); }

} // namespace erakon
