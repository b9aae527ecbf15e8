#include "ini_document.h"

#include "ini_text.h"

namespace erakon {

namespace {

QString foldedName(QStringView name)
{
    return name.toString().toCaseFolded();
}

QString withoutControlCharacters(QStringView text)
{
    QString result;
    result.reserve(text.size());
    for (const QChar c : text) {
        if (c.unicode() >= 32 && c.unicode() != 127)
            result.append(c);
    }
    return result;
}

QString keyLineText(QStringView key, QStringView value)
{
    QString text;
    text.reserve(key.size() + 1 + value.size());
    text.append(key).append(u'=').append(value);
    return text;
}

} // namespace

IniDocument IniDocument::fromBytes(QByteArrayView bytes)
{
    DecodedText decoded = decodeText(bytes);
    return fromText(decoded.text, decoded.encoding);
}

IniDocument IniDocument::fromText(QStringView text, TextEncoding encoding)
{
    IniDocument document;
    document.m_encoding = encoding;
    Section* current = nullptr;
    forEachIniLine(text, [&](QStringView rawLine) {
        const QStringView line = trimIniBlanks(rawLine);
        if (line.isEmpty() || line.front() == u';')
            return;
        if (line.size() >= 2 && line.front() == u'[' && line.back() == u']') {
            const QStringView name = trimIniBlanks(line.sliced(1, line.size() - 2));
            current = document.findSection(name) ? nullptr : &document.appendSection(name);
            return;
        }
        if (!current)
            return;
        const qsizetype equals = line.indexOf(u'=');
        if (equals < 0) {
            current->lines.push_back({line.toString(), -1});
            return;
        }
        const QStringView key = trimIniBlanksRight(line.first(equals));
        const QStringView value = trimIniBlanksLeft(line.sliced(equals + 1));
        if (key.size() == equals && value.size() == line.size() - equals - 1)
            current->lines.push_back({line.toString(), equals}); // already "key=value"
        else
            current->lines.push_back({keyLineText(key, value), key.size()});
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

IniDocument::Section& IniDocument::appendSection(QStringView name)
{
    m_sectionIndex.insert(foldedName(name), qsizetype(m_sections.size()));
    Section& section = m_sections.emplace_back();
    section.name = name.toString();
    return section;
}

const QHash<QString, qsizetype>& IniDocument::keyIndex(Section& section)
{
    if (!section.keyIndexBuilt) {
        for (qsizetype i = 0; i < qsizetype(section.lines.size()); ++i) {
            const Line& line = section.lines[i];
            if (line.equalsAt < 0)
                continue;
            const QString key = foldedName(QStringView(line.text).first(line.equalsAt));
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
    const QString cleanSection = withoutControlCharacters(sectionName);
    const QString cleanKey = withoutControlCharacters(key);
    Section* section = findSection(cleanSection);
    if (!section)
        section = &appendSection(cleanSection);
    const QString folded = foldedName(cleanKey);
    Line line{keyLineText(cleanKey, withoutControlCharacters(value)), cleanKey.size()};
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
        if (line.equalsAt >= 0 && foldedName(QStringView(line.text).first(line.equalsAt)) == folded)
            return line.text.sliced(line.equalsAt + 1);
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
            size += line.text.size() + kLineEnd.size();
    }
    QString text;
    text.reserve(size);
    for (const Section& section : m_sections) {
        if (section.removed)
            continue;
        text.append(u'[').append(section.name).append(u']').append(kLineEnd);
        for (const Line& line : section.lines)
            text.append(line.text).append(kLineEnd);
        text.append(kLineEnd);
    }
    return text;
}

QByteArray IniDocument::toBytes() const
{
    return encodeText(toText(), m_encoding);
}

} // namespace erakon
