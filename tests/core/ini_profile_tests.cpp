// SPDX-License-Identifier: MIT
// The profile reader's rules in the core: names without regard to case, the
// first section and key of a name, quotes and blanks, the length limit, the
// integer forms and the defaults; and a file's bytes in any of its encodings.
#include "core/ini_profile.h"

#include "core/user_era_settings.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace erakon {
namespace {

using namespace std::string_literals;

struct ReadCase {
    const char* name;
    std::string file;
    std::string section;
    std::string key;
    std::string value;
};

void PrintTo(const ReadCase& c, std::ostream* out) { *out << c.name; }

class IniProfileReadTest : public testing::TestWithParam<ReadCase> {};

TEST_P(IniProfileReadTest, ReadsLikeTheWindowsProfileReader)
{
    const ReadCase& c = GetParam();
    EXPECT_EQ(IniProfile::fromText(c.file).readString(c.section, c.key, "<default>"), c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Files, IniProfileReadTest,
    testing::Values(ReadCase{"NamesIgnoreCase", "[position]\nleft=100\n", "POSITION", "Left", "100"},
                    ReadCase{"LongSFoldsToS", "[PO\xC5\xBFITION]\nLeft=1\n", "position", "left", "1"},
                    ReadCase{"KelvinSignFoldsToK", "[A]\n\xE2\x84\xAA=1\n", "a", "k", "1"},
                    ReadCase{"OtherLettersMatchExactly", "[Ä]\nk=1\n", "ä", "k", "<default>"},
                    ReadCase{"ValueTrimmed", "[A]\r\n  k \t=  v w  \r\n", "A", "k", "v w"},
                    ReadCase{"SectionNameTrimmed", "[ A ]\nk=v\n", "A", "k", "v"},
                    ReadCase{"HeaderWithTrailingTextIsNoSection", "[A] ; note\nk=v\n", "A", "k", "<default>"},
                    ReadCase{"EmptyValueIsNotMissing", "[A]\nk=\n", "A", "k", ""},
                    ReadCase{"DoubleQuotesRemoved", "[A]\nk=\" v \"\n", "A", "k", " v "},
                    ReadCase{"SingleQuotesRemoved", "[A]\nk='v'\n", "A", "k", "v"},
                    ReadCase{"UnmatchedQuotesKept", "[A]\nk=\"v'\n", "A", "k", "\"v'"},
                    ReadCase{"FirstKeyWins", "[A]\nk=1\nK=2\n", "A", "k", "1"},
                    ReadCase{"KeyWithoutEqualsHidesALaterOne", "[A]\nk\nk=2\n", "A", "k", "<default>"},
                    ReadCase{"FirstSectionWins", "[A]\nk=1\n[a]\nk=2\nj=3\n", "A", "k", "1"},
                    ReadCase{"RepeatedSectionUnseen", "[A]\nk=1\n[a]\nj=3\n", "A", "j", "<default>"},
                    ReadCase{"SectionEndsAtTheNext", "[A]\nk=1\n[B]\nj=2\n", "A", "j", "<default>"},
                    ReadCase{"CommentSkipped", "[A]\n;k=1\nk=2\n", "A", "k", "2"},
                    ReadCase{"KeyBeforeAnySection", "k=1\n[A]\n", "A", "k", "<default>"},
                    ReadCase{"CarriageReturnLines", "[A]\rk=1\r", "A", "k", "1"},
                    ReadCase{"EqualsInValue", "[A]\nk=a=b\n", "A", "k", "a=b"},
                    ReadCase{"JapaneseValue", "[OPTION]\nAddName=創業\n", "OPTION", "AddName", "創業"},
                    ReadCase{"EmptyText", "", "A", "k", "<default>"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(IniProfileLimitTest, GivesAtMost2047CodeUnitsOfWholeCharacters)
{
    const auto valueOf = [](const std::string& value) {
        return IniProfile::fromText("[A]\nk=" + value).readString("A", "k", "");
    };
    EXPECT_EQ(valueOf(std::string(5000, 'x')), std::string(2047, 'x'));
    // Three bytes each, one code unit each: all of 2047 of them, none more.
    std::string kanji;
    for (int i = 0; i < 2048; ++i)
        kanji += "創";
    EXPECT_EQ(valueOf(kanji), kanji.substr(0, 2047 * 3));
    // A character beyond U+FFFF takes two units and is not cut in half.
    EXPECT_EQ(valueOf(std::string(2046, 'x') + "𠮷"), std::string(2046, 'x'));
    EXPECT_EQ(valueOf(std::string(2045, 'x') + "𠮷"), std::string(2045, 'x') + "𠮷");
}

struct IntegerCase {
    const char* name;
    std::string text;
    std::optional<int> value;
};

void PrintTo(const IntegerCase& c, std::ostream* out) { *out << c.name; }

class ParseProfileIntegerTest : public testing::TestWithParam<IntegerCase> {};

TEST_P(ParseProfileIntegerTest, ReadsOnlyWholeThirtyTwoBitIntegers)
{
    EXPECT_EQ(parseProfileInteger(std::string_view(GetParam().text)), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseProfileIntegerTest,
    testing::Values(IntegerCase{"Decimal", "1880", 1880}, IntegerCase{"Negative", "-5", -5},
                    IntegerCase{"LeadingBlanks", " \t12", 12}, IntegerCase{"DollarHex", "$1f", 31},
                    IntegerCase{"XHex", "x10", 16}, IntegerCase{"ZeroXHex", "0x7D0", 2000},
                    IntegerCase{"NegativeHex", "-$10", -16}, IntegerCase{"Largest", "2147483647", 2147483647},
                    IntegerCase{"Smallest", "-2147483648", std::numeric_limits<int>::min()},
                    IntegerCase{"JustAboveLargest", "2147483648", std::nullopt},
                    IntegerCase{"HexAboveLargest", "$80000000", std::nullopt},
                    IntegerCase{"ManyDigits", "99999999999999999999999", std::nullopt},
                    IntegerCase{"Empty", "", std::nullopt}, IntegerCase{"Word", "true", std::nullopt},
                    IntegerCase{"TrailingBlank", "12 ", std::nullopt},
                    IntegerCase{"BlankAfterSign", "- 5", std::nullopt}, IntegerCase{"ZeroXOnly", "0x", std::nullopt},
                    IntegerCase{"FullWidthDigits", "１２", std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(IniProfileTypedTest, IntegersAndBooleansFallBackToTheirDefaults)
{
    const IniProfile profile = IniProfile::fromText(
        "[A]\ni=0x7D0\nq=\"12\"\nbad=abc\non=-1\noff=0\nword=true\nempty=\n");
    EXPECT_EQ(profile.readInteger("A", "i", 1), 2000);
    EXPECT_EQ(profile.readInteger("A", "q", 1), 12);
    EXPECT_EQ(profile.readInteger("A", "bad", 1880), 1880);
    EXPECT_EQ(profile.readInteger("A", "empty", 7), 7);
    EXPECT_EQ(profile.readInteger("A", "missing", 7), 7);
    EXPECT_TRUE(profile.readBool("A", "on", false));
    EXPECT_FALSE(profile.readBool("A", "off", true));
    EXPECT_FALSE(profile.readBool("A", "word", false));
    EXPECT_TRUE(profile.readBool("A", "word", true));
    EXPECT_EQ(profile.find("A", "missing"), std::nullopt);
}

struct BytesCase {
    const char* name;
    std::string bytes;
};

void PrintTo(const BytesCase& c, std::ostream* out) { *out << c.name; }

class IniProfileBytesTest : public testing::TestWithParam<BytesCase> {};

TEST_P(IniProfileBytesTest, ReadsTheUserEraInEveryEncoding)
{
    const UserEraSettings settings = readUserEraSettings(IniProfile::fromBytes(GetParam().bytes));
    EXPECT_EQ(settings, (UserEraSettings{true, "創業", 1900}));
}

INSTANTIATE_TEST_SUITE_P(
    Encodings, IniProfileBytesTest,
    testing::Values(
        BytesCase{"Utf8", "[OPTION]\r\nAddItem=1\r\nAddName=創業\r\nAddYear=1900\r\n"},
        BytesCase{"Utf8WithMark", "\xEF\xBB\xBF[OPTION]\r\nAddItem=1\r\nAddName=創業\r\nAddYear=1900\r\n"},
        BytesCase{"ShiftJis", "[OPTION]\r\nAddItem=1\r\nAddName=\x91\x6E\x8B\xC6\r\nAddYear=1900\r\n"},
        BytesCase{"ShiftJisInAUtf8File",
                  "[メモ]\r\nメモ=日本語\r\n[OPTION]\r\nAddItem=1\r\nAddName=\x91\x6E\x8B\xC6\r\n"
                  "AddYear=1900\r\n"},
        BytesCase{"Utf16LittleEndian",
                  "\xFF\xFE[\0O\0P\0T\0I\0O\0N\0]\0\n\0A\0d\0d\0I\0t\0e\0m\0=\0001\0\n\0"
                  "A\0d\0d\0N\0a\0m\0e\0=\0\x75\x52\x6D\x69\n\0A\0d\0d\0Y\0e\0a\0r\0=\0001\0009\0000\0000\0"s},
        BytesCase{"Utf16BigEndianWithoutMark",
                  "\0[\0O\0P\0T\0I\0O\0N\0]\0\n\0A\0d\0d\0I\0t\0e\0m\0=\0001\0\n"
                  "\0A\0d\0d\0N\0a\0m\0e\0=\x52\x75\x69\x6D\0\n\0A\0d\0d\0Y\0e\0a\0r\0=\0001\0009\0000\0000"s}),
    [](const auto& info) { return std::string(info.param.name); });

struct UserEraCase {
    const char* name;
    std::string file;
    UserEraSettings settings;
};

void PrintTo(const UserEraCase& c, std::ostream* out) { *out << c.name; }

class UserEraSettingsTest : public testing::TestWithParam<UserEraCase> {};

TEST_P(UserEraSettingsTest, TakesTheValuesAsTheWindowDoes)
{
    EXPECT_EQ(readUserEraSettings(IniProfile::fromText(GetParam().file)), GetParam().settings);
}

INSTANTIATE_TEST_SUITE_P(
    Files, UserEraSettingsTest,
    testing::Values(
        UserEraCase{"NoFile", "", {false, "創業", 1880}},
        UserEraCase{"Shown", "[option]\naddITEM=2\n", {true, "創業", 1880}},
        UserEraCase{"NotAnInteger", "[OPTION]\nAddItem=true\nAddYear=abc\n", {false, "創業", 1880}},
        UserEraCase{"HexOrigin", "[OPTION]\nAddYear=0x7D0\n", {false, "創業", 2000}},
        UserEraCase{"OriginBelowRange", "[OPTION]\nAddYear=-5\n", {false, "創業", 0}},
        UserEraCase{"OriginAboveRange", "[OPTION]\nAddYear=12000\n", {false, "創業", 9999}},
        UserEraCase{"EmptyNameStaysEmpty", "[OPTION]\nAddName=\n", {false, "", 1880}},
        UserEraCase{"ControlCharactersTakenOut", "[OPTION]\nAddName=\"創\x01業\x7F\"\n", {false, "創業", 1880}},
        UserEraCase{"OtherSectionsIgnored", "[MODE]\nAddItem=1\n[OPTION]\nAddYear=1900\n", {false, "創業", 1900}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace erakon
