#include "text_encoding.h"

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

INSTANTIATE_TEST_SUITE_P(Files, DecodeTextTest, testing::Values(
    DecodeCase{"Utf8WithoutMark", "a=\xE5\x89\xB5\xE6\xA5\xAD"_ba, u"a=創業"_s, TextEncoding::Utf8},
    DecodeCase{"Utf8WithMark", "\xEF\xBB\xBF" "a=\xE5\x89\xB5"_ba, u"a=創"_s, TextEncoding::Utf8WithBom},
    DecodeCase{"Utf16LittleEndian", "\xFF\xFE" "a\0=\0\x75\x52"_ba, u"a=創"_s, TextEncoding::Utf16LE},
    DecodeCase{"Utf16BigEndian", "\xFE\xFF\0a\0=\x52\x75"_ba, u"a=創"_s, TextEncoding::Utf16BE},
    DecodeCase{"ShiftJisWrittenBackAsUtf8", "a=\x91\x6E\x8B\xC6"_ba, u"a=創業"_s, TextEncoding::Utf8},
    DecodeCase{"Cp932NecExtension", "\x87\x40\x5C"_ba, u"①\\"_s, TextEncoding::Utf8},
    DecodeCase{"Empty", QByteArray(), QString(), TextEncoding::Utf8},
    DecodeCase{"NulBytesAreUtf8", "a\0b"_ba, u"a\0b"_s, TextEncoding::Utf8},
    DecodeCase{"Utf16OddLength", "\xFF\xFE" "a\0b"_ba, u"a\uFFFD"_s, TextEncoding::Utf16LE},
    DecodeCase{"Utf16LoneSurrogateKept", "\xFF\xFE\x00\xD8" "a\0"_ba, QString(QChar(0xD800)) + u'a', TextEncoding::Utf16LE}),
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
    testing::Values(TextEncoding::Utf8, TextEncoding::Utf8WithBom, TextEncoding::Utf16LE, TextEncoding::Utf16BE),
    [](const auto& info) {
        switch (info.param) {
        case TextEncoding::Utf8: return std::string("Utf8");
        case TextEncoding::Utf8WithBom: return std::string("Utf8WithBom");
        case TextEncoding::Utf16LE: return std::string("Utf16LE");
        case TextEncoding::Utf16BE: return std::string("Utf16BE");
        }
        return std::string();
    });

TEST(EncodeTextTest, WritesTheMarkOfTheEncodingFirst)
{
    EXPECT_EQ(encodeText(u"a", TextEncoding::Utf8), "a"_ba);
    EXPECT_EQ(encodeText(u"a", TextEncoding::Utf8WithBom), "\xEF\xBB\xBF" "a"_ba);
    EXPECT_EQ(encodeText(u"a", TextEncoding::Utf16LE), "\xFF\xFE" "a\0"_ba);
    EXPECT_EQ(encodeText(u"a", TextEncoding::Utf16BE), "\xFE\xFF\0a"_ba);
}

} // namespace
} // namespace erakon
