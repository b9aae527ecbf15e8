// SPDX-License-Identifier: MIT
#include "settings/atomic_file.h"

#include "settings/raw_bytes.h"
#include "tests/support/settings_test_printers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace erakon {
namespace {

using namespace Qt::Literals::StringLiterals;

struct OwnerChange {
    uid_t owner;
    gid_t group;
};
std::vector<OwnerChange> ownerChanges;

// Stands in for fchown: records the owner asked for, as a test cannot give a
// file to another user without root.
int recordOwner(int, uid_t owner, gid_t group)
{
    ownerChanges.push_back({owner, group});
    return 0;
}

class AtomicFileTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_root.isValid());
        ownerChanges.clear();
    }

    QString path(const QString& name) const { return m_root.filePath(name); }

    static QByteArray read(const QString& file)
    {
        const FileContent content = readRegularFile(file, 1024);
        return content.outcome == FileContent::Outcome::Read ? content.bytes : QByteArray("(unread)");
    }

    static struct stat status(const QString& file)
    {
        struct stat result {};
        ::lstat(encodeFileName(file).constData(), &result);
        return result;
    }

    QTemporaryDir m_root;
};

TEST_F(AtomicFileTest, ReplacementKeepsOwnerGroupAndMode)
{
    const QString file = path(u"settings.ini"_s);
    ASSERT_EQ(writeFileAtomically(file, "old"), std::nullopt);
    ASSERT_EQ(::chmod(encodeFileName(file).constData(), 0640), 0);
    const struct stat before = status(file);

    ASSERT_EQ(writeFileAtomically(file, "new", {.changeOwner = recordOwner}), std::nullopt);
    EXPECT_EQ(read(file), "new");
    ASSERT_EQ(ownerChanges.size(), 1u);
    EXPECT_EQ(ownerChanges[0].owner, before.st_uid);
    EXPECT_EQ(ownerChanges[0].group, before.st_gid);
    EXPECT_EQ(status(file).st_mode & 07777, 0640u);
    EXPECT_NE(status(file).st_ino, before.st_ino); // replaced, not written in place
}

TEST_F(AtomicFileTest, NewFileTakesTheDefaultModeAndNoOwner)
{
    const QString file = path(u"new.ini"_s);
    const mode_t mask = ::umask(022);
    const std::optional<QString> error = writeFileAtomically(file, "x", {.changeOwner = recordOwner});
    ::umask(mask);
    ASSERT_EQ(error, std::nullopt);
    EXPECT_TRUE(ownerChanges.empty());
    EXPECT_EQ(status(file).st_mode & 07777, 0644u);
}

TEST_F(AtomicFileTest, LinksAreWrittenThroughOrReplaced)
{
    const QString target = path(u"target"_s);
    const QString link = path(u"link"_s);
    for (const LinkHandling links : {LinkHandling::WriteThrough, LinkHandling::ReplaceLink}) {
        const bool through = links == LinkHandling::WriteThrough;
        SCOPED_TRACE(through ? "write through" : "replace link");
        QFile::remove(link);
        ASSERT_EQ(writeFileAtomically(target, "target"), std::nullopt);
        ASSERT_EQ(::chmod(encodeFileName(target).constData(), 0600), 0);
        ASSERT_TRUE(QFile::link(u"target"_s, link));

        ASSERT_EQ(writeFileAtomically(link, "new",
                                      {.links = links, .mode = through ? std::nullopt : std::optional<mode_t>(0755)}),
                  std::nullopt);
        EXPECT_EQ(S_ISLNK(status(link).st_mode), through);
        EXPECT_EQ(read(target), through ? "new" : "target");
        EXPECT_EQ(status(target).st_mode & 07777, 0600u);
        if (!through) {
            EXPECT_EQ(status(link).st_mode & 07777, 0755u);
        }
    }
}

TEST_F(AtomicFileTest, OnlyARegularFileIsReplacedThroughALink)
{
    const QString fifo = path(u"fifo"_s);
    ASSERT_EQ(::mkfifo(encodeFileName(fifo).constData(), 0600), 0);
    const std::optional<QString> error = writeFileAtomically(fifo, "x");
    ASSERT_TRUE(error.has_value());
    EXPECT_TRUE(error->contains(u"not a regular file"_s)) << error->toStdString();
    EXPECT_TRUE(S_ISFIFO(status(fifo).st_mode));
    // No temporary file is left behind.
    EXPECT_EQ(QDir(m_root.path()).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{u"fifo"_s});
}

TEST_F(AtomicFileTest, ReadingStopsAtTheLimit)
{
    const QString file = path(u"file"_s);
    ASSERT_EQ(writeFileAtomically(file, "0123456789"), std::nullopt);
    EXPECT_EQ(readRegularFile(file, 10).outcome, FileContent::Outcome::Read);
    EXPECT_EQ(readRegularFile(file, 10).bytes, "0123456789");
    EXPECT_EQ(readRegularFile(file, 9).outcome, FileContent::Outcome::TooLarge);
    EXPECT_EQ(readRegularFile(path(u"missing"_s), 10).outcome, FileContent::Outcome::Missing);
    EXPECT_EQ(readRegularFile(m_root.path(), 10).outcome, FileContent::Outcome::NotRegular);
    // A file of the kernel's says it is empty, yet has more to give.
    EXPECT_EQ(readRegularFile(u"/proc/self/maps"_s, 10).outcome, FileContent::Outcome::TooLarge);
}

// A folder whose name is not UTF-8: the program holds it with raw bytes and
// reaches the real folder with them.
TEST_F(AtomicFileTest, PathsWithBytesThatAreNotUtf8ReachTheirFiles)
{
    const QByteArray folderBytes = QFile::encodeName(m_root.path()) + "/bad\xFF";
    ASSERT_EQ(::mkdir(folderBytes.constData(), 0700), 0);
    const QString folder = decodeFileName(folderBytes);
    EXPECT_EQ(encodeFileName(folder), folderBytes);
    EXPECT_TRUE(folder.startsWith(m_root.path()));

    const QString file = folder + u"/erakon.ini"_s;
    ASSERT_EQ(writeFileAtomically(file, "x"), std::nullopt);
    struct stat result {};
    EXPECT_EQ(::stat((folderBytes + "/erakon.ini").constData(), &result), 0);
    EXPECT_EQ(read(file), "x");
    EXPECT_EQ(makeFolders(folder + u"/sub/folder"_s), std::nullopt);
    EXPECT_EQ(::stat((folderBytes + "/sub/folder").constData(), &result), 0);
    EXPECT_EQ(removeEntry(file), std::nullopt);
    EXPECT_FALSE(pathIsTaken(file));
    // QTemporaryDir cannot name these folders.
    for (const QByteArray& leftover : {folderBytes + "/sub/folder", folderBytes + "/sub", folderBytes})
        ::rmdir(leftover.constData());
}

} // namespace
} // namespace erakon
