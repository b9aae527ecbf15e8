#include "text_encoding.h"

#include <gtest/gtest.h>

namespace erakon {
namespace {

using namespace Qt::Literals::StringLiterals;

// The bytes of a literal, embedded NULs included.
template <std::size_t N>
QByteArray bytes(const char (&text)[N]) { return QByteArray(text, qsizetype(N - 1)); }

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
    DecodeCase{"Utf8WithoutMark", bytes("a=\xE5\x89\xB5\xE6\xA5\xAD"), u"a=創業"_s, TextEncoding::Utf8},
    DecodeCase{"Utf8WithMark", bytes("\xEF\xBB\xBF" "a=\xE5\x89\xB5"), u"a=創"_s, TextEncoding::Utf8WithBom},
    DecodeCase{"Utf16LittleEndian", bytes("\xFF\xFE" "a\0=\0\x75\x52"), u"a=創"_s, TextEncoding::Utf16LE},
    DecodeCase{"Utf16BigEndian", bytes("\xFE\xFF\0a\0=\x52\x75"), u"a=創"_s, TextEncoding::Utf16BE},
    DecodeCase{"ShiftJisWrittenBackAsUtf8", bytes("a=\x91\x6E\x8B\xC6"), u"a=創業"_s, TextEncoding::Utf8},
    DecodeCase{"Cp932NecExtension", bytes("\x87\x40\x5C"), u"①\\"_s, TextEncoding::Utf8},
    DecodeCase{"Empty", QByteArray(), QString(), TextEncoding::Utf8},
    DecodeCase{"NulBytesAreUtf8", bytes("a\0b"), u"a\0b"_s, TextEncoding::Utf8},
    DecodeCase{"Utf16OddLength", bytes("\xFF\xFE" "a\0b"), u"a\uFFFD"_s, TextEncoding::Utf16LE},
    DecodeCase{"Utf16LoneSurrogateKept", bytes("\xFF\xFE\x00\xD8" "a\0"), QString(QChar(0xD800)) + u'a', TextEncoding::Utf16LE}),
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
    EXPECT_EQ(encodeText(u"a", TextEncoding::Utf8), bytes("a"));
    EXPECT_EQ(encodeText(u"a", TextEncoding::Utf8WithBom), bytes("\xEF\xBB\xBF" "a"));
    EXPECT_EQ(encodeText(u"a", TextEncoding::Utf16LE), bytes("\xFF\xFE" "a\0"));
    EXPECT_EQ(encodeText(u"a", TextEncoding::Utf16BE), bytes("\xFE\xFF\0a"));
}

} // namespace
} // namespace erakon
