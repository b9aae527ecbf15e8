// SPDX-License-Identifier: MIT
#include "desktop/desktop_entry.h"

#include "core/version.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace erakon {
namespace {

// desktop-file-validate's verdict on the entry, or nullopt when the tool is
// not installed.
std::optional<QString> validatorComplaints(const QByteArray& entry)
{
    const QString validator = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    if (validator.isEmpty())
        return std::nullopt;
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Erakon.desktop"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(entry) != entry.size())
        return QStringLiteral("could not write the entry");
    file.close();
    QProcess process;
    process.start(validator, {path});
    process.waitForFinished();
    const QString output = QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError());
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0
        || output.contains(QStringLiteral("error")))
        return output.isEmpty() ? QStringLiteral("validator failed") : output;
    return QString();
}

TEST(DesktopEntryTest, ExecQuotesAwkwardPathsAndTheValidatorAcceptsThem)
{
    struct Row {
        const char* name;
        QString path;
        QString exec; // as it stands in the file
    };
    const Row rows[] = {
        {"plain", QStringLiteral("/opt/erakon/erakon"), QStringLiteral(R"("/opt/erakon/erakon")")},
        {"spaces", QStringLiteral("/home/u/My Apps/erakon"), QStringLiteral(R"("/home/u/My Apps/erakon")")},
        {"double quote", QStringLiteral(R"(/tmp/a"b/erakon)"), QStringLiteral(R"("/tmp/a\\"b/erakon")")},
        {"single quote", QStringLiteral("/tmp/it's/erakon"), QStringLiteral(R"("/tmp/it's/erakon")")},
        {"percent", QStringLiteral("/tmp/100%/%f/erakon"),
         QStringLiteral(R"(sh -c "exec \\"\\$0\\"" "/tmp/100%%/%%f/erakon")")},
        {"dollar", QStringLiteral("/tmp/$HOME/erakon"), QStringLiteral(R"("/tmp/\\$HOME/erakon")")},
        {"backslash", QStringLiteral(R"(/tmp/a\b/erakon)"), QStringLiteral(R"("/tmp/a\\\\b/erakon")")},
        {"backtick", QStringLiteral("/tmp/`id`/erakon"), QStringLiteral(R"("/tmp/\\`id\\`/erakon")")},
        {"non-ASCII", QStringLiteral("/home/太郎/アプリ/erakon"), QStringLiteral(R"("/home/太郎/アプリ/erakon")")},
        {"shell words", QStringLiteral("/tmp/a;b|c&d>e<f~g*h?i#j(k)l=m/erakon"),
         QStringLiteral(R"("/tmp/a;b|c&d>e<f~g*h?i#j(k)l=m/erakon")")},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(desktopEntryExecValue(row.path), row.exec);

        const std::optional<QByteArray> entry = desktopEntryFor(row.path);
        ASSERT_TRUE(entry);
        EXPECT_TRUE(entry->contains(QByteArray("\nExec=") + row.exec.toUtf8() + '\n'));
        if (const std::optional<QString> complaints = validatorComplaints(*entry)) {
            EXPECT_TRUE(complaints->isEmpty()) << complaints->toStdString();
        }
    }
}

// GLib's launcher, as the GNOME desktop and `gio launch` use it, starts the
// program at each awkward path: it refuses an entry whose program it cannot
// find, and it must find and run exactly the path the entry names.
TEST(DesktopEntryTest, GioLaunchStartsTheProgramAtAwkwardPaths)
{
    const QString gio = QStandardPaths::findExecutable(QStringLiteral("gio"));
    ASSERT_FALSE(gio.isEmpty()) << "gio (Debian libglib2.0-bin) is needed";
    const QStringList folders = {
        QStringLiteral("plain"),     QStringLiteral("My Apps"),      QStringLiteral("100%"),
        QStringLiteral("%f and %u"), QStringLiteral("50%=half"),     QStringLiteral(R"(a"b)"),
        QStringLiteral("$HOME"),     QStringLiteral(R"(a\b)"),       QStringLiteral("`id`"),
        QStringLiteral("it's"),      QStringLiteral("太郎のアプリ"), QStringLiteral("a;b|c&d>e<f~g*h?i#j(k)l=m"),
    };
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QString started = root.filePath(QStringLiteral("started"));
    for (const QString& folder : folders) {
        SCOPED_TRACE(folder.toStdString());
        QFile::remove(started);
        const QString program = root.filePath(folder) + QStringLiteral("/erakon");
        ASSERT_TRUE(QDir().mkpath(root.filePath(folder)));
        QFile script(program);
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        // The program says by which path it was started.
        script.write(
            "#!/bin/sh\nprintf '%s' \"$0\" > \"$ERAKON_TEST_STARTED.part\" && mv \"$ERAKON_TEST_STARTED.part\" "
            "\"$ERAKON_TEST_STARTED\"\n");
        script.close();
        ASSERT_TRUE(script.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));

        const std::optional<QByteArray> entry = desktopEntryFor(program);
        ASSERT_TRUE(entry);
        const QString entryPath = root.filePath(QStringLiteral("Erakon.desktop"));
        QFile entryFile(entryPath);
        ASSERT_TRUE(entryFile.open(QIODevice::WriteOnly | QIODevice::Truncate));
        entryFile.write(*entry);
        entryFile.close();

        QProcess launch;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("ERAKON_TEST_STARTED"), started);
        launch.setProcessEnvironment(environment);
        launch.start(gio, {QStringLiteral("launch"), entryPath});
        ASSERT_TRUE(launch.waitForFinished(30000));
        EXPECT_EQ(launch.exitCode(), 0) << launch.readAllStandardError().toStdString() << entry->toStdString();

        QFile marker(started);
        QDeadlineTimer deadline(30000);
        while (!marker.exists() && !deadline.hasExpired())
            QThread::msleep(20);
        ASSERT_TRUE(marker.open(QIODevice::ReadOnly)) << "the program was not started: " << entry->toStdString();
        EXPECT_EQ(QString::fromUtf8(marker.readAll()), program);
    }
}

TEST(DesktopEntryTest, EntryHasTheKeysALauncherNeeds)
{
    const std::optional<QByteArray> entry = desktopEntryFor(QStringLiteral("/opt/erakon/erakon"));
    ASSERT_TRUE(entry);
    const QList<QByteArray> lines = entry->split('\n');
    EXPECT_EQ(lines.first(), "[Desktop Entry]");
    const QByteArray name = "Name=" + QByteArray(kApplicationTitle.data(), qsizetype(kApplicationTitle.size()));
    const QByteArray icon = "Icon=" + QByteArray(kProgramName.data(), qsizetype(kProgramName.size()));
    for (const QByteArray& line : {QByteArray("Type=Application"), name, icon, QByteArray("Terminal=false")})
        EXPECT_TRUE(lines.contains(line)) << line.toStdString();
}

TEST(DesktopEntryTest, PathsNoEntryCanCarryAreRefused)
{
    struct Row {
        const char* name;
        QString path;
    };
    const Row rows[] = {
        {"line feed", QStringLiteral("/tmp/a\nExec=/bin/sh")},
        {"carriage return", QStringLiteral("/tmp/a\rb")},
        {"tab", QStringLiteral("/tmp/a\tb")},
        {"delete",
         QStringLiteral("/tmp/a\x7f"
                        "b")},
        {"C1 control", QStringLiteral("/tmp/a") + QChar(0x85) + QStringLiteral("b")},
        {"lone surrogate", QStringLiteral("/tmp/a") + QChar(0xd800) + QStringLiteral("b")},
        {"empty", QString()},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(desktopEntryExecValue(row.path), std::nullopt);
        EXPECT_EQ(desktopEntryFor(row.path), std::nullopt);
    }
}

} // namespace
} // namespace erakon
