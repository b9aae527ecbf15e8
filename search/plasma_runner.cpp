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
    RunnerMatches matches;
    const std::vector<SearchAnswer> answers = m_service.answers(query.trimmed());
    for (const SearchAnswer& answer : answers) {
        matches.append(RunnerMatch{
            .id = answer.id,
            .text = answer.runnerText,
            .iconName = QString::fromUtf8(kProgramName),
            .type = kExactRunnerMatch,
            // The rows of a life keep their order.
            .relevance = 1.0 - 0.01 * double(matches.size()),
            .properties = {{QStringLiteral("subtext"), answer.runnerSubtext},
                           // No action buttons: the match has its default action only.
                           {QStringLiteral("actions"), QStringList{}}},
        });
    }
    return matches;
}

void PlasmaRunner::Run(const QString& matchId, const QString& /*actionId*/) { m_service.open(matchId); }

void PlasmaRunner::Teardown() {}

} // namespace erakon
