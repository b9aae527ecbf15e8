// SPDX-License-Identifier: MIT
#include "settings/locale_settings.h"

#include "settings/qt_format_pattern.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <string>

namespace erakon {
namespace {

const DateTime kSaturdayAfternoon = makeDateTime(2023, 5, 20, 14, 5, 9);

TEST(LocaleSettings, JapaneseDateAndTime)
{
    const DateFormatSettings settings = formatSettingsFor(QLocale(QLocale::Japanese, QLocale::Japan));
    EXPECT_EQ(formatDatePattern("c", kSaturdayAfternoon, settings), "2023/05/20 14:05:09");
    EXPECT_EQ(formatDatePattern("c", makeDateTime(2023, 5, 20), settings), "2023/05/20");
    EXPECT_EQ(formatDatePattern("ggge年(yyyy年) m月d日(aaa)  HH:MM", kSaturdayAfternoon, settings),
              "令和5年(2023年) 5月20日(土)  14:05");
    EXPECT_EQ(formatDatePattern("aaaa mmmm", kSaturdayAfternoon, settings), "土曜日 5月");
}

TEST(LocaleSettings, UkrainianAboutDialogLine)
{
    const DateFormatSettings settings = ukrainianFormatSettings();
    EXPECT_EQ(settings.TimeSeparator, ":");
    EXPECT_EQ(formatDatePattern("d mmmm yyyy aaaa hh:nn", kSaturdayAfternoon, settings), "20 травня 2023 субота 14:05");
}

TEST(LocaleSettings, DayNamesStartOnSunday)
{
    const DateFormatSettings settings = formatSettingsFor(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(settings.ShortDayNames.front(), "Sun");
    EXPECT_EQ(settings.LongDayNames.back(), "Saturday");
    EXPECT_EQ(settings.LongMonthNames.front(), "January");
}

TEST(LocaleSettings, TwelveHourLocaleWritesItsOwnTime)
{
    const DateFormatSettings settings = formatSettingsFor(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(formatDatePattern("c", kSaturdayAfternoon, settings), "5/20/23 2:05:09 PM");
}

TEST(LocaleSettings, EraNameLanguage)
{
    EXPECT_EQ(eraNameLanguageFor(QLocale(QLocale::Japanese, QLocale::Japan)), EraNameLanguage::Japanese);
    EXPECT_EQ(eraNameLanguageFor(QLocale(QLocale::Chinese, QLocale::TraditionalHanScript, QLocale::Taiwan)),
              EraNameLanguage::TraditionalChinese);
    EXPECT_EQ(eraNameLanguageFor(QLocale(QLocale::Chinese, QLocale::SimplifiedHanScript, QLocale::China)),
              EraNameLanguage::Other);
    EXPECT_EQ(eraNameLanguageFor(QLocale(QLocale::Ukrainian, QLocale::Ukraine)), EraNameLanguage::Other);
}

struct ConversionCase {
    const char* name;
    const char* qtFormat;
    const char* separator;
    std::string expected;
};

class TimePatternTest : public ::testing::TestWithParam<ConversionCase> {};

TEST_P(TimePatternTest, KeepsDigitsAndSeparators)
{
    const ConversionCase& c = GetParam();
    EXPECT_EQ(timePatternFromQt(QString::fromUtf8(c.qtFormat), QString::fromUtf8(c.separator)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Formats, TimePatternTest,
                         ::testing::Values(ConversionCase{"JapaneseUnitWords", "H時mm分ss秒 t", ":", "h:nn:ss"},
                                           ConversionCase{"ZoneInBrackets", "Bh:mm:ss [t]", ":", "h:nn:ss"},
                                           ConversionCase{"AmPmBefore", "AP h시 m분 s초 t", ":", "ampm h:n:s"},
                                           ConversionCase{"QuotedUnits", "HH 'h' mm 'min' ss 's' t", ":", "hh:nn:ss"},
                                           ConversionCase{"DotSeparator", "H.mm.ss t", ".", "h:nn:ss"},
                                           ConversionCase{"Milliseconds", "HH:mm:ss.zzz", ":", "hh:nn:ss"},
                                           ConversionCase{"Empty", "", ":", ""}),
                         [](const auto& info) { return std::string(info.param.name); });

class DatePatternTest : public ::testing::TestWithParam<ConversionCase> {};

TEST_P(DatePatternTest, LowerCaseLettersAndQuotedText)
{
    const ConversionCase& c = GetParam();
    EXPECT_EQ(datePatternFromQt(QString::fromUtf8(c.qtFormat), QString::fromUtf8(c.separator)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Formats, DatePatternTest,
                         ::testing::Values(ConversionCase{"Japanese", "yyyy/MM/dd", "/", "yyyy/mm/dd"},
                                           ConversionCase{"OtherSeparator", "dd.MM.yy", ".", "dd/mm/yy"},
                                           ConversionCase{"SpacedSeparator", "yy. M. d.", ".", "yy. m. d/"},
                                           ConversionCase{"DayNames", "ddd, d MMM yyyy", "/", "aaa, d mmm yyyy"},
                                           ConversionCase{"QuotedLetters", "d 'de' MMMM", "/", "d\" de \"mmmm"},
                                           ConversionCase{"QuoteInText", "d '' M", "/", "d\" ' \"m"},
                                           ConversionCase{"SlashThatIsNoSeparator", "d/M.yy", ".", "d\"/\"m/yy"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SeparatorFromQt, FirstSeparatorOrFallback)
{
    EXPECT_EQ(separatorFromQt(QStringLiteral("dd.MM.yy"), QStringLiteral("/")), QStringLiteral("."));
    EXPECT_EQ(separatorFromQt(QStringLiteral("yy. M. d."), QStringLiteral("/")), QStringLiteral("."));
    EXPECT_EQ(separatorFromQt(QStringLiteral("HH 'h' mm"), QStringLiteral(":")), QStringLiteral(":"));
    EXPECT_EQ(separatorFromQt(QStringLiteral("yyyyMMdd"), QStringLiteral("/")), QStringLiteral("/"));
}

} // namespace
} // namespace erakon
