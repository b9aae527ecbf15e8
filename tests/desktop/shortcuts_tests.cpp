// SPDX-License-Identifier: MIT
#include "desktop/shortcuts.h"

#include "tests/support/fake_desktop_platform.h"
#include "tests/support/scripted_messages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <cerrno>

namespace erakon {
namespace {

using Answer = Messages::Answer;

const QString kDesktop = QStringLiteral("デスクトップ");

class ShortcutsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(root.isValid());
        platform.folders[SpecialFolder::Desktop] = root.filePath(QStringLiteral("Desktop"));
        platform.folders[SpecialFolder::Programs] = root.filePath(QStringLiteral("share/applications"));
        platform.folders[SpecialFolder::Startup] = root.filePath(QStringLiteral("config/autostart"));
        QDir(root.path()).mkpath(QStringLiteral("Desktop"));
        timer.setInterval(1000);
        timer.start();
        messages.whileShown = [this] { timerRanDuringMessage |= timer.isActive(); };
    }

    QString desktopLink() const { return root.filePath(QStringLiteral("Desktop/Erakon.desktop")); }
    QString linkText(const QString& path) const
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }
    void putExistingLink(const QString& content)
    {
        QFile file(desktopLink());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content.toUtf8());
    }
    ShortcutContext context() { return {platform, messages, &timer}; }

    QTemporaryDir root;
    FakeDesktopPlatform platform;
    ScriptedMessages messages;
    QTimer timer;
    bool timerRanDuringMessage = false;
};

TEST_F(ShortcutsTest, DesktopWithoutShortcutCreatesItAndOffersToShowIt)
{
    messages.answers = {Answer::Yes};
    registerDesktopShortcut(context());

    const QStringList expected{
        QStringLiteral("report: フォルダ デスクトップ に \r\n") + desktopLink()
            + QStringLiteral("\r\n新規作成しました。"),
        QStringLiteral("yes/no: フォルダ デスクトップ を開きますか？"),
    };
    EXPECT_EQ(messages.shown, expected);
    const QString text = linkText(desktopLink());
    EXPECT_TRUE(text.startsWith(QStringLiteral("[Desktop Entry]\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("\nName=Erakon\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("\nExec=\"/opt/erakon/bin/erakon\"\n")));
    EXPECT_TRUE(QFileInfo(desktopLink()).permissions().testFlag(QFileDevice::ExeOwner));
    EXPECT_EQ(platform.shownItems, QList<QUrl>{QUrl::fromLocalFile(desktopLink())});
    EXPECT_FALSE(timerRanDuringMessage);
    EXPECT_TRUE(timer.isActive());
}

TEST_F(ShortcutsTest, SecondPressAsksWhatToDoWithTheExistingShortcut)
{
    messages.answers = {Answer::No, Answer::Cancel};
    registerDesktopShortcut(context());
    registerDesktopShortcut(context());

    ASSERT_EQ(messages.shown.size(), 3);
    EXPECT_EQ(messages.shown.last(),
              QStringLiteral("yes/no/cancel: デスクトップ には既に Erakon.desktop が存在します。\r\n"
                             "更新しますか？\r\n\r\n[はい]: 更新, [いいえ]: 削除, [Cancel]: 取消し"));
}

TEST_F(ShortcutsTest, RenewWritesTheCurrentProgramPath)
{
    putExistingLink(QStringLiteral("[Desktop Entry]\nExec=/old/place/erakon\n"));
    platform.executable = QStringLiteral("/new/place/erakon");
    messages.answers = {Answer::Yes, Answer::No};
    registerDesktopShortcut(context());

    ASSERT_EQ(messages.shown.size(), 3);
    EXPECT_EQ(messages.shown[1],
              QStringLiteral("report: フォルダ デスクトップ の \r\n") + desktopLink()
                  + QStringLiteral("\r\n更新しました。"));
    EXPECT_EQ(messages.shown[2], QStringLiteral("yes/no: フォルダ デスクトップ を開きますか？"));
    EXPECT_TRUE(linkText(desktopLink()).contains(QStringLiteral("\nExec=\"/new/place/erakon\"\n")));
    EXPECT_FALSE(linkText(desktopLink()).contains(QStringLiteral("/old/place")));
    EXPECT_TRUE(platform.shownItems.isEmpty());
}

TEST_F(ShortcutsTest, DeleteRemovesTheShortcutAndThenOpensTheFolder)
{
    putExistingLink(QStringLiteral("[Desktop Entry]\n"));
    messages.answers = {Answer::No, Answer::Yes};
    registerDesktopShortcut(context());

    ASSERT_EQ(messages.shown.size(), 3);
    EXPECT_EQ(messages.shown[1],
              QStringLiteral("report: フォルダ デスクトップ から \r\n") + desktopLink()
                  + QStringLiteral("\r\n削除しました。"));
    EXPECT_EQ(messages.shown[2], QStringLiteral("yes/no: フォルダ デスクトップ を開きますか？"));
    EXPECT_FALSE(QFileInfo::exists(desktopLink()));
    // The link is gone, so the folder itself is opened.
    EXPECT_TRUE(platform.shownItems.isEmpty());
    EXPECT_EQ(platform.opened, QList<QUrl>{QUrl::fromLocalFile(root.filePath(QStringLiteral("Desktop")) + u'/')});
    EXPECT_TRUE(timer.isActive());
}

TEST_F(ShortcutsTest, CancelEndsAtOnceAndTheClockRunsAgain)
{
    putExistingLink(QStringLiteral("keep me"));
    messages.answers = {Answer::Cancel};
    registerDesktopShortcut(context());

    EXPECT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].startsWith(QStringLiteral("yes/no/cancel: ")));
    EXPECT_EQ(linkText(desktopLink()), QStringLiteral("keep me"));
    EXPECT_FALSE(timerRanDuringMessage);
    EXPECT_TRUE(timer.isActive());
}

