// SPDX-License-Identifier: MIT
#include "desktop/linux_desktop_platform.h"

#include "settings/system_paths.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QStandardPaths>

namespace erakon {

namespace {

// Long enough for the bus to start a file manager, short enough that a
// hanging one does not freeze the window for long.
constexpr int kFileManagerTimeoutMs = 5000;

bool callFileManager(const QString& method, const QUrl& fileUrl)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    QDBusMessage call = QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.FileManager1"),
                                                       QStringLiteral("/org/freedesktop/FileManager1"),
                                                       QStringLiteral("org.freedesktop.FileManager1"), method);
    call << QStringList{fileUrl.toString(QUrl::FullyEncoded)} << QString(); // no startup id
    const QDBusMessage reply = bus.call(call, QDBus::Block, kFileManagerTimeoutMs);
    return reply.type() == QDBusMessage::ReplyMessage;
}

} // namespace

QString LinuxDesktopPlatform::specialFolder(SpecialFolder folder) const
{
    switch (folder) {
    case SpecialFolder::Desktop: return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    case SpecialFolder::Programs: {
        const QString data = xdgDataHome();
        return data.isEmpty() ? QString() : data + QStringLiteral("/applications");
    }
    case SpecialFolder::Startup: {
        const QString config = xdgConfigHome();
        return config.isEmpty() ? QString() : config + QStringLiteral("/autostart");
    }
    }
    return {};
}

QString LinuxDesktopPlatform::executablePath() const { return runningExecutablePath(); }

bool LinuxDesktopPlatform::openUrl(const QUrl& url) { return QDesktopServices::openUrl(url); }

bool LinuxDesktopPlatform::showItems(const QUrl& fileUrl)
{
    return callFileManager(QStringLiteral("ShowItems"), fileUrl);
}

bool LinuxDesktopPlatform::showItemProperties(const QUrl& fileUrl)
{
    return callFileManager(QStringLiteral("ShowItemProperties"), fileUrl);
}

// Qt's platform plugins for Wayland are "wayland", "wayland-egl" and the like.
bool LinuxDesktopPlatform::waylandSession() const
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

} // namespace erakon
