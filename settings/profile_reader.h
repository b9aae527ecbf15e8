// SPDX-License-Identifier: MIT
#pragma once

#include <QHash>
#include <QString>
#include <QStringView>

#include <optional>

namespace erakon {

// Reads single keys of an INI file the way the Windows profile reader
// (GetPrivateProfileString) does, for the settings read at start:
// - a line "[name]" opens a section (name trimmed); lines before the first
//   section and lines starting with ";" are ignored;
// - section and key names match without regard to case;
// - the first section of a name counts, and in it the first key of a name;
//   keys in a repeated section are not seen;
// - a value is trimmed of blanks, and a matching pair of quotes ('...' or "...")
//   around it is removed, as the profile reader documents;
// - at most kProfileValueMaxLength characters of a value are returned;
// - a missing file, section or key, or a key line without "=", gives the default.
// The file is split into sections once; a section's keys are indexed the first
// time one of them is read, so foreign sections cost no more than a scan.
class ProfileReader final {
public:
    static constexpr qsizetype kProfileValueMaxLength = 2047;

    ProfileReader() = default;
    // A file that is missing, cannot be read, is no regular file or is larger
    // than kIniFileMaxSize gives an empty reader.
    static ProfileReader fromFile(const QString& path);
    static ProfileReader fromText(QString text);

    QString readString(QStringView section, QStringView key, const QString& defaultValue) const;
    // The value when it is an integer (see parseProfileInteger), else the default.
    int readInteger(QStringView section, QStringView key, int defaultValue) const;
    // An integer read with the default 1 or 0; any integer other than 0 is true.
    bool readBool(QStringView section, QStringView key, bool defaultValue) const;

private:
    struct Section {
        QStringView body; // the lines after the header, up to the next section line
        // Case-folded key name -> value; a key line without "=" has no value.
        std::optional<QHash<QString, std::optional<QStringView>>> keys;
    };
    const std::optional<QStringView>* findValue(QStringView section, QStringView key) const;

    QString m_text;
    // Case-folded section name -> its first section in the text.
    mutable QHash<QString, Section> m_sections;
};

// A 32-bit signed integer written as: optional leading blanks, an optional sign,
// then decimal digits or hexadecimal digits introduced by "$", "x", "X", "0x" or
// "0X", and nothing after. Anything else, or a value that does not fit, is nullopt.
std::optional<int> parseProfileInteger(QStringView text);

} // namespace erakon
