// SPDX-License-Identifier: MIT
#pragma once

#include "search/runner_types.h"

#include <QObject>

namespace erakon {

class SearchService;

// KRunner's runner (org.kde.krunner1): KRunner hands over the whole query
// and shows each match's text, subtext and icon. Running a match opens the
// window at its year. It offers no other action: copying to the clipboard
// would need Qt's GUI module, which the service does without.
class PlasmaRunner final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.krunner1")
    Q_DISABLE_COPY_MOVE(PlasmaRunner)

public:
    PlasmaRunner(SearchService& service, QObject* parent);

    // The methods' names are the interface's.
public slots:
    erakon::RunnerActions Actions();
    erakon::RunnerMatches Match(const QString& query);
    void Run(const QString& matchId, const QString& actionId);
    // The end of a search session: nothing is kept between queries.
    void Teardown();

private:
    SearchService& m_service;
};

} // namespace erakon
