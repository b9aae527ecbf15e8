// SPDX-License-Identifier: MIT
#include "desktop/file_version.h"

#include "core/version.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <array>

namespace erakon {
namespace {

// A small ELF file holding one note section, built byte by byte so that each
// part can be damaged on purpose.
struct ElfLayout {
    bool wide = true;
    bool bigEndian = false;
    QByteArray section = ".note.erakon.version";
    QByteArray owner = "Erakon";
    quint32 type = 1;
    std::array<quint32, 4> version{3, 3, 8541, 14468};
    quint32 descriptionSize = 16;
    quint64 sectionCount = 3;
};

void put(QByteArray& bytes, qsizetype at, quint64 value, int width, bool bigEndian)
{
    if (bytes.size() < at + width)
        bytes.resize(at + width, '\0');
    for (int i = 0; i < width; ++i) {
        const int shift = 8 * (bigEndian ? width - 1 - i : i);
        bytes[at + i] = char((value >> shift) & 0xff);
    }
}

QByteArray buildElf(const ElfLayout& layout)
{
    const int word = layout.wide ? 8 : 4;
    const qsizetype headerSize = layout.wide ? 64 : 52;
    QByteArray bytes(headerSize, '\0');
    bytes.replace(0, 4,
                  "\x7f"
                  "ELF");
    bytes[4] = char(layout.wide ? 2 : 1);
    bytes[5] = char(layout.bigEndian ? 2 : 1);
    bytes[6] = 1;

    // The note.
    const qsizetype noteAt = bytes.size();
    QByteArray owner = layout.owner + '\0';
    put(bytes, noteAt, quint64(owner.size()), 4, layout.bigEndian);
    put(bytes, noteAt + 4, layout.descriptionSize, 4, layout.bigEndian);
    put(bytes, noteAt + 8, layout.type, 4, layout.bigEndian);
    while (owner.size() % 4)
        owner += '\0';
    bytes += owner;
    for (quint32 number : layout.version)
        put(bytes, bytes.size(), number, 4, layout.bigEndian);
    const qsizetype noteSize = bytes.size() - noteAt;

    // Section names.
    const qsizetype namesAt = bytes.size();
    const QByteArray names = QByteArray("\0.shstrtab\0", 11) + layout.section + '\0';
    bytes += names;
    while (bytes.size() % 8)
        bytes += '\0';

    // Section table: none, names, note.
    const qsizetype tableAt = bytes.size();
    const int entrySize = layout.wide ? 64 : 40;
    const auto section = [&](int index, quint64 name, quint32 type, quint64 offset, quint64 size) {
        const qsizetype at = tableAt + index * entrySize;
        put(bytes, at, name, 4, layout.bigEndian);
        put(bytes, at + 4, type, 4, layout.bigEndian);
        put(bytes, at + (layout.wide ? 0x18 : 0x10), offset, word, layout.bigEndian);
        put(bytes, at + (layout.wide ? 0x20 : 0x14), size, word, layout.bigEndian);
        put(bytes, at + entrySize - 1, 0, 1, layout.bigEndian);
    };
    section(0, 0, 0, 0, 0);
    section(1, 1, 3, quint64(namesAt), quint64(names.size()));
    section(2, 11, 7, quint64(noteAt), quint64(noteSize));

    put(bytes, layout.wide ? 0x28 : 0x20, quint64(tableAt), word, layout.bigEndian);
    put(bytes, layout.wide ? 0x3a : 0x2e, quint64(entrySize), 2, layout.bigEndian);
    put(bytes, layout.wide ? 0x3c : 0x30, layout.sectionCount, 2, layout.bigEndian);
    put(bytes, layout.wide ? 0x3e : 0x32, 1, 2, layout.bigEndian);
    return bytes;
}

class FileVersionTest : public ::testing::Test {
protected:
    QString write(const QByteArray& bytes)
    {
        QString path = folder.filePath(QStringLiteral("file%1").arg(++count));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            ADD_FAILURE() << "cannot write " << path.toStdString();
        return path;
    }
    QTemporaryDir folder;
    int count = 0;
};

TEST_F(FileVersionTest, ThisTestProgramCarriesTheBuildsVersion)
{
    EXPECT_EQ(FileVersionText(QCoreApplication::applicationFilePath()), QString::fromUtf8(kFileVersion));
}

TEST_F(FileVersionTest, ReadsTheNoteInEveryLayout)
{
    struct Row {
        const char* name;
        bool wide;
        bool bigEndian;
    };
    const Row rows[] = {
        {"64-bit little-endian", true, false},
        {"64-bit big-endian", true, true},
        {"32-bit little-endian", false, false},
        {"32-bit big-endian", false, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ElfLayout layout;
        layout.wide = row.wide;
        layout.bigEndian = row.bigEndian;
        EXPECT_EQ(FileVersionText(write(buildElf(layout))), QStringLiteral("3.3.8541.14468"));
    }
}

TEST_F(FileVersionTest, FilesWithoutTheNoteGiveEmptyText)
{
    struct Row {
        const char* name;
        QByteArray bytes;
    };
    ElfLayout otherSection;
    otherSection.section = ".note.gnu.build-id";
    ElfLayout otherOwner;
    otherOwner.owner = "GNU";
    ElfLayout otherType;
    otherType.type = 3;
    ElfLayout shortDescription;
    shortDescription.descriptionSize = 12;
    ElfLayout oversizedDescription;
    oversizedDescription.descriptionSize = 0xffffffff;
    ElfLayout sectionCountPastTheEnd;
    sectionCountPastTheEnd.sectionCount = 0xfeff;
    ElfLayout noSections;
    noSections.sectionCount = 0;
    const Row rows[] = {
        {"empty file", QByteArray()},
        {"text", QByteArray("#!/bin/sh\necho erakon\n")},
        {"magic only",
         QByteArray("\x7f"
                    "ELF")},
        {"junk", QByteArray(4096, '\xa5')},
        {"ELF header full of ones",
         QByteArray("\x7f"
                    "ELF\x02\x01\x01",
                    7)
             + QByteArray(4096, '\xff')},
        {"another section", buildElf(otherSection)},
        {"another owner", buildElf(otherOwner)},
        {"another type", buildElf(otherType)},
        {"description too short", buildElf(shortDescription)},
        {"description past the section", buildElf(oversizedDescription)},
        {"section table past the end", buildElf(sectionCountPastTheEnd)},
        {"no sections", buildElf(noSections)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(FileVersionText(write(row.bytes)), QString());
    }
    EXPECT_EQ(FileVersionText(folder.filePath(QStringLiteral("missing"))), QString());
    EXPECT_EQ(FileVersionText(folder.path()), QString());
}

TEST_F(FileVersionTest, EveryTruncationGivesEmptyText)
{
    const QByteArray whole = buildElf(ElfLayout{});
    for (qsizetype length = 0; length < whole.size(); ++length) {
        SCOPED_TRACE(length);
        EXPECT_EQ(FileVersionText(write(whole.left(length))), QString());
    }
}

} // namespace
} // namespace erakon
