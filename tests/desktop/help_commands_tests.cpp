// SPDX-License-Identifier: MIT
#include "desktop/help_commands.h"

#include "desktop/file_properties_window.h"
#include "settings/raw_bytes.h"
#include "tests/support/fake_desktop_platform.h"
#include "tests/support/scripted_messages.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

#include <unistd.h>

namespace erakon {
namespace {

TEST(FindHelpFileTest, SearchesFromTheProgramsFolderUpToTheRoot)
{
    struct Row {
        const char* name;
        QString executable;
        QStringList present;
        std::optional<QString> found;
        QStringList looked;
    };
    const Row rows[] = {
        {"beside the program",
         QStringLiteral("/a/b/c/erakon"),
         {QStringLiteral("/a/b/c/erakon.chm")},
         QStringLiteral("/a/b/c/erakon.chm"),
         {QStringLiteral("/a/b/c/erakon.chm")}},
        {"two folders up",
         QStringLiteral("/a/b/c/erakon"),
         {QStringLiteral("/a/erakon.chm")},
         QStringLiteral("/a/erakon.chm"),
         {QStringLiteral("/a/b/c/erakon.chm"), QStringLiteral("/a/b/erakon.chm"), QStringLiteral("/a/erakon.chm")}},
        {"nearest wins",
         QStringLiteral("/a/b/erakon"),
         {QStringLiteral("/erakon.chm"), QStringLiteral("/a/erakon.chm")},
         QStringLiteral("/a/erakon.chm"),
         {QStringLiteral("/a/b/erakon.chm"), QStringLiteral("/a/erakon.chm")}},
        {"nowhere",
         QStringLiteral("/a/b/erakon"),
         {},
         std::nullopt,
         {QStringLiteral("/a/b/erakon.chm"), QStringLiteral("/a/erakon.chm"), QStringLiteral("/erakon.chm")}},
        {"program at the root", QStringLiteral("/erakon"), {}, std::nullopt, {QStringLiteral("/erakon.chm")}},
        {"last extension replaced",
         QStringLiteral("/a/erakon.bin"),
         {QStringLiteral("/a/erakon.chm")},
         QStringLiteral("/a/erakon.chm"),
         {QStringLiteral("/a/erakon.chm")}},
        {"dotted folder keeps its dot",
         QStringLiteral("/a/my.app/erakon"),
         {QStringLiteral("/a/my.app/erakon.chm")},
         QStringLiteral("/a/my.app/erakon.chm"),
         {QStringLiteral("/a/my.app/erakon.chm")}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        QStringList looked;
        const auto exists = [&](const QString& path) {
            looked.append(path);
            return row.present.contains(path);
        };
        EXPECT_EQ(findHelpFile(row.executable, exists, [](const QString&) { return true; }), row.found);
        EXPECT_EQ(looked, row.looked);
    }
}

// A folder that others may write could hold a help file anyone put there: it
// is passed over, and the search goes on above it.
TEST(FindHelpFileTest, PassesOverFoldersOthersMayWrite)
{
    QStringList looked;
    const auto exists = [&](const QString& path) {
        looked.append(path);
        return path == QStringLiteral("/tmp/erakon.chm") || path == QStringLiteral("/erakon.chm");
    };
    const auto trusted = [](const QString& folder) { return folder != QStringLiteral("/tmp"); };
    EXPECT_EQ(findHelpFile(QStringLiteral("/tmp/x/erakon"), exists, trusted), QStringLiteral("/erakon.chm"));
    EXPECT_EQ(looked, (QStringList{QStringLiteral("/tmp/x/erakon.chm"), QStringLiteral("/erakon.chm")}));
}

// What the system says of a folder: writable by all, owned by another user
// (not root), or neither.
TEST(FolderIsTrustedTest, OnlyFoldersOfThisUserOrRootThatOthersCannotWrite)
{
    QTemporaryDir root;
    const QString folder = root.filePath(QStringLiteral("help"));
    ASSERT_TRUE(QDir().mkpath(folder));
    QFile::setPermissions(folder,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                              | QFileDevice::ReadOther | QFileDevice::ExeOther);
    EXPECT_TRUE(folderIsTrusted(folder));
    QFile::setPermissions(folder,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                              | QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther);
    EXPECT_FALSE(folderIsTrusted(folder)) << "writable by all";
    EXPECT_FALSE(folderIsTrusted(root.filePath(QStringLiteral("missing"))));
    EXPECT_TRUE(folderIsTrusted(QStringLiteral("/"))) << "owned by root";

    // A help file planted in a folder all may write is not opened; one in the
    // program's own folder is.
    const QString program = folder + QStringLiteral("/bin/erakon");
    ASSERT_TRUE(QDir().mkpath(QFileInfo(program).path()));
    QFile(folder + QStringLiteral("/erakon.chm")).open(QIODevice::WriteOnly);
    const auto isFile = [](const QString& path) { return QFileInfo(path).isFile(); };
    EXPECT_EQ(findHelpFile(program, isFile), std::nullopt);
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(findHelpFile(program, isFile), folder + QStringLiteral("/erakon.chm"));

    // Another user's folder: only root can give one away to test it.
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to make a folder another user owns";
    ASSERT_EQ(::chown(encodeFileName(folder).constData(), 65534, 65534), 0); // nobody
    EXPECT_FALSE(folderIsTrusted(folder)) << "owned by another user";
    EXPECT_EQ(findHelpFile(program, isFile), std::nullopt);
}

TEST(ShowHelpTest, OpensAHelpFileFoundAboveTheProgram)
{
    QTemporaryDir root;
    ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("x/y")));
    const QString help = root.filePath(QStringLiteral("erakon.chm"));
    QFile(help).open(QIODevice::WriteOnly);
    FakeDesktopPlatform platform;
    platform.executable = root.filePath(QStringLiteral("x/y/erakon"));
    ScriptedMessages messages;

