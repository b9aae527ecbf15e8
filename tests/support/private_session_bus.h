// SPDX-License-Identifier: MIT
#pragma once

// A session bus of a test's own: a dbus-daemon on a socket in a temporary
// folder, which starts the services whose files lie in a given folder, as
// the desktop's bus does. Nothing of the user's session is touched.

#include <QDBusConnection>
#include <QDBusError>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <QTemporaryDir>

#include <stdexcept>
#include <string>

namespace erakon {

class PrivateSessionBus final {
public:
    // serviceFolder: where the daemon looks for service files; extra: the
    // environment the services it starts get beside the test's own.
    explicit PrivateSessionBus(const QString& serviceFolder = {}, const QProcessEnvironment& extra = {})
    {
        if (!m_folder.isValid())
            throw std::runtime_error("no temporary folder for the bus");
        const QString services = serviceFolder.isEmpty() ? m_folder.filePath(QStringLiteral("services"))
                                                         : serviceFolder;
        QDir().mkpath(services);
        const QString configPath = m_folder.filePath(QStringLiteral("bus.conf"));
        QFile config(configPath);
        if (!config.open(QIODevice::WriteOnly))
            throw std::runtime_error("cannot write the bus configuration");
        config.write(QStringLiteral(R"(<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:dir=%1</listen>
  <servicedir>%2</servicedir>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
)")
                         .arg(m_folder.path(), services)
                         .toUtf8());
        config.close();

        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(extra);
        m_daemon.setProcessEnvironment(environment);
        // As root it says on every start that it cannot raise its file limit.
        m_daemon.setStandardErrorFile(QProcess::nullDevice());
        m_daemon.start(QStringLiteral("dbus-daemon"),
                       {QStringLiteral("--config-file=") + configPath, QStringLiteral("--nofork"),
                        QStringLiteral("--print-address=1")});
        if (!m_daemon.waitForStarted(10'000))
            throw std::runtime_error("dbus-daemon does not start: " + m_daemon.errorString().toStdString());
        while (!m_daemon.canReadLine()) {
            if (!m_daemon.waitForReadyRead(10'000))
                throw std::runtime_error("dbus-daemon gives no address");
        }
        m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
    }

    ~PrivateSessionBus()
    {
        for (const QString& name : m_connections)
            QDBusConnection::disconnectFromBus(name);
        m_daemon.terminate();
        m_daemon.waitForFinished(5'000);
    }

    PrivateSessionBus(const PrivateSessionBus&) = delete;
    PrivateSessionBus& operator=(const PrivateSessionBus&) = delete;

    QString address() const { return m_address; }

    // A connection of its own to the bus, named `name` in this process.
    QDBusConnection connect(const QString& name)
    {
        QDBusConnection connection = QDBusConnection::connectToBus(m_address, name);
        m_connections.append(name);
        if (!connection.isConnected())
            throw std::runtime_error("cannot connect to the private bus: "
                                     + connection.lastError().message().toStdString());
        return connection;
    }

private:
    QTemporaryDir m_folder;
    QProcess m_daemon;
    QString m_address;
    QStringList m_connections;
};

} // namespace erakon
