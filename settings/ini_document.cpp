// SPDX-License-Identifier: MIT
#include "settings/ini_document.h"

#include "settings/ini_text.h"
#include "settings/raw_bytes.h"

#include <algorithm>

namespace erakon {

namespace {

QString foldedName(QStringView name) { return name.toString().toCaseFolded(); }

// A written text is always text: control characters go, and a raw byte
// (which only a line read from the file may hold) becomes U+FFFD.
QString writableText(QStringView text)
{
    QString result;
    result.reserve(text.size());
    for (const QChar c : text) {
        if (c.unicode() >= 32 && c.unicode() != 127)
            result.append(c);
    }
    return withRawBytesReplaced(std::move(result));
}

} // namespace

IniDocument IniDocument::fromBytes(QByteArrayView bytes)
{
    DecodedText decoded = decodeText(bytes);
    IniDocument document = fromText(std::move(decoded.text), decoded.encoding);
    document.m_encodingRecognised = decoded.recognised;
    return document;
}

IniDocument IniDocument::fromText(QString text, TextEncoding encoding)
{
    IniDocument document;
    document.m_encoding = encoding;
    document.m_source = std::move(text);
    Section* current = nullptr;
    forEachIniLine(document.m_source, [&](QStringView rawLine) {
        const QStringView line = trimIniBlanks(rawLine);
        if (line.isEmpty() || line.front() == u';')
            return;
        if (line.size() >= 2 && line.front() == u'[' && line.back() == u']') {
            const QStringView name = trimIniBlanks(line.sliced(1, line.size() - 2));
            const QString folded = foldedName(name);
            current = document.m_sectionIndex.contains(folded) ? nullptr : &document.appendSection(name, folded);
            return;
        }
        if (!current)
            return;
        const qsizetype equals = line.indexOf(u'=');
        if (equals < 0)
            current->lines.push_back({{}, line, false, {}});
        else
            current->lines.push_back(
                {trimIniBlanksRight(line.first(equals)), trimIniBlanksLeft(line.sliced(equals + 1)), true, {}});
    });
    return document;
}

IniDocument::Section* IniDocument::findSection(QStringView name)
{
    const auto it = m_sectionIndex.constFind(foldedName(name));
    return it == m_sectionIndex.constEnd() ? nullptr : &m_sections[*it];
}

const IniDocument::Section* IniDocument::findSection(QStringView name) const
{
    const auto it = m_sectionIndex.constFind(foldedName(name));
    return it == m_sectionIndex.constEnd() ? nullptr : &m_sections[*it];
}

IniDocument::Section& IniDocument::appendSection(QStringView name, const QString& foldedName)
{
    m_sectionIndex.insert(foldedName, qsizetype(m_sections.size()));
    Section& section = m_sections.emplace_back();
    section.name = name.toString();
    return section;
}

const QHash<QString, qsizetype>& IniDocument::keyIndex(Section& section)
{
    if (!section.keyIndexBuilt) {
        for (qsizetype i = 0; i < qsizetype(section.lines.size()); ++i) {
            const Line& line = section.lines[i];
            if (!line.isKey)
                continue;
            const QString key = foldedName(line.key);
            if (!section.keyIndex.contains(key))
                section.keyIndex.insert(key, i);
        }
        section.keyIndexBuilt = true;
    }
    return section.keyIndex;
}

void IniDocument::removeSection(QStringView name)
{
    const auto it = m_sectionIndex.constFind(foldedName(name));
    if (it == m_sectionIndex.constEnd())
        return;
    Section& section = m_sections[*it];
    section.removed = true;
    section.lines = {};
    section.keyIndex = {};
    m_sectionIndex.erase(it);
}

void IniDocument::writeValue(QStringView sectionName, QStringView key, QStringView value)
{
    const QString cleanSection = writableText(sectionName);
    Section* section = findSection(cleanSection);
    if (!section)
        section = &appendSection(cleanSection, foldedName(cleanSection));

    Line line;
    line.isKey = true;
    line.written = writableText(key);
    const qsizetype keyLength = line.written.size();
    line.written.append(writableText(value));
    line.key = QStringView(line.written).first(keyLength);
    line.text = QStringView(line.written).sliced(keyLength);

    const QString folded = foldedName(line.key);
    const auto& index = keyIndex(*section);
    if (const auto it = index.constFind(folded); it != index.constEnd()) {
        section->lines[*it] = std::move(line);
        return;
    }
    section->keyIndex.insert(folded, qsizetype(section->lines.size()));
    section->lines.push_back(std::move(line));
}

std::optional<QString> IniDocument::value(QStringView sectionName, QStringView key) const
{
    const Section* section = findSection(sectionName);
    if (!section)
        return std::nullopt;
    const QString folded = foldedName(key);
    for (const Line& line : section->lines) {
        if (line.isKey && foldedName(line.key) == folded)
            return line.text.toString();
    }
    return std::nullopt;
}

QStringList IniDocument::sectionNames() const
{
    QStringList names;
    for (const Section& section : m_sections) {
        if (!section.removed)
            names.append(section.name);
    }
    return names;
}

QString IniDocument::toText() const
{
    static constexpr QStringView kLineEnd = u"\r\n";
    qsizetype size = 0;
    for (const Section& section : m_sections) {
        if (section.removed)
            continue;
        size += section.name.size() + 2 + 2 * kLineEnd.size();
        for (const Line& line : section.lines)
            size += (line.isKey ? line.key.size() + 1 : 0) + line.text.size() + kLineEnd.size();
    }
    // One allocation, filled by copying; appending each piece costs more than the copy.
    QString text(size, Qt::Uninitialized);
    QChar* out = text.data();
    const auto put = [&out](QStringView piece) { out = std::copy(piece.begin(), piece.end(), out); };
    for (const Section& section : m_sections) {
        if (section.removed)
            continue;
        put(u"[");
        put(section.name);
        put(u"]");
        put(kLineEnd);
        for (const Line& line : section.lines) {
            if (line.isKey) {
                put(line.key);
                put(u"=");
            }
            put(line.text);
            put(kLineEnd);
        }
        put(kLineEnd);
    }
    Q_ASSERT(out == text.constData() + text.size());
    return text;
}

QByteArray IniDocument::toBytes() const { return encodeText(toText(), m_encoding); }

} // namespace erakon
