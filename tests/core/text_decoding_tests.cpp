// SPDX-License-Identifier: MIT
// How the settings file's bytes become UTF-8 text: the byte-order marks, UTF-16
// with and without one, UTF-8, Shift_JIS line by line, and the bytes that no
// encoding reads, for the rewrite and for reading.
#include "core/text_decoding.h"

#include "core/utf8.h"

#include <gtest/gtest.h>

#include <string>

namespace erakon {
namespace {

using namespace std::string_literals;

struct DecodeCase {
    const char* name;
    std::string input;
    std::string rewrite; // the text for the rewrite
    std::string reading; // the text for reading
    TextEncoding encoding;
};

void PrintTo(const DecodeCase& c, std::ostream* out) { *out << c.name; }

class DecodeFileTextTest : public testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeFileTextTest, GivesTheTextForEachPurpose)
{
    const DecodeCase& c = GetParam();
    const FileDecoding rewrite = decodeFileText(c.input, DecodingPurpose::Rewrite);
    EXPECT_EQ(rewrite.text(c.input), c.rewrite);
    EXPECT_EQ(rewrite.encoding, c.encoding);
    const FileDecoding reading = decodeFileText(c.input, DecodingPurpose::Reading);
    EXPECT_EQ(reading.text(c.input), c.reading);
    EXPECT_EQ(reading.encoding, c.encoding);
    EXPECT_TRUE(isValidUtf8(reading.text(c.input)));
}

// Raw bytes and lone surrogates in the rewrite's text: U+DC80 + byte, and the
// surrogate itself, in UTF-8's three-byte form.
const std::string kRawFF = "\xED\xB3\xBF";
const std::string kRaw80 = "\xED\xB2\x80";
const std::string kRawE6 = "\xED\xB3\xA6";
const std::string kRaw97 = "\xED\xB2\x97";
const std::string kLoneD800 = "\xED\xA0\x80";

INSTANTIATE_TEST_SUITE_P(
    Files, DecodeFileTextTest,
    testing::Values(
        DecodeCase{"Utf8WithoutMark", "a=創業", "a=創業", "a=創業", TextEncoding::Utf8},
        DecodeCase{"Utf8WithMark",
                   "\xEF\xBB\xBF"
                   "a=創",
                   "a=創", "a=創", TextEncoding::Utf8WithBom},
        DecodeCase{"SecondMarkIsText", "\xEF\xBB\xBF\xEF\xBB\xBF", "\xEF\xBB\xBF", "\xEF\xBB\xBF",
                   TextEncoding::Utf8WithBom},
        DecodeCase{"Utf16LittleEndian",
                   "\xFF\xFE"
                   "a\0=\0\x75\x52"s,
                   "a=創", "a=創", TextEncoding::Utf16LE},
        DecodeCase{"Utf16BigEndian", "\xFE\xFF\0a\0=\x52\x75"s, "a=創", "a=創", TextEncoding::Utf16BE},
        DecodeCase{"Utf16SurrogatePair", "\xFF\xFE\x42\xD8\xB7\xDF"s, "𠮷", "𠮷", TextEncoding::Utf16LE},
        DecodeCase{"Utf16LoneSurrogate",
                   "\xFF\xFE\x00\xD8"
                   "a\0"s,
                   kLoneD800 + "a", "\uFFFDa", TextEncoding::Utf16LE},
        DecodeCase{"Utf16OddLength",
                   "\xFF\xFE"
                   "a\0b"s,
                   "a\uFFFD", "a\uFFFD", TextEncoding::Utf16LE},
        DecodeCase{"Utf16LittleEndianWithoutMark", "[\0\x00\x4E]\0\n\0k\0=\0\x8C\x4E"s, "[一]\nk=二", "[一]\nk=二",
                   TextEncoding::Utf16LEWithoutBom},
        DecodeCase{"Utf16BigEndianWithoutMark", "\0[\x4E\x00\0]\0\n\0k\0=\x4E\x8C"s, "[一]\nk=二", "[一]\nk=二",
                   TextEncoding::Utf16BEWithoutBom},
        DecodeCase{"CrLfOfSingleBytesIsNoUtf16", "a\0\r\nb\0"s, "a\0\r\nb\0"s, "a\0\r\nb\0"s, TextEncoding::Utf8},
        DecodeCase{"ShiftJisFileBecomesUtf8", "a=\x91\x6E\x8B\xC6\r\nb=\x82\xA0", "a=創業\r\nb=あ", "a=創業\r\nb=あ",
                   TextEncoding::Utf8},
        DecodeCase{"Cp932NecExtension", "\x87\x40\x5C", "①\\", "①\\", TextEncoding::Utf8},
        DecodeCase{"HalfWidthKatakana", "\xB6\xC5", "ｶﾅ", "ｶﾅ", TextEncoding::Utf8},
        DecodeCase{"ShiftJisLineInUtf8FileKeepsItsBytes", "a=創\n; \x82\xA0", "a=創\n; \xED\xB2\x82\xED\xB2\xA0",
                   "a=創\n; あ", TextEncoding::Utf8},
        DecodeCase{"LineNoEncodingReads", "a=創\rb=x\xFFy\r\n", "a=創\rb=x" + kRawFF + "y\r\n", "a=創\rb=x\uFFFDy\r\n",
                   TextEncoding::Utf8},
        // Reads as Shift_JIS, but writes back as FA 5C: kept for the rewrite, read for reading.
        DecodeCase{"Cp932CharacterWithTwoCodes", "b=\xED\x40", "b=\xED\xB3\xAD@", "b=纊", TextEncoding::Utf8},
        // Two bytes of a UTF-8 character happen to be one Shift_JIS character.
        DecodeCase{"TruncatedUtf8Character", "a=創\r\nb=\xE6\x97", "a=創\r\nb=" + kRawE6 + kRaw97, "a=創\r\nb=譌",
                   TextEncoding::Utf8},
        DecodeCase{"ShiftJisWithALineNoneReads", "a=\x91\x6E\r\nb=\xFF\r\n", "a=創\r\nb=" + kRawFF + "\r\n",
                   "a=創\r\nb=\uFFFD\r\n", TextEncoding::Utf8},
        DecodeCase{"Utf8WithMarkAndAStrayByte",
                   "\xEF\xBB\xBF"
                   "a=創\r\nb=\x80",
                   "a=創\r\nb=" + kRaw80, "a=創\r\nb=\uFFFD", TextEncoding::Utf8WithBom},
        DecodeCase{"EncodedSurrogateIsNoUtf8", "k=\xED\xA0\x80", "k=\xED\xB3\xAD\xED\xB2\xA0\xED\xB2\x80",
                   "k=\uFFFD\uFFFD\uFFFD", TextEncoding::Utf8},
        DecodeCase{"ZeroBlockAfterText", "a=1\r\n\0\0\0\0\0\0\0"s, "a=1\r\n\0\0\0\0\0\0\0"s, "a=1\r\n\0\0\0\0\0\0\0"s,
                   TextEncoding::Utf8},
        DecodeCase{"Empty", "", "", "", TextEncoding::Utf8}),
    [](const auto& info) { return std::string(info.param.name); });

// UTF-16 of the given text (UTF-8, characters of the first plane) without a mark.
std::string utf16WithoutMark(std::string_view text, bool littleEndian)
{
    std::string bytes;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = utf8CharacterLength(text.substr(i));
        const char32_t c = decodeUtf8Character(text.substr(i), length);
        const char high = char(c >> 8);
        const char low = char(c & 0xFF);
        bytes += littleEndian ? low : high;
        bytes += littleEndian ? high : low;
        i += length;
    }
    return bytes;
}

