// SPDX-License-Identifier: MIT
#pragma once

#include "core/date_time.h"

namespace erakon {

// The one source of "today" and "now". Everything that needs the current
// date or time asks a Clock, so tests can pin it.
class Clock {
public:
    virtual ~Clock() = default;
    virtual DateTime now() const = 0; // local date and time

    std::chrono::year_month_day today() const { return now().date; }
    int currentYear() const { return int(now().date.year()); }
};

// Local time of the machine (the process's time zone).
class SystemClock final : public Clock {
public:
    DateTime now() const override;
};

// A clock that stands still at the time it was given.
class FixedClock final : public Clock {
public:
    explicit FixedClock(DateTime t)
        : m_now(t)
    {}
    DateTime now() const override { return m_now; }
    void set(DateTime t) { m_now = t; }

private:
    DateTime m_now;
};

} // namespace erakon
