// SPDX-License-Identifier: MIT
#include "settings/profile_reader.h"

#include "settings/atomic_file.h"
#include "settings/ini_text.h"
#include "settings/text_encoding.h"

#include <limits>

namespace erakon {

namespace {

QString foldedName(QStringView name) { return trimIniBlanks(name).toString().toCaseFolded(); }

QStringView withoutMatchingQuotes(QStringView value)
{
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') && value.back() == value.front())
        return value.sliced(1, value.size() - 2);
    return value;
}

QStringView limitedValue(QStringView value)
{
    if (value.size() <= ProfileReader::kProfileValueMaxLength)
        return value;
    value = value.first(ProfileReader::kProfileValueMaxLength);
    // Never hand out half of a surrogate pair.
    if (value.back().isHighSurrogate())
        value.chop(1);
    return value;
}

int hexDigitValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

// Calls onLine(line) for every non-empty, non-comment line, trimmed.
template <typename OnLine>
void forEachContentLine(QStringView text, OnLine&& onLine)
{
    forEachIniLine(text, [&](QStringView rawLine) {
        const QStringView line = trimIniBlanks(rawLine);
        if (!line.isEmpty() && line.front() != u';')
            onLine(line);
    });
}

// A section line is "[name]" with nothing after the "]", the rule the rewrite
// at close follows too. (The Windows reader also takes "[name] text"; the
// rewrite would keep such a line as text inside the section before it, and it
// would then hide the section the program writes anew at every close.)
std::optional<QStringView> sectionName(QStringView line)
{
    if (line.size() < 2 || line.front() != u'[' || line.back() != u']')
        return std::nullopt;
    return line.sliced(1, line.size() - 2);
}

} // namespace

ProfileReader ProfileReader::fromText(QString text)
{
    ProfileReader reader;
    reader.m_text = std::move(text);
    const QStringView all(reader.m_text);
    Section* current = nullptr;
    forEachContentLine(all, [&](QStringView line) {
        const std::optional<QStringView> name = sectionName(line);
        if (!name)
            return;
        // The previous section's body ends where this header starts.
        const qsizetype headerStart = line.data() - all.data();
        if (current) {
            const qsizetype bodyStart = current->body.data() - all.data();
            current->body = all.sliced(bodyStart, headerStart - bodyStart);
        }
        const QString folded = foldedName(*name);
        const qsizetype bodyStart = headerStart + line.size();
        current = reader.m_sections.contains(folded) ? nullptr : &reader.m_sections[folded];
        if (current)
            current->body = all.sliced(bodyStart);
    });
    return reader;
}

const std::optional<QStringView>* ProfileReader::findValue(QStringView sectionName, QStringView key) const
{
    const auto sectionIt = m_sections.find(foldedName(sectionName));
    if (sectionIt == m_sections.end())
        return nullptr;
    Section& section = *sectionIt;
    if (!section.keys) {
        auto& keys = section.keys.emplace();
        forEachContentLine(section.body, [&](QStringView line) {
            const qsizetype equals = line.indexOf(u'=');
            QString name = foldedName(equals < 0 ? line : line.first(equals));
            if (keys.contains(name))
                return;
            if (equals < 0)
                keys.insert(std::move(name), std::nullopt);
            else
                keys.insert(std::move(name), trimIniBlanksLeft(line.sliced(equals + 1)));
        });
    }
    const auto keyIt = section.keys->constFind(foldedName(key));
    return keyIt == section.keys->constEnd() ? nullptr : &*keyIt;
}

QString ProfileReader::readString(QStringView section, QStringView key, const QString& defaultValue) const
{
    const std::optional<QStringView>* value = findValue(section, key);
    if (!value || !value->has_value())
        return defaultValue;
    return limitedValue(withoutMatchingQuotes(**value)).toString();
}

ProfileReader ProfileReader::fromFile(const QString& path)
{
    const FileContent file = readRegularFile(path, kIniFileMaxSize);
    if (file.outcome != FileContent::Outcome::Read)
        return {};
    return fromText(decodeTextForReading(file.bytes));
}

int ProfileReader::readInteger(QStringView section, QStringView key, int defaultValue) const
{
    return parseProfileInteger(readString(section, key, QString())).value_or(defaultValue);
}

bool ProfileReader::readBool(QStringView section, QStringView key, bool defaultValue) const
{
    return readInteger(section, key, defaultValue ? 1 : 0) != 0;
}

std::optional<int> parseProfileInteger(QStringView text)
{
    qsizetype i = 0;
    const qsizetype size = text.size();
    while (i < size && isIniBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < size && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    int base = 10;
    if (i < size && (text[i] == u'$' || text[i] == u'x' || text[i] == u'X')) {
        base = 16;
        ++i;
    } else if (i + 1 < size && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X')) {
        base = 16;
        i += 2;
    }
    if (i == size)
        return std::nullopt;

    // The magnitude may reach 2^31 for the most negative value.
    constexpr qint64 kLimit = qint64(std::numeric_limits<int>::max()) + 1;
    qint64 magnitude = 0;
    for (; i < size; ++i) {
        const int digit = hexDigitValue(text[i]);
        if (digit < 0 || digit >= base)
            return std::nullopt;
        magnitude = magnitude * base + digit;
        if (magnitude > kLimit)
            return std::nullopt;
    }
    const qint64 value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<int>::max())
        return std::nullopt;
    return int(value);
}

} // namespace erakon
