// SPDX-License-Identifier: MIT
#pragma once

#include "core/ini_profile.h"

#include <QString>
#include <QStringView>

#include <optional>

namespace erakon {

// The settings read at start, as Qt takes them: the core's profile reader
// (core/ini_profile.h) over a file or a text, with names and values as
// QStrings. The rules are the core's: names without regard to case, the first
// section and key of a name, quotes and blanks taken off a value, at most
// kProfileValueMaxLength characters of it, the default when missing.
class ProfileReader final {
public:
    static constexpr qsizetype kProfileValueMaxLength = qsizetype(erakon::kProfileValueMaxLength);

    ProfileReader() = default;
    // A file that is missing, cannot be read, is no regular file or is larger
    // than kIniFileMaxSize gives an empty reader.
    static ProfileReader fromFile(const QString& path);
    static ProfileReader fromText(const QString& text);

    QString readString(QStringView section, QStringView key, const QString& defaultValue) const;
    // The value when it is an integer (see parseProfileInteger), else the default.
    int readInteger(QStringView section, QStringView key, int defaultValue) const;
    // An integer read with the default 1 or 0; any integer other than 0 is true.
    bool readBool(QStringView section, QStringView key, bool defaultValue) const;

    const IniProfile& profile() const { return m_profile; }

private:
    explicit ProfileReader(IniProfile profile)
        : m_profile(std::move(profile))
    {}

    IniProfile m_profile;
};

// A 32-bit signed integer written as: optional leading blanks, an optional sign,
// then decimal digits or hexadecimal digits introduced by "$", "x", "X", "0x" or
// "0X", and nothing after. Anything else, or a value that does not fit, is nullopt.
std::optional<int> parseProfileInteger(QStringView text);

} // namespace erakon
