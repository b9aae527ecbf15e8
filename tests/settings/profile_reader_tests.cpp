// SPDX-License-Identifier: MIT
#include "settings/profile_reader.h"

#include <gtest/gtest.h>

namespace erakon {
namespace {

using namespace Qt::Literals::StringLiterals;

struct IntegerCase {
    const char* name;
    QString text;
    std::optional<int> value;
};

class ParseProfileIntegerTest : public testing::TestWithParam<IntegerCase> {};

TEST_P(ParseProfileIntegerTest, ReadsOnlyWholeThirtyTwoBitIntegers)
{
    EXPECT_EQ(parseProfileInteger(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseProfileIntegerTest,
    testing::Values(
        IntegerCase{"Decimal", u"1880"_s, 1880}, IntegerCase{"Negative", u"-5"_s, -5}, IntegerCase{"Plus", u"+7"_s, 7},
        IntegerCase{"LeadingBlanks", u"  12"_s, 12}, IntegerCase{"DollarHex", u"$1f"_s, 31},
        IntegerCase{"LowerXHex", u"x10"_s, 16}, IntegerCase{"UpperXHex", u"X10"_s, 16},
        IntegerCase{"ZeroXHex", u"0x7D0"_s, 2000}, IntegerCase{"ZeroUpperXHex", u"0X7d0"_s, 2000},
        IntegerCase{"NegativeHex", u"-$10"_s, -16}, IntegerCase{"Largest", u"2147483647"_s, 2147483647},
        IntegerCase{"Smallest", u"-2147483648"_s, std::numeric_limits<int>::min()},
        IntegerCase{"SmallestHex", u"-$80000000"_s, std::numeric_limits<int>::min()},
        IntegerCase{"LeadingZeros", u"0000000000000000000042"_s, 42},
        IntegerCase{"JustAboveLargest", u"2147483648"_s, std::nullopt},
        IntegerCase{"JustBelowSmallest", u"-2147483649"_s, std::nullopt},
        IntegerCase{"HexAboveLargest", u"$80000000"_s, std::nullopt},
        IntegerCase{"SixtyFourBits", u"0xFFFFFFFFFFFFFFFF"_s, std::nullopt},
        IntegerCase{"ManyDigits", u"99999999999999999999999"_s, std::nullopt},
        IntegerCase{"Empty", QString(), std::nullopt}, IntegerCase{"Letters", u"abc"_s, std::nullopt},
        IntegerCase{"Word", u"true"_s, std::nullopt}, IntegerCase{"TrailingBlank", u"12 "_s, std::nullopt},
        IntegerCase{"TrailingText", u"12px"_s, std::nullopt}, IntegerCase{"Exponent", u"1e3"_s, std::nullopt},
        IntegerCase{"SignOnly", u"-"_s, std::nullopt}, IntegerCase{"BlankAfterSign", u"- 5"_s, std::nullopt},
        IntegerCase{"DollarOnly", u"$"_s, std::nullopt}, IntegerCase{"ZeroXOnly", u"0x"_s, std::nullopt},
        IntegerCase{"BadHexDigit", u"0x1G"_s, std::nullopt}, IntegerCase{"FullWidthDigits", u"１２"_s, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

struct ReadCase {
    const char* name;
    QString file;
    QString section;
    QString key;
    QString value;
};

class ProfileReaderTest : public testing::TestWithParam<ReadCase> {};

TEST_P(ProfileReaderTest, ReadsLikeTheWindowsProfileReader)
{
    const ProfileReader reader = ProfileReader::fromText(GetParam().file);
    EXPECT_EQ(reader.readString(GetParam().section, GetParam().key, u"<default>"_s), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ProfileReaderTest,
    testing::Values(ReadCase{"NamesIgnoreCase", u"[position]\nleft=100\n"_s, u"POSITION"_s, u"Left"_s, u"100"_s},
                    ReadCase{"ValueTrimmed", u"[A]\r\n  k \t=  v w  \r\n"_s, u"A"_s, u"k"_s, u"v w"_s},
                    ReadCase{"SectionNameTrimmed", u"[ A ]\nk=v\n"_s, u"A"_s, u"k"_s, u"v"_s},
                    ReadCase{"HeaderWithTrailingTextIsNoSection", u"[A] ; note\nk=v\n"_s, u"A"_s, u"k"_s,
                             u"<default>"_s},
                    ReadCase{"EmptyValueIsNotMissing", u"[A]\nk=\n"_s, u"A"_s, u"k"_s, QString()},
                    ReadCase{"DoubleQuotesRemoved", u"[A]\nk=\" v \"\n"_s, u"A"_s, u"k"_s, u" v "_s},
                    ReadCase{"SingleQuotesRemoved", u"[A]\nk='v'\n"_s, u"A"_s, u"k"_s, u"v"_s},
                    ReadCase{"UnmatchedQuotesKept", u"[A]\nk=\"v'\n"_s, u"A"_s, u"k"_s, u"\"v'"_s},
                    ReadCase{"LoneQuoteKept", u"[A]\nk=\"\n"_s, u"A"_s, u"k"_s, u"\""_s},
                    ReadCase{"FirstKeyWins", u"[A]\nk=1\nK=2\n"_s, u"A"_s, u"k"_s, u"1"_s},
                    ReadCase{"FirstSectionWins", u"[A]\nk=1\n[a]\nk=2\nj=3\n"_s, u"A"_s, u"k"_s, u"1"_s},
                    ReadCase{"RepeatedSectionUnseen", u"[A]\nk=1\n[a]\nj=3\n"_s, u"A"_s, u"j"_s, u"<default>"_s},
                    ReadCase{"KeyWithoutEquals", u"[A]\nk\n"_s, u"A"_s, u"k"_s, u"<default>"_s},
                    ReadCase{"CommentSkipped", u"[A]\n;k=1\nk=2\n"_s, u"A"_s, u"k"_s, u"2"_s},
                    ReadCase{"KeyBeforeAnySection", u"k=1\n[A]\n"_s, u"A"_s, u"k"_s, u"<default>"_s},
                    ReadCase{"MissingSection", u"[B]\nk=1\n"_s, u"A"_s, u"k"_s, u"<default>"_s},
                    ReadCase{"BracketWithoutClose", u"[A\nk=1\n"_s, u"A"_s, u"k"_s, u"<default>"_s},
                    ReadCase{"CarriageReturnLines", u"[A]\rk=1\r"_s, u"A"_s, u"k"_s, u"1"_s},
                    ReadCase{"EqualsInValue", u"[A]\nk=a=b\n"_s, u"A"_s, u"k"_s, u"a=b"_s},
                    ReadCase{"EmptyText", QString(), u"A"_s, u"k"_s, u"<default>"_s}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ProfileReaderLimitTest, ReturnsAtMost2047CharactersOfAValue)
{
    const ProfileReader reader = ProfileReader::fromText(u"[A]\nk="_s + QString(5000, u'x'));
    EXPECT_EQ(reader.readString(u"A", u"k", QString()), QString(2047, u'x'));
}

TEST(ProfileReaderLimitTest, NeverCutsASurrogatePairInHalf)
{
    const ProfileReader reader = ProfileReader::fromText(u"[A]\nk="_s + QString(2046, u'x') + u"𠮷"_s);
    EXPECT_EQ(reader.readString(u"A", u"k", QString()), QString(2046, u'x'));
}

TEST(ProfileReaderTypedTest, IntegersAndBooleansFallBackToTheirDefaults)
{
    const ProfileReader reader = ProfileReader::fromText(u"[A]\ni=0x7D0\nbad=abc\non=-1\noff=0\nword=true\nempty=\n"_s);
    EXPECT_EQ(reader.readInteger(u"A", u"i", 1), 2000);
    EXPECT_EQ(reader.readInteger(u"A", u"bad", 1880), 1880);
    EXPECT_EQ(reader.readInteger(u"A", u"empty", 7), 7);
    EXPECT_EQ(reader.readInteger(u"A", u"missing", 7), 7);
    EXPECT_TRUE(reader.readBool(u"A", u"on", false));
    EXPECT_FALSE(reader.readBool(u"A", u"off", true));
    EXPECT_FALSE(reader.readBool(u"A", u"word", false));
    EXPECT_TRUE(reader.readBool(u"A", u"word", true));
}

TEST(ProfileReaderFileTest, MissingFileGivesDefaults)
{
    const ProfileReader reader = ProfileReader::fromFile(u"/nonexistent/erakon.ini"_s);
    EXPECT_EQ(reader.readString(u"A", u"k", u"d"_s), u"d"_s);
}

} // namespace
} // namespace erakon