// A long memo of the user's own in Japanese: a tenth of its units are ASCII.
std::string mostlyJapaneseSettings()
{
    std::string memo;
    for (int i = 0; i < 40; ++i)
        memo += "明治の初めに創業した店の記録、";
    return "[メモ]\r\n記録=" + memo + "\r\n[OPTION]\r\nAddItem=1\r\nAddName=創業\r\nAddYear=1900\r\n";
}

// UTF-16 without a mark is found by its line ends and brackets, however
// little of the text is ASCII, and read without a byte changed.
TEST(DecodeFileTextTest, Utf16WithoutMarkIsFoundWhateverItsShareOfAscii)
{
    const std::string text = mostlyJapaneseSettings();
    const struct {
        const char* name;
        std::string text;
    } texts[] = {
        {"mostly Japanese", text},
        {"lines ending in LF", "[メモ]\n記録=漢字ばかり\n"},
        {"lines ending in CR", "[メモ]\r記録=漢字ばかり\r"},
        {"one line, no end", "[一]"},
        {"a character beyond the first plane", "[A]\n𠮷=1\n"},
    };
    for (const auto& [name, content] : texts) {
        for (const bool littleEndian : {true, false}) {
            SCOPED_TRACE(std::string(name) + (littleEndian ? ", little endian" : ", big endian"));
            std::string bytes = utf16WithoutMark(content, littleEndian);
            if (std::string_view(name) == "a character beyond the first plane") {
                // 𠮷 is U+20BB7: the pair D842 DFB7.
                const std::string pair = littleEndian ? "\x42\xD8\xB7\xDF" : "\xD8\x42\xDF\xB7";
                bytes = utf16WithoutMark("[A]\n", littleEndian) + pair + utf16WithoutMark("=1\n", littleEndian);
            }
            for (const DecodingPurpose purpose : {DecodingPurpose::Rewrite, DecodingPurpose::Reading}) {
                const FileDecoding decoding = decodeFileText(bytes, purpose);
                EXPECT_EQ(decoding.encoding,
                          littleEndian ? TextEncoding::Utf16LEWithoutBom : TextEncoding::Utf16BEWithoutBom);
                EXPECT_EQ(decoding.text(bytes), content);
                EXPECT_TRUE(decoding.recognised);
            }
        }
    }
}

