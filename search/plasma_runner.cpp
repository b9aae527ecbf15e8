// SPDX-License-Identifier: MIT
#include "search/plasma_runner.h"

#include "core/version.h"
#include "search/search_service.h"

namespace erakon {

PlasmaRunner::PlasmaRunner(SearchService& service, QObject* parent)
    : QObject(parent)
    , m_service(service)
{
    registerRunnerTypes();
}

RunnerActions PlasmaRunner::Actions() { return {}; }

RunnerMatches PlasmaRunner::Match(const QString& query)
{
    const std::optional<SearchAnswer> answer = m_service.answer(query.trimmed());
    if (!answer)
        return {};
    return {RunnerMatch{
        .id = answer->id,
        .text = answer->runnerText,
        .iconName = QString::fromUtf8(kProgramName),
        .type = kExactRunnerMatch,
        .relevance = 1.0,
        .properties = {{QStringLiteral("subtext"), answer->runnerSubtext},
                       // No action buttons: the match has its default action only.
                       {QStringLiteral("actions"), QStringList{}}},
    }};
}

void PlasmaRunner::Run(const QString& matchId, const QString& /*actionId*/) { m_service.open(matchId); }

void PlasmaRunner::Teardown() {}

} // namespace erakon