// A folder in the link's place can be neither replaced by a file nor removed
// as one, whoever runs the test.
TEST_F(ShortcutsTest, FailedRenewAndFailedDeleteAreReportedAndTheFolderStillOffered)
{
    struct Row {
        const char* name;
        Answer answer;
        QString outcome;
    };
    const Row rows[] = {
        {"renew", Answer::Yes, QStringLiteral("\r\n更新できませんでした。\r\n") + qt_error_string(EISDIR)},
        {"delete", Answer::No, QStringLiteral("\r\n削除できませんでした。\r\n削除済み、または他で使用中です。")},
    };
    ASSERT_TRUE(QDir().mkpath(desktopLink() + QStringLiteral("/occupied")));
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        messages.shown.clear();
        messages.answers = {row.answer, Answer::No};
        registerDesktopShortcut(context());

        ASSERT_EQ(messages.shown.size(), 3);
        const QString preposition = row.answer == Answer::Yes ? QStringLiteral(" の ") : QStringLiteral(" から ");
        EXPECT_EQ(messages.shown[1],
                  QStringLiteral("report: フォルダ デスクトップ") + preposition + QStringLiteral("\r\n") + desktopLink()
                      + row.outcome);
        EXPECT_EQ(messages.shown[2], QStringLiteral("yes/no: フォルダ デスクトップ を開きますか？"));
        EXPECT_TRUE(QFileInfo(desktopLink()).isDir());
        EXPECT_TRUE(timer.isActive());
    }
}

