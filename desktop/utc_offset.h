// SPDX-License-Identifier: MIT
#pragma once

#include "core/date_time.h"

#include <functional>

class QTimeZone;

namespace erakon {

// Offset from UTC, in seconds east of Greenwich, of a time zone at a local
// date and time.
using UtcOffsetAt = std::function<int(const DateTime& local)>;

// The machine's own time zone.
UtcOffsetAt localUtcOffset();
// A given time zone, for callers that must not depend on the machine's.
UtcOffsetAt utcOffsetIn(const QTimeZone& zone);

} // namespace erakon
