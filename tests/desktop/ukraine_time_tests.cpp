// SPDX-License-Identifier: MIT
#include "desktop/ukraine_time.h"

#include "settings/locale_settings.h"
#include "tests/desktop/ukrainian_names.h"

#include <QTimeZone>

#include <gtest/gtest.h>

namespace erakon {
namespace {

const UtcOffsetAt kUtc = [](const DateTime&) { return 0; };

TEST(UkraineTimeTextTest, SummerTimeWindowInUkraine)
{
    struct Row {
        const char* name;
        DateTime utc;
        QString expected;
    };
    const QString summer = QStringLiteral(", Ukraine Standard Time (in Daylight Saving Time)");
    const QString winter = QStringLiteral(", Ukraine Standard Time");
    const Row rows[] = {
        {"May", makeDateTime(2023, 5, 20, 11, 5),
         QStringLiteral("Peace for Ukraine\r\n20 травня 2023 субота 14:05") + summer},
        {"January", makeDateTime(2023, 1, 15, 10, 0),
         QStringLiteral("Peace For Ukraine\r\n15 січня 2023 неділя 12:00") + winter},
        {"March switch itself is not yet summer", makeDateTime(2023, 3, 26, 1, 0),
         QStringLiteral("Peace For Ukraine\r\n26 березня 2023 неділя 03:00") + winter},
        {"one millisecond after the March switch", makeDateTime(2023, 3, 26, 1, 0, 0, 1),
         QStringLiteral("Peace for Ukraine\r\n26 березня 2023 неділя 04:00") + summer},
        {"October 01:30 UTC is still summer", makeDateTime(2023, 10, 29, 1, 30),
         QStringLiteral("Peace for Ukraine\r\n29 жовтня 2023 неділя 04:30") + summer},
        {"October 02:00 UTC is standard time", makeDateTime(2023, 10, 29, 2, 0),
         QStringLiteral("Peace For Ukraine\r\n29 жовтня 2023 неділя 04:00") + winter},
        {"31 March a Sunday opens summer", makeDateTime(2024, 3, 31, 2, 0),
         QStringLiteral("Peace for Ukraine\r\n31 березня 2024 неділя 05:00") + summer},
        {"the Sunday before 31 March is not the switch", makeDateTime(2024, 3, 24, 2, 0),
         QStringLiteral("Peace For Ukraine\r\n24 березня 2024 неділя 04:00") + winter},
        {"25 March the last Sunday opens summer", makeDateTime(2018, 3, 25, 2, 0),
         QStringLiteral("Peace for Ukraine\r\n25 березня 2018 неділя 05:00") + summer},
        {"UTC evening already next day in Ukraine", makeDateTime(2023, 12, 31, 22, 30),
         QStringLiteral("Peace For Ukraine\r\n1 січня 2024 понеділок 00:30") + winter},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(UkraineTimeText(row.utc, kUtc, ukrainianNames()), row.expected);
    }
}

TEST(UkraineTimeTextTest, TheUsersTimeZoneDoesNotMatter)
{
    struct Row {
        const char* name;
        DateTime tokyo;
        DateTime london;
        QString expected;
    };
    const Row rows[] = {
        {"summer", makeDateTime(2023, 5, 20, 20, 5), makeDateTime(2023, 5, 20, 12, 5),
         QStringLiteral(
             "Peace for Ukraine\r\n20 травня 2023 субота 14:05, Ukraine Standard Time (in Daylight Saving Time)")},
        {"winter", makeDateTime(2023, 1, 15, 19, 0), makeDateTime(2023, 1, 15, 10, 0),
         QStringLiteral("Peace For Ukraine\r\n15 січня 2023 неділя 12:00, Ukraine Standard Time")},
    };
    const UtcOffsetAt tokyo = utcOffsetIn(QTimeZone("Asia/Tokyo"));
    const UtcOffsetAt london = utcOffsetIn(QTimeZone("Europe/London"));
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(UkraineTimeText(row.tokyo, tokyo, ukrainianNames()), row.expected);
        EXPECT_EQ(UkraineTimeText(row.london, london, ukrainianNames()), row.expected);
    }
}

TEST(UkraineTimeTextTest, ProgramsUkrainianRecordGivesTheSameLine)
{
    EXPECT_EQ(UkraineTimeText(makeDateTime(2023, 5, 20, 11, 5), kUtc, ukrainianFormatSettings()),
              QStringLiteral(
                  "Peace for Ukraine\r\n20 травня 2023 субота 14:05, Ukraine Standard Time (in Daylight Saving Time)"));
}

} // namespace
} // namespace erakon
