// SPDX-License-Identifier: MIT
#pragma once

#include "core/date_format.h"
#include "core/date_time.h"
#include "desktop/utc_offset.h"

#include <QString>

namespace erakon {

// The peace line of the About dialog: "Peace for Ukraine" (summer time) or
// "Peace For Ukraine", a line break, and the time in Ukraine at the local time
// now, written with the Ukrainian names of ukrainian.
QString UkraineTimeText(const DateTime& now, const UtcOffsetAt& offsetFromUtc, DateFormatSettings ukrainian);

} // namespace erakon