    showHelp(platform, messages);

    EXPECT_EQ(platform.opened, QList<QUrl>{QUrl::fromLocalFile(help)});
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST(FindManualIndexTest, BesideTheProgramFirstThenTheInstalledManual)
{
    if (QStringLiteral(ERAKON_MANUAL_FROM_PROGRAM) != QStringLiteral("../share/doc/erakon/html"))
        GTEST_SKIP() << "configured with other installation folders: " ERAKON_MANUAL_FROM_PROGRAM;
    const QString beside = QStringLiteral("/opt/e/bin/manual/index.html");
    const QString installed = QStringLiteral("/opt/e/share/doc/erakon/html/index.html");
    EXPECT_EQ(manualIndexCandidates(QStringLiteral("/opt/e/bin/erakon")), (QStringList{beside, installed}));

    struct Row {
        const char* name;
        QStringList present;
        std::optional<QString> found;
    };
    const Row rows[] = {
        {"installed", {installed}, installed},
        {"beside the program", {beside}, beside},
        {"beside wins", {installed, beside}, beside},
        {"nowhere", {}, std::nullopt},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto exists = [&](const QString& path) { return row.present.contains(path); };
        EXPECT_EQ(findManualIndex(QStringLiteral("/opt/e/bin/erakon"), exists), row.found);
    }
}

// A file with its folders made, under the temporary root.
QString makeFile(const QTemporaryDir& root, const QString& relativePath)
{
    QString path = QDir::cleanPath(root.filePath(relativePath));
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    return path;
}

TEST(ShowHelpTest, WithoutAHelpFileTheManualOpensInTheBrowser)
{
    struct Row {
        const char* name;
        QString executable;
        QString manual;
    };
    const Row rows[] = {
        {"installed under a prefix", QStringLiteral("usr/bin/erakon"),
         QStringLiteral("usr/bin/" ERAKON_MANUAL_FROM_PROGRAM "/index.html")},
        {"beside the program in a build tree", QStringLiteral("build/window/erakon"),
         QStringLiteral("build/window/" ERAKON_MANUAL_BESIDE_PROGRAM "/index.html")},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        QTemporaryDir root;
        const QString manual = makeFile(root, row.manual);
        FakeDesktopPlatform platform;
        platform.executable = root.filePath(row.executable);
        ScriptedMessages messages;

        showHelp(platform, messages);

        EXPECT_EQ(platform.opened, QList<QUrl>{QUrl::fromLocalFile(manual)});
        EXPECT_TRUE(messages.shown.isEmpty());
    }
}

TEST(ShowHelpTest, AHelpFileComesBeforeTheManual)
{
    QTemporaryDir root;
    makeFile(root, QStringLiteral("bin/" ERAKON_MANUAL_BESIDE_PROGRAM "/index.html"));
    const QString help = makeFile(root, QStringLiteral("erakon.chm"));
    FakeDesktopPlatform platform;
    platform.executable = root.filePath(QStringLiteral("bin/erakon"));
    ScriptedMessages messages;

    showHelp(platform, messages);

    EXPECT_EQ(platform.opened, QList<QUrl>{QUrl::fromLocalFile(help)});
}

TEST(ShowHelpTest, MissingHelpFileIsReportedByItsBareName)
{
    QTemporaryDir root;
    FakeDesktopPlatform platform;
    // A name no folder up to the root will hold.
    platform.executable = root.filePath(QStringLiteral("erakon-help-test-7f3a.bin"));
    ScriptedMessages messages;

    showHelp(platform, messages);

    EXPECT_TRUE(platform.opened.isEmpty());
    EXPECT_EQ(messages.shown,
              QStringList{QStringLiteral("report: HelpFile Not Found.\r\n\r\nerakon-help-test-7f3a.chm")});
}

TEST(WebPagesTest, PagesHangOffTheSiteRoot)
{
    FakeDesktopPlatform platform;
    openHomeSite(platform);
    openDonationPage(platform);
    EXPECT_EQ(platform.opened,
              (QList<QUrl>{QUrl(QStringLiteral("https://www.harunagi.example/")),
                           QUrl(QStringLiteral("https://www.harunagi.example/software/index3.html"))}));
}

class ShowFilePropertiesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.setWindowFlag(Qt::WindowStaysOnTopHint, true);
        stayOnTop = new QCheckBox(&window);
        stayOnTop->setChecked(true);
        window.show();
    }
    QWidget window;
    QCheckBox* stayOnTop = nullptr;
    FakeDesktopPlatform platform;
};

