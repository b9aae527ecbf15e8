// SPDX-License-Identifier: MIT
#include "search/shell_search_provider.h"

#include "core/version.h"
#include "search/search_service.h"
#include "search/year_search.h"

#include <QDBusMetaType>

namespace erakon {

ShellSearchProvider::ShellSearchProvider(SearchService& service, QObject* parent)
    : QObject(parent)
    , m_service(service)
{
    qDBusRegisterMetaType<QList<QVariantMap>>();
}

QStringList ShellSearchProvider::GetInitialResultSet(const QStringList& terms)
{
    QStringList ids;
    for (const SearchAnswer& answer : m_service.answers(YearSearch::queryText(terms)))
        ids << answer.id;
    return ids;
}

// A longer text is a new query: the earlier results say nothing about it.
QStringList ShellSearchProvider::GetSubsearchResultSet(const QStringList& /*previousResults*/, const QStringList& terms)
{
    return GetInitialResultSet(terms);
}

QList<QVariantMap> ShellSearchProvider::GetResultMetas(const QStringList& identifiers)
{
    QList<QVariantMap> metas;
    for (const QString& id : identifiers) {
        const std::optional<SearchAnswer> answer = m_service.find(id);
        if (!answer)
            continue;
        metas.append({
            {QStringLiteral("id"), answer->id},
            {QStringLiteral("name"), answer->title},
            {QStringLiteral("description"), answer->description},
            // A themed icon's name, as GIO reads it.
            {QStringLiteral("gicon"), QString::fromUtf8(kProgramName)},
            {QStringLiteral("clipboardText"), answer->title},
        });
    }
    return metas;
}

void ShellSearchProvider::ActivateResult(const QString& identifier, const QStringList& /*terms*/, uint /*timestamp*/)
{
    m_service.open(identifier);
}

void ShellSearchProvider::LaunchSearch(const QStringList& terms, uint /*timestamp*/)
{
    m_service.open(YearSearch::queryText(terms));
}

} // namespace erakon