// Bytes with zeros amid a line's text that are not UTF-16 are in no encoding
// known, and are marked so that the close leaves them alone; zeros among a
// line's blanks, as a crash leaves them, are no text.
TEST(DecodeFileTextTest, ZeroBytesAmidTextOfNoUtf16AreNotRecognised)
{
    const std::string japanese = utf16WithoutMark(mostlyJapaneseSettings(), true);
    const struct {
        const char* name;
        std::string bytes;
        bool recognised;
    } rows[] = {
        {"zero within a value", "[A]\r\nk=a\0b\r\n"s, false},
        {"zero within a section name", "[A\0]\r\n"s, false},
        {"UTF-16 whose second half lost a byte", japanese.substr(0, 400) + japanese.substr(401) + "\n"s, false},
        {"UTF-16 with a lone surrogate",
         utf16WithoutMark("[A]\r\nk=", true) + "\x00\xD8"s + utf16WithoutMark("\r\n", true), false},
        {"zeros after the last line", "[A]\r\nk=1\r\n\0\0\0\0\0\0"s, true},
        {"zeros at a line's ends", "[A]\r\n\0k=1\0\0\r\n"s, true},
        {"zeros in a line of their own", "[A]\n\0\0\0\0\nk=1\n"s, true},
        {"no zero at all", "[A]\r\nk=\x91\x6E\r\n", true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const FileDecoding decoding = decodeFileText(row.bytes, DecodingPurpose::Rewrite);
        EXPECT_EQ(decoding.recognised, row.recognised);
        EXPECT_EQ(decoding.encoding, TextEncoding::Utf8);
    }
}

TEST(DecodeFileTextTest, Utf8IsNotCopied)
{
    const std::string bytes = "\xEF\xBB\xBF[OPTION]\r\nAddName=創業\r\n";
    const FileDecoding decoding = decodeFileText(bytes, DecodingPurpose::Reading);
    EXPECT_FALSE(decoding.converted);
    EXPECT_EQ(decoding.text(bytes).data(), bytes.data() + 3);
}

struct Utf8Case {
    const char* name;
    std::string text;
    bool valid;
};

void PrintTo(const Utf8Case& c, std::ostream* out) { *out << c.name; }

class Utf8ValidityTest : public testing::TestWithParam<Utf8Case> {};

TEST_P(Utf8ValidityTest, IsStrict) { EXPECT_EQ(isValidUtf8(GetParam().text), GetParam().valid); }

INSTANTIATE_TEST_SUITE_P(
    Texts, Utf8ValidityTest,
    testing::Values(Utf8Case{"Ascii", "plain ASCII text, longer than eight bytes", true},
                    Utf8Case{"Japanese", "令和元年", true}, Utf8Case{"FourBytes", "𠮷", true},
                    Utf8Case{"Largest", "\xF4\x8F\xBF\xBF", true}, Utf8Case{"AboveLargest", "\xF4\x90\x80\x80", false},
                    Utf8Case{"Overlong", "\xC0\xAF", false}, Utf8Case{"OverlongThreeBytes", "\xE0\x80\xAF", false},
                    Utf8Case{"Surrogate", "\xED\xA0\x80", false}, Utf8Case{"Truncated", "\xE5\x89", false},
                    Utf8Case{"StrayContinuation", "abcdefgh\x80", false}, Utf8Case{"Nul", "a\0b"s, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Utf8Test, InvalidBytesBecomeReplacementCharacters)
{
    EXPECT_EQ(validUtf8("a\xFF創\xE5\x89"), "a\uFFFD創\uFFFD\uFFFD");
    EXPECT_EQ(utf16Length("a創𠮷"), 4u);
}

} // namespace
} // namespace erakon