TEST_F(ShowFilePropertiesTest, MainWindowLeavesStayOnTopAndTheSettingKeepsItsState)
{
    EXPECT_TRUE(ShowFileProperties(&window, platform, QStringLiteral("/opt/erakon/bin/erakon")));

    EXPECT_FALSE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(stayOnTop->isChecked());
    EXPECT_EQ(platform.propertiesRequested, QList<QUrl>{QUrl::fromLocalFile(QStringLiteral("/opt/erakon/bin/erakon"))});
    EXPECT_EQ(window.findChild<FilePropertiesWindow*>(), nullptr);
}

TEST_F(ShowFilePropertiesTest, WithoutAFileManagerTheProgramShowsItsOwnWindow)
{
    QTemporaryDir root;
    const QString file = root.filePath(QStringLiteral("erakon"));
    QFile(file).open(QIODevice::WriteOnly);
    platform.fileManagerAnswers = false;
    platform.executable = file;

    showProgramProperties(&window, platform);

    auto* properties = window.findChild<FilePropertiesWindow*>();
    ASSERT_NE(properties, nullptr);
    EXPECT_TRUE(properties->isVisible());
    EXPECT_EQ(properties->windowTitle(), QStringLiteral("erakon のプロパティ"));
    properties->close(); // deletes itself
}

} // namespace
} // namespace erakon
