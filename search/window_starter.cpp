// SPDX-License-Identifier: MIT
#include "search/window_starter.h"

#include "core/version.h"
#include "search/search_names.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace erakon {

QStringList windowArguments(std::optional<int> year)
{
    if (!year)
        return {};
    return {QStringLiteral("--year"), QString::number(*year)};
}

QString windowProgramFor(const QString& serviceExecutable)
{
    if (!serviceExecutable.isEmpty()) {
        const QFileInfo beside(QDir::cleanPath(QFileInfo(serviceExecutable).absolutePath() + u'/'
                                               + QString::fromUtf8(kWindowFromSearchProvider)));
        if (beside.isFile() && beside.isExecutable())
            return beside.filePath();
    }
    return QStandardPaths::findExecutable(QString::fromUtf8(kProgramName));
}

StartWindow detachedWindowStarter(QString program)
{
    return [program = std::move(program)](const QStringList& arguments) {
        // The bus daemon starts the service in "/"; the window is better off
        // where a program started from the desktop runs.
        return !program.isEmpty() && QProcess::startDetached(program, arguments, QDir::homePath());
    };
}

} // namespace erakon