TEST_F(ShortcutsTest, FailedCreateIsReported)
{
    struct Row {
        const char* name;
        QString folder;
        QString target;
        QString reason;
    };
    QFile blocker(root.filePath(QStringLiteral("not-a-folder")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString controlCharacter = QStringLiteral(
        "プログラムのパスに改行などの制御文字があり、ショートカットに書けません。");
    const Row rows[] = {
        {"folder is a file", blocker.fileName() + QStringLiteral("/Desktop"), platform.executable,
         qt_error_string(ENOTDIR)},
        {"line break in target", root.filePath(QStringLiteral("Desktop")), QStringLiteral("/opt/evil\nExec=/bin/sh"),
         controlCharacter},
        {"carriage return in target", root.filePath(QStringLiteral("Desktop")), QStringLiteral("/opt/a\rb"),
         controlCharacter},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        platform.folders[SpecialFolder::Desktop] = row.folder;
        messages.shown.clear();
        messages.answers = {Answer::No};
        RegisterShortcut(context(), SpecialFolder::Desktop, kDesktop, row.target);

        const QString link = row.folder + u'/' + shortcutFileName(row.target, platform.executable);
        ASSERT_EQ(messages.shown.size(), 2);
        EXPECT_EQ(messages.shown[0],
                  QStringLiteral("report: フォルダ デスクトップ に \r\n") + link
                      + QStringLiteral("\r\n新規作成できませんでした。\r\n") + row.reason);
        EXPECT_FALSE(QFileInfo::exists(link));
    }
}

// A link in the shortcut's place is the shortcut: renewing puts a file of
// its own there and deleting removes the link; the file the link points to,
// or the place a dangling link names, is never written or changed.
TEST_F(ShortcutsTest, LinkInTheShortcutsPlaceIsReplacedOrRemovedItself)
{
    struct Row {
        const char* name;
        bool dangling;
        Answer answer;
        QString outcome;
    };
    const Row rows[] = {
        {"renew link to a file", false, Answer::Yes, QStringLiteral("\r\n更新しました。")},
        {"delete link to a file", false, Answer::No, QStringLiteral("\r\n削除しました。")},
        {"renew dangling link", true, Answer::Yes, QStringLiteral("\r\n更新しました。")},
        {"delete dangling link", true, Answer::No, QStringLiteral("\r\n削除しました。")},
    };
    const QString important = root.filePath(QStringLiteral("important.txt"));
    const QString nowhere = root.filePath(QStringLiteral("nowhere.txt"));
    const QFileDevice::Permissions privateMode = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        {
            QFile file(important);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write("my own text\n");
        }
        ASSERT_TRUE(QFile::setPermissions(important, privateMode));
        QFile::remove(desktopLink());
        ASSERT_TRUE(QFile::link(row.dangling ? QStringLiteral("../nowhere.txt") : QStringLiteral("../important.txt"),
                                desktopLink()));
        messages.shown.clear();
        messages.answers = {row.answer, Answer::No};
        registerDesktopShortcut(context());

        ASSERT_EQ(messages.shown.size(), 3);
        EXPECT_TRUE(messages.shown[0].startsWith(QStringLiteral("yes/no/cancel: ")));
        EXPECT_TRUE(messages.shown[1].endsWith(desktopLink() + row.outcome)) << messages.shown[1].toStdString();
        EXPECT_EQ(linkText(important), QStringLiteral("my own text\n"));
        EXPECT_EQ(QFileInfo(important).permissions() & 0x7077, privateMode);
        EXPECT_FALSE(QFileInfo::exists(nowhere));
        const QFileInfo shortcut(desktopLink());
        EXPECT_FALSE(shortcut.isSymLink());
        if (row.answer == Answer::Yes) {
            EXPECT_TRUE(shortcut.isFile());
            EXPECT_TRUE(shortcut.permissions().testFlag(QFileDevice::ExeOwner));
            EXPECT_TRUE(linkText(desktopLink()).contains(QStringLiteral("\nExec=\"/opt/erakon/bin/erakon\"\n")));
        } else {
            EXPECT_FALSE(shortcut.exists());
        }
    }
}

// A program whose path a desktop entry cannot carry gets no shortcut, and
// the report says why.
TEST_F(ShortcutsTest, ProgramPathThatCannotBeWrittenIsReportedWithTheReason)
{
    struct Row {
        const char* name;
        QString executable;
        QString reason;
    };
    // A byte that is not UTF-8 (0xFF) in a folder's name, as the program
    // carries it in a path.
    const QString notUtf8 = QStringLiteral("/opt/bad") + QChar(0xDCFF) + QStringLiteral("/erakon");
    const Row rows[] = {
        {"not UTF-8", notUtf8,
         QStringLiteral("プログラムのパスに UTF-8 として読めない文字があり、ショートカットに書けません。")},
        {"unknown", QString(), QStringLiteral("プログラムの場所がわかりません。")},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        platform.executable = row.executable;
        messages.shown.clear();
        messages.answers = {Answer::No};
        registerDesktopShortcut(context());

        ASSERT_EQ(messages.shown.size(), 2);
        const QStringList report = messages.shown[0].split(QStringLiteral("\r\n"));
        ASSERT_EQ(report.size(), 4) << messages.shown[0].toStdString();
        EXPECT_EQ(report[2], QStringLiteral("新規作成できませんでした。"));
        EXPECT_EQ(report[3], row.reason);
        EXPECT_FALSE(QFileInfo::exists(desktopLink()));
    }
}

TEST_F(ShortcutsTest, EachButtonUsesItsFolderAndName)
{
    struct Row {
        const char* name;
        void (*click)(const ShortcutContext&);
        SpecialFolder folder;
        QString displayName;
    };
    const Row rows[] = {
        {"desktop", registerDesktopShortcut, SpecialFolder::Desktop, QStringLiteral("デスクトップ")},
        {"start menu", registerStartMenuShortcut, SpecialFolder::Programs,
         QStringLiteral("スタートメニューのプログラム")},
        {"startup", registerStartupShortcut, SpecialFolder::Startup, QStringLiteral("スタートアップ")},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        messages.shown.clear();
        messages.answers = {Answer::No};
        row.click(context());

        // Missing folders (applications, autostart) are created.
        const QString link = platform.folders[row.folder] + QStringLiteral("/Erakon.desktop");
        EXPECT_TRUE(QFileInfo(link).isFile());
        EXPECT_EQ(
            messages.shown,
            (QStringList{QStringLiteral("report: フォルダ ") + row.displayName + QStringLiteral(" に \r\n") + link
                             + QStringLiteral("\r\n新規作成しました。"),
                         QStringLiteral("yes/no: フォルダ ") + row.displayName + QStringLiteral(" を開きますか？")}));
    }
}

TEST_F(ShortcutsTest, UnknownFolderIsReportedWithoutFormingAPath)
{
    platform.folders.remove(SpecialFolder::Startup);
    registerStartupShortcut(context());

    EXPECT_EQ(messages.shown, QStringList{QStringLiteral("report: フォルダ スタートアップ の場所がわかりません。")});
    EXPECT_TRUE(timer.isActive());
    EXPECT_EQ(QDir(root.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("Desktop")});
}

TEST(SpecialFolderPathTest, EndsWithOneSlashAndRefusesRelativeFolders)
{
    struct Row {
        const char* name;
        QString folder;
        QString expected;
    };
    const Row rows[] = {
        {"plain", QStringLiteral("/home/u/Desktop"), QStringLiteral("/home/u/Desktop/")},
        {"with slash", QStringLiteral("/home/u/Desktop/"), QStringLiteral("/home/u/Desktop/")},
        {"relative", QStringLiteral("Desktop"), QString()},
        {"unknown", QString(), QString()},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        FakeDesktopPlatform platform;
        platform.folders[SpecialFolder::Desktop] = row.folder;
        EXPECT_EQ(SpecialFolderPath(platform, SpecialFolder::Desktop), row.expected);
    }
}

TEST(ShortcutFileNameTest, NamedAfterTheProgramOnlyForTheRunningProgram)
{
    const QString running = QStringLiteral("/opt/erakon/bin/erakon");
    struct Row {
        const char* name;
        QString target;
        QString expected;
    };
    const Row rows[] = {
        {"running program", running, QStringLiteral("Erakon.desktop")},
        {"other case is another file", QStringLiteral("/OPT/erakon/bin/erakon"), QStringLiteral("erakon.desktop")},
        {"last extension dropped", QStringLiteral("/usr/bin/backup.tar.gz"), QStringLiteral("backup.tar.desktop")},
        {"no extension", QStringLiteral("/usr/bin/tool"), QStringLiteral("tool.desktop")},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(shortcutFileName(row.target, running), row.expected);
    }
}

TEST(RevealInExplorerTest, FallsBackToTheFolderWhenNoFileManagerAnswers)
{
    QTemporaryDir root;
    const QString file = root.filePath(QStringLiteral("Erakon.desktop"));
    QFile(file).open(QIODevice::WriteOnly);
    FakeDesktopPlatform platform;
    platform.fileManagerAnswers = false;

    revealInFileManager(platform, file);

    EXPECT_EQ(platform.shownItems, QList<QUrl>{QUrl::fromLocalFile(file)});
    EXPECT_EQ(platform.opened, QList<QUrl>{QUrl::fromLocalFile(root.path() + u'/')});
}

} // namespace
} // namespace erakon
