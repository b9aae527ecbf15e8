// SPDX-License-Identifier: MIT
#include "desktop/utc_offset.h"

#include <QDateTime>
#include <QTimeZone>

namespace erakon {

namespace {

QDate toQDate(const DateTime& local)
{
    return QDate(int(local.date.year()), int(unsigned(local.date.month())), int(unsigned(local.date.day())));
}

QTime toQTime(const DateTime& local) { return QTime::fromMSecsSinceStartOfDay(int(local.time.count())); }

} // namespace

UtcOffsetAt localUtcOffset()
{
    return
        [](const DateTime& local) { return QDateTime(toQDate(local), toQTime(local), Qt::LocalTime).offsetFromUtc(); };
}

UtcOffsetAt utcOffsetIn(const QTimeZone& zone)
{
    return [zone](const DateTime& local) { return QDateTime(toQDate(local), toQTime(local), zone).offsetFromUtc(); };
}

} // namespace erakon
