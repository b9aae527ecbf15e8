// SPDX-License-Identifier: MIT
// The search service as it is installed: the user era from the window's
// settings file, the window found beside it, and the real binary started by
// the bus from its service file.
#include "core/version.h"
#include "search/search_names.h"
#include "search/settings_user_era.h"
#include "search/window_starter.h"
#include "tests/support/private_session_bus.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>
#include <optional>

namespace erakon {
namespace {

// Writes the file whole under a new name and puts it in place, as the
// window saves its settings.
bool writeFile(const QString& path, const QByteArray& content, QFile::Permissions permissions = {})
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() || !file.commit())
        return false;
    return !permissions || QFile::setPermissions(path, permissions);
}

const QFile::Permissions kExecutable = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;

// An installation under a prefix in a temporary folder: the service in its
// folder and the window at the path the service looks for it.
struct Installation {
    QTemporaryDir root;
    QString service = root.filePath(QStringLiteral(ERAKON_SEARCH_PROVIDER_DIR "/")
                                    + QString::fromUtf8(kSearchProviderName));
    QString window = QDir::cleanPath(QFileInfo(service).path() + u'/' + QString::fromUtf8(kWindowFromSearchProvider));

    // A fake window is written there: never outside the temporary folder.
    bool windowWithinRoot() const { return window.startsWith(root.path() + u'/'); }
};

TEST(SettingsFileUserEraTest, TheWindowsSettingsShowTheUserEraOrNot)
{
    QTemporaryDir folder;
    const SettingsLocation location{folder.filePath(QStringLiteral("config")),
                                    folder.filePath(QStringLiteral("bin/erakon"))};
    const QString userFile = userSettingsFilePath(location);
    SettingsFileUserEra userEra(location);

    struct Row {
        const char* what;
        QByteArray content; // empty: no file
        std::optional<UserEra> expected;
    };
    const Row rows[] = {
        {"no settings file", {}, std::nullopt},
        {"shown", "[OPTION]\nAddItem=1\nAddName=創業\nAddYear=1880\n", UserEra{"創業", 1880}},
        {"changed", "[OPTION]\nAddItem=1\nAddName=開店\nAddYear=1990\n", UserEra{"開店", 1990}},
        {"not shown", "[OPTION]\nAddItem=0\nAddName=開店\nAddYear=1990\n", std::nullopt},
        {"Shift_JIS, as Windows wrote it", "[OPTION]\r\nAddItem=1\r\nAddName=\x91\x6e\x8b\xc6\r\nAddYear=1880\r\n",
         UserEra{"創業", 1880}},
        {"defaults for what is missing", "[option]\naddItem=1\n", UserEra{"創業", 1880}},
    };
    for (const Row& row : rows) {
        if (row.content.isEmpty())
            QFile::remove(userFile);
        else
            ASSERT_TRUE(writeFile(userFile, row.content));
        const std::optional<UserEra> read = userEra.read();
        EXPECT_EQ(read.has_value(), row.expected.has_value()) << row.what;
        if (read && row.expected) {
            EXPECT_EQ(read->name, row.expected->name) << row.what;
            EXPECT_EQ(read->origin, row.expected->origin) << row.what;
        }
    }

    // Without a per-user file the window reads the one beside it.
    QFile::remove(userFile);
    ASSERT_TRUE(writeFile(fallbackSettingsPath(location), "[OPTION]\nAddItem=1\nAddName=社歴\nAddYear=2001\n"));
    ASSERT_TRUE(userEra.read());
    EXPECT_EQ(userEra.read()->name, "社歴");
}

TEST(WindowProgramTest, TheInstalledWindowBesideTheServiceComesFirst)
{
    Installation installed;
    ASSERT_TRUE(installed.windowWithinRoot()) << installed.window.toStdString();
    EXPECT_EQ(windowProgramFor(installed.service), QStandardPaths::findExecutable(QString::fromUtf8(kProgramName)));
    ASSERT_TRUE(writeFile(installed.window, "#!/bin/sh\n", kExecutable));
    EXPECT_EQ(windowProgramFor(installed.service), installed.window);
    EXPECT_EQ(windowArguments(1989), (QStringList{QStringLiteral("--year"), QStringLiteral("1989")}));
    EXPECT_EQ(windowArguments(std::nullopt), QStringList{});
}

// The real service, started by a bus from the service file the package
// installs (its Exec line pointing at a copy of the binary), opens the
// window it finds beside it at the year chosen.
TEST(SearchActivationTest, TheBusStartsTheServiceWhichOpensTheWindow)
{
    Installation installed;
    ASSERT_TRUE(installed.windowWithinRoot()) << installed.window.toStdString();
    const QString started = installed.root.filePath(QStringLiteral("started"));
    ASSERT_TRUE(QDir().mkpath(QFileInfo(installed.service).absolutePath()));
    ASSERT_TRUE(QFile::copy(QStringLiteral(ERAKON_SEARCH_PROVIDER), installed.service));
    ASSERT_TRUE(writeFile(installed.window, "#!/bin/sh\necho \"$@\" >> '" + started.toUtf8() + "'\n", kExecutable));

    QFile serviceFile(QStringLiteral(ERAKON_SEARCH_DBUS_SERVICE));
    ASSERT_TRUE(serviceFile.open(QIODevice::ReadOnly));
    QString service = QString::fromUtf8(serviceFile.readAll());
    static const QRegularExpression execLine(QStringLiteral("^Exec=.*$"), QRegularExpression::MultilineOption);
    service.replace(execLine, QStringLiteral("Exec=") + installed.service);
    const QString services = installed.root.filePath(QStringLiteral("services"));
    ASSERT_TRUE(writeFile(services + u'/' + QFileInfo(serviceFile).fileName(), service.toUtf8()));

    QProcessEnvironment environment;
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), installed.root.filePath(QStringLiteral("config")));
    PrivateSessionBus bus(services, environment);
    QDBusConnection desktop = bus.connect(QStringLiteral("desktop"));
    const QString busName = QString::fromUtf8(kSearchBusName);
    const auto call = [&](const QString& method, const QVariantList& arguments) {
        QDBusMessage message = QDBusMessage::createMethodCall(busName, QString::fromUtf8(kShellSearchObjectPath),
                                                              QStringLiteral("org.gnome.Shell.SearchProvider2"),
                                                              method);
        message.setArguments(arguments);
        return desktop.call(message, QDBus::Block, 20'000);
    };

    const QStringList terms{QString::fromUtf8("令和5")};
    const QDBusReply<QStringList> results = call(QStringLiteral("GetInitialResultSet"), {terms});
    ASSERT_TRUE(results.isValid()) << results.error().message().toStdString();
    EXPECT_EQ(results.value(), terms);
    const QDBusMessage activated = call(QStringLiteral("ActivateResult"), {terms[0], terms, 0u});
    EXPECT_EQ(activated.type(), QDBusMessage::ReplyMessage) << activated.errorMessage().toStdString();

    QFile record(started);
    EXPECT_TRUE(QTest::qWaitFor([&] { return record.exists() && record.size() > 0; }, 10'000));
    ASSERT_TRUE(record.open(QIODevice::ReadOnly));
    EXPECT_EQ(record.readAll(), "--year 2023\n");

    // The service started by the bus goes with the test.
    const QDBusReply<uint> pid = desktop.interface()->servicePid(busName);
    ASSERT_TRUE(pid.isValid());
    ::kill(pid_t(pid.value()), SIGTERM);
}

} // namespace
} // namespace erakon
