// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace erakon {

// The file version recorded in the program file at path, as four numbers
// joined by dots ("3.3.0.1234"); empty when the file carries none or cannot
// be read.
QString FileVersionText(const QString& path);

} // namespace erakon
