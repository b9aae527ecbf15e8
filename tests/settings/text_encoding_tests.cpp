// SPDX-License-Identifier: MIT
#include "settings/text_encoding.h"

#include <gtest/gtest.h>

namespace erakon {
namespace {

using namespace Qt::Literals::StringLiterals;

struct DecodeCase {
    const char* name;
    QByteArray input;
    QString text;
    TextEncoding encoding;
};

class DecodeTextTest : public testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeTextTest, FindsEncodingAndText)
{
    const DecodedText decoded = decodeText(GetParam().input);
    EXPECT_EQ(decoded.text, GetParam().text);
    EXPECT_EQ(decoded.encoding, GetParam().encoding);
}

INSTANTIATE_TEST_SUITE_P(
    Files, DecodeTextTest,
    testing::Values(DecodeCase{"Utf8WithoutMark", "a=\xE5\x89\xB5\xE6\xA5\xAD"_ba, u"a=創業"_s, TextEncoding::Utf8},
                    DecodeCase{"Utf8WithMark",
                               "\xEF\xBB\xBF"
                               "a=\xE5\x89\xB5"_ba,
                               u"a=創"_s, TextEncoding::Utf8WithBom},
                    DecodeCase{"Utf16LittleEndian",
                               "\xFF\xFE"
                               "a\0=\0\x75\x52"_ba,
                               u"a=創"_s, TextEncoding::Utf16LE},
                    DecodeCase{"Utf16BigEndian", "\xFE\xFF\0a\0=\x52\x75"_ba, u"a=創"_s, TextEncoding::Utf16BE},
                    DecodeCase{"ShiftJisWrittenBackAsUtf8", "a=\x91\x6E\x8B\xC6"_ba, u"a=創業"_s, TextEncoding::Utf8},
                    DecodeCase{"Cp932NecExtension", "\x87\x40\x5C"_ba, u"①\\"_s, TextEncoding::Utf8},
                    DecodeCase{"Empty", QByteArray(), QString(), TextEncoding::Utf8},
                    DecodeCase{"NulBytesAreUtf8", "a\0b"_ba, u"a\0b"_s, TextEncoding::Utf8},
                    DecodeCase{"Utf16OddLength",
                               "\xFF\xFE"
                               "a\0b"_ba,
                               u"a\uFFFD"_s, TextEncoding::Utf16LE},
                    DecodeCase{"Utf16LoneSurrogateKept",
                               "\xFF\xFE\x00\xD8"
                               "a\0"_ba,
                               QString(QChar(0xD800)) + u'a', TextEncoding::Utf16LE}),
    [](const auto& info) { return std::string(info.param.name); });

class RoundTripTest : public testing::TestWithParam<TextEncoding> {};

TEST_P(RoundTripTest, WrittenTextReadsBackInTheSameEncoding)
{
    const QString text = u"[OPTION]\r\nAddName=創業 𠮷\r\n"_s;
    const QByteArray encoded = encodeText(text, GetParam());
    const DecodedText decoded = decodeText(encoded);
    EXPECT_EQ(decoded.text, text);
    EXPECT_EQ(decoded.encoding, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Encodings, RoundTripTest,
                         testing::Values(TextEncoding::Utf8, TextEncoding::Utf8WithBom, TextEncoding::Utf16LE,
                                         TextEncoding::Utf16BE, TextEncoding::Utf16LEWithoutBom,
                                         TextEncoding::Utf16BEWithoutBom),
                         [](const auto& info) {
                             switch (info.param) {
                             case TextEncoding::Utf8: return std::string("Utf8");
                             case TextEncoding::Utf8WithBom: return std::string("Utf8WithBom");
                             case TextEncoding::Utf16LE: return std::string("Utf16LE");
                             case TextEncoding::Utf16BE: return std::string("Utf16BE");
                             case TextEncoding::Utf16LEWithoutBom: return std::string("Utf16LEWithoutBom");
                             case TextEncoding::Utf16BEWithoutBom: return std::string("Utf16BEWithoutBom");
                             }
                             return std::string();
                         });

// Files that are not valid UTF-8 as a whole: the rewrite gives back every
// byte (Shift_JIS alone becomes UTF-8), while a reader sees the text.
struct MixedCase {
    const char* name;
    QByteArray input;
    QString readable;
    QByteArray rewritten; // encodeText(decodeText(input)); the input when empty
};

class MixedFileTest : public testing::TestWithParam<MixedCase> {};

TEST_P(MixedFileTest, KeepsEveryLineAndReadsIt)
{
    const QByteArray expected = GetParam().rewritten.isEmpty() ? GetParam().input : GetParam().rewritten;
    const DecodedText decoded = decodeText(GetParam().input);
    EXPECT_EQ(encodeText(decoded.text, decoded.encoding), expected);
    EXPECT_EQ(decodeTextForReading(GetParam().input), GetParam().readable);
}

INSTANTIATE_TEST_SUITE_P(
    Files, MixedFileTest,
    testing::Values(MixedCase{"Utf8AndAShiftJisLine",
                              "a=\xE5\x89\xB5\xE6\xA5\xAD\r\n; \x82\xA0\r\n"_ba,
                              u"a=創業\r\n; あ\r\n"_s,
                              {}},
                    MixedCase{"Utf8AndAStrayByte", "a=\xE5\x89\xB5\nb=x\xFFy\rc"_ba, u"a=創\nb=x\uFFFDy\rc"_s, {}},
                    // Two bytes of a UTF-8 character happen to be one Shift_JIS character.
                    MixedCase{"TruncatedUtf8Character", "a=\xE5\x89\xB5\r\nb=\xE6\x97"_ba, u"a=創\r\nb=譌"_s, {}},
                    MixedCase{"Cp932CharacterWithTwoCodes", "a=\xE5\x89\xB5\r\nb=\xED\x40"_ba, u"a=創\r\nb=纊"_s, {}},
                    MixedCase{"ShiftJisWithALineNoneReads", "a=\x91\x6E\r\nb=\xFF\r\n"_ba, u"a=創\r\nb=\uFFFD\r\n"_s,
                              "a=\xE5\x89\xB5\r\nb=\xFF\r\n"_ba},
                    MixedCase{"Utf8WithMarkAndAStrayByte",
                              "\xEF\xBB\xBF"
                              "a=\xE5\x89\xB5\r\nb=\x80"_ba,
                              u"a=創\r\nb=\uFFFD"_s,
                              {}},
                    MixedCase{"ZeroBlockAfterText", "a=1\r\n\0\0\0\0\0\0\0"_ba, u"a=1\r\n\0\0\0\0\0\0\0"_s, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DecodeTextTest, Utf16WithoutMarkIsFoundByItsZeroBytes)
{
    const QString text = u"[一]\r\nk=二\r\n"_s;
    for (const TextEncoding encoding : {TextEncoding::Utf16LEWithoutBom, TextEncoding::Utf16BEWithoutBom}) {
        const DecodedText decoded = decodeText(encodeText(text, encoding));
        EXPECT_EQ(decoded.text, text);
        EXPECT_EQ(decoded.encoding, encoding);
    }
}

TEST(EncodeTextTest, WritesTheMarkOfTheEncodingFirst)
{
    EXPECT_EQ(encodeText(u"a", TextEncoding::Utf8), "a"_ba);
    EXPECT_EQ(encodeText(u"a", TextEncoding::Utf8WithBom),
              "\xEF\xBB\xBF"
              "a"_ba);
    EXPECT_EQ(encodeText(u"a", TextEncoding::Utf16LE),
              "\xFF\xFE"
              "a\0"_ba);
    EXPECT_EQ(encodeText(u"a", TextEncoding::Utf16BE), "\xFE\xFF\0a"_ba);
}

} // namespace
} // namespace erakon
