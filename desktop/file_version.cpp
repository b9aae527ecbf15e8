// SPDX-License-Identifier: MIT
#include "desktop/file_version.h"

#include "desktop/version_note.h"

#include <QFile>

#include <array>
#include <cstdint>
#include <optional>

namespace erakon {

namespace {

// Limits that no genuine program file comes near; they keep a damaged file
// from making the reader allocate without bound.
constexpr std::uint64_t kMaxSectionCount = 0xff00;
constexpr std::uint64_t kMaxNameTableSize = 1 << 20;
constexpr std::uint64_t kMaxNoteSectionSize = 1 << 12;

class ElfFile final {
public:
    explicit ElfFile(QFile& file)
        : m_file(file)
    {}

    // Bytes [offset, offset + size) of the file, or nullopt when they are not
    // all there.
    std::optional<QByteArray> read(std::uint64_t offset, std::uint64_t size)
    {
        const auto fileSize = static_cast<std::uint64_t>(m_file.size());
        if (offset > fileSize || size > fileSize - offset)
            return std::nullopt;
        if (!m_file.seek(static_cast<qint64>(offset)))
            return std::nullopt;
        QByteArray bytes = m_file.read(static_cast<qint64>(size));
        if (static_cast<std::uint64_t>(bytes.size()) != size)
            return std::nullopt;
        return bytes;
    }

    bool bigEndian = false;
    bool wide = false; // 64-bit

    // An unsigned number of width bytes at pos of bytes; the caller has
    // checked the bounds.
    std::uint64_t number(const QByteArray& bytes, qsizetype pos, int width) const
    {
        std::uint64_t value = 0;
        for (int i = 0; i < width; ++i) {
            const int index = bigEndian ? i : width - 1 - i;
            value = (value << 8) | static_cast<unsigned char>(bytes[pos + index]);
        }
        return value;
    }

private:
    QFile& m_file;
};

std::optional<std::array<std::uint32_t, 4>> versionFromNotes(const ElfFile& elf, const QByteArray& notes)
{
    const auto align4 = [](std::uint64_t n) { return (n + 3) & ~std::uint64_t{3}; };
    const auto total = static_cast<std::uint64_t>(notes.size());
    std::uint64_t pos = 0;
    while (total - pos >= 12) {
        const std::uint64_t ownerSize = elf.number(notes, qsizetype(pos), 4);
        const std::uint64_t descriptionSize = elf.number(notes, qsizetype(pos + 4), 4);
        const std::uint64_t type = elf.number(notes, qsizetype(pos + 8), 4);
        const std::uint64_t ownerAt = pos + 12;
        const std::uint64_t descriptionAt = ownerAt + align4(ownerSize);
        if (descriptionAt > total || align4(descriptionSize) > total - descriptionAt)
            return std::nullopt;
        const QByteArray owner = notes.mid(qsizetype(ownerAt), qsizetype(ownerSize));
        if (type == kVersionNoteType && descriptionSize >= 16
            && owner == QByteArray(kVersionNoteOwner.data(), qsizetype(kVersionNoteOwner.size())) + '\0') {
            std::array<std::uint32_t, 4> version{};
            for (std::size_t i = 0; i < version.size(); ++i)
                version[i] = std::uint32_t(elf.number(notes, qsizetype(descriptionAt + 4 * i), 4));
            return version;
        }
        pos = descriptionAt + align4(descriptionSize);
    }
    return std::nullopt;
}

std::optional<std::array<std::uint32_t, 4>> readVersion(QFile& file)
{
    ElfFile elf(file);
    const std::optional<QByteArray> ident = elf.read(0, 16);
    if (!ident
        || !ident->startsWith("\x7f"
                              "ELF"))
        return std::nullopt;
    const char elfClass = (*ident)[4];
    const char byteOrder = (*ident)[5];
    if ((elfClass != 1 && elfClass != 2) || (byteOrder != 1 && byteOrder != 2))
        return std::nullopt;
    elf.wide = elfClass == 2;
    elf.bigEndian = byteOrder == 2;

    const std::optional<QByteArray> header = elf.read(0, elf.wide ? 64 : 52);
    if (!header)
        return std::nullopt;
    const int word = elf.wide ? 8 : 4;
    const std::uint64_t sectionTable = elf.number(*header, elf.wide ? 0x28 : 0x20, word);
    const std::uint64_t entrySize = elf.number(*header, elf.wide ? 0x3a : 0x2e, 2);
    const std::uint64_t sectionCount = elf.number(*header, elf.wide ? 0x3c : 0x30, 2);
    const std::uint64_t nameTableIndex = elf.number(*header, elf.wide ? 0x3e : 0x32, 2);
    const std::uint64_t minimumEntrySize = elf.wide ? 64 : 40;
    if (entrySize < minimumEntrySize || sectionCount == 0 || sectionCount > kMaxSectionCount
        || nameTableIndex >= sectionCount)
        return std::nullopt;

    const std::optional<QByteArray> sections = elf.read(sectionTable, entrySize * sectionCount);
    if (!sections)
        return std::nullopt;
    struct Section {
        std::uint64_t name, offset, size;
    };
    const auto section = [&](std::uint64_t index) {
        const auto at = qsizetype(index * entrySize);
        return Section{elf.number(*sections, at, 4), elf.number(*sections, at + (elf.wide ? 0x18 : 0x10), word),
                       elf.number(*sections, at + (elf.wide ? 0x20 : 0x14), word)};
    };

    const Section nameTableSection = section(nameTableIndex);
    if (nameTableSection.size > kMaxNameTableSize)
        return std::nullopt;
    const std::optional<QByteArray> names = elf.read(nameTableSection.offset, nameTableSection.size);
    if (!names)
        return std::nullopt;

    const QByteArray wanted(kVersionNoteSection.data(), qsizetype(kVersionNoteSection.size()));
    for (std::uint64_t i = 0; i < sectionCount; ++i) {
        const Section candidate = section(i);
        if (candidate.name >= std::uint64_t(names->size()))
            continue;
        const qsizetype end = names->indexOf('\0', qsizetype(candidate.name));
        if (end < 0 || names->mid(qsizetype(candidate.name), end - qsizetype(candidate.name)) != wanted)
            continue;
        if (candidate.size > kMaxNoteSectionSize)
            return std::nullopt;
        const std::optional<QByteArray> notes = elf.read(candidate.offset, candidate.size);
        return notes ? versionFromNotes(elf, *notes) : std::nullopt;
    }
    return std::nullopt;
}

} // namespace

QString FileVersionText(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const std::optional<std::array<std::uint32_t, 4>> version = readVersion(file);
    if (!version)
        return {};
    return QStringLiteral("%1.%2.%3.%4").arg((*version)[0]).arg((*version)[1]).arg((*version)[2]).arg((*version)[3]);
}

} // namespace erakon
