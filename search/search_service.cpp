// SPDX-License-Identifier: MIT
#include "search/search_service.h"

#include "core/version.h"
#include "search/plasma_runner.h"
#include "search/search_names.h"
#include "search/shell_search_provider.h"

#include <QDBusError>

#include <cstdio>

namespace erakon {

SearchService::SearchService(Parts parts, QObject* parent)
    : QObject(parent)
    , m_search(parts.clock, std::move(parts.userEra), parts.eras)
    , m_startWindow(std::move(parts.startWindow))
{
    m_idleTimer.setSingleShot(true);
    m_idleTimer.setInterval(parts.idleTime);
    connect(&m_idleTimer, &QTimer::timeout, this, &SearchService::idle);
    new ShellSearchProvider(*this, this);
    new PlasmaRunner(*this, this);
    m_idleTimer.start();
}

std::optional<QString> SearchService::publishOn(QDBusConnection connection)
{
    if (!connection.isConnected())
        return QStringLiteral("no session bus: %1").arg(connection.lastError().message());
    const auto exportObject = [&](std::string_view path, QObject* object) {
        return connection.registerObject(QString::fromUtf8(path), object, QDBusConnection::ExportAllSlots);
    };
    if (!exportObject(kShellSearchObjectPath, findChild<ShellSearchProvider*>())
        || !exportObject(kRunnerObjectPath, findChild<PlasmaRunner*>()))
        return QStringLiteral("the search objects cannot be exported on the session bus");
    if (!connection.registerService(QString::fromUtf8(kSearchBusName))) {
        const QDBusError error = connection.lastError();
        return QStringLiteral("cannot take the name %1 on the session bus: %2")
            .arg(QString::fromUtf8(kSearchBusName),
                 error.isValid() ? error.message() : QStringLiteral("another program holds it"));
    }
    return std::nullopt;
}

std::vector<SearchAnswer> SearchService::answers(const QString& text)
{
    m_idleTimer.start();
    return m_search.answers(text);
}

std::optional<SearchAnswer> SearchService::find(const QString& id)
{
    m_idleTimer.start();
    return m_search.find(id);
}

void SearchService::open(const QString& text)
{
    m_idleTimer.start();
    std::optional<SearchAnswer> found = m_search.find(text);
    if (!found) {
        const std::vector<SearchAnswer> typed = m_search.answers(text);
        if (!typed.empty())
            found = typed.front();
    }
    openWindow(found ? std::optional(found->westernYear) : std::nullopt);
}

void SearchService::openWindow(std::optional<int> year)
{
    const QStringList arguments = windowArguments(year);
    if (!m_startWindow || !m_startWindow(arguments)) {
        std::fprintf(stderr, "%s: cannot start %s %s\n", kSearchProviderName.data(), kProgramName.data(),
                     qPrintable(arguments.join(u' ')));
    }
}

} // namespace erakon
