// SPDX-License-Identifier: MIT
#include "core/clock.h"

#include <ctime>

namespace erakon {

DateTime SystemClock::now() const
{
    using namespace std::chrono;
    const auto t = system_clock::now();
    const std::time_t secs = system_clock::to_time_t(t);
    std::tm local{};
    localtime_r(&secs, &local);
    const auto ms = duration_cast<milliseconds>(t.time_since_epoch()) % 1000;
    return makeDateTime(local.tm_year + 1900, unsigned(local.tm_mon + 1), unsigned(local.tm_mday), local.tm_hour,
                        local.tm_min, local.tm_sec, int(ms.count() < 0 ? 0 : ms.count()));
}

} // namespace erakon
