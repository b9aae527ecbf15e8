// SPDX-License-Identifier: MIT
#pragma once

#include "core/date_format.h"

class QLocale;

namespace erakon {

// The format settings record for a locale: day and month names (the forms
// used inside a date), separators, and its short date and long time formats
// in the pattern language of formatDatePattern.
DateFormatSettings formatSettingsFor(const QLocale& locale);

// The record of the About dialog's Ukrainian date line.
DateFormatSettings ukrainianFormatSettings();

// How a single "g" shortens the era name for the locale's language.
EraNameLanguage eraNameLanguageFor(const QLocale& locale);

} // namespace erakon
