// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace erakon {

// Starts the window with these arguments; says whether the program could be
// started. The service's own starts a detached process, tests record.
using StartWindow = std::function<bool(const QStringList& arguments)>;

// The arguments that open the window at the year, or as it starts by itself
// (at the current year) without one: {"--year", "1989"}.
QStringList windowArguments(std::optional<int> year);

// The window's binary for the service at serviceExecutable: the installed
// program beside it (kWindowFromSearchProvider from the service's folder)
// when it is there, else the program's name found on PATH; empty when neither.
QString windowProgramFor(const QString& serviceExecutable);

// Starts the program as a process of its own, in the home folder, that
// outlives the service.
StartWindow detachedWindowStarter(QString program);

} // namespace erakon
