// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <string>

namespace erakon {

// Turn QLocale date and time formats into the pattern language of
// formatDatePattern. Literal text is quoted where it would read as letters.

// A short date format: day, month and year fields; a literal equal to
// `dateSeparator` becomes "/".
std::string datePatternFromQt(const QString& qtFormat, const QString& dateSeparator);

// A time format reduced to hours, minutes and seconds in digits (and AM/PM
// where the locale has it): the zone, milliseconds and word units such as
// 時, 分 and 秒 are left out; a unit word between two numbers becomes ":".
std::string timePatternFromQt(const QString& qtFormat, const QString& timeSeparator);

// The separator between the first two fields of a format when it is one
// character that is not a letter or a blank, else `fallback`.
QString separatorFromQt(const QString& qtFormat, const QString& fallback);

} // namespace erakon
