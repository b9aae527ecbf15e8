// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QObject>
#include <QStringList>
#include <QVariantMap>

namespace erakon {

class SearchService;

// GNOME Shell's search provider (org.gnome.Shell.SearchProvider2): the
// overview hands over the terms of its search field and shows, for each id
// returned, the metas' name, description and icon. Choosing a result opens
// the window at its year; the shell copies the result's text to the
// clipboard itself where it supports that.
class ShellSearchProvider final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.gnome.Shell.SearchProvider2")
    Q_DISABLE_COPY_MOVE(ShellSearchProvider)

public:
    ShellSearchProvider(SearchService& service, QObject* parent);

    // The methods' names are the interface's.
public slots:
    QStringList GetInitialResultSet(const QStringList& terms);
    QStringList GetSubsearchResultSet(const QStringList& previousResults, const QStringList& terms);
    QList<QVariantMap> GetResultMetas(const QStringList& identifiers);
    void ActivateResult(const QString& identifier, const QStringList& terms, uint timestamp);
    void LaunchSearch(const QStringList& terms, uint timestamp);

private:
    SearchService& m_service;
};

} // namespace erakon
