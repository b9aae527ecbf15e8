// SPDX-License-Identifier: MIT
#include "core/text_decoding.h"

#include "core/utf8.h"

#include <algorithm>
#include <cerrno>
#include <iconv.h>
#include <vector>

namespace erakon {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LEBom = "\xFF\xFE";
constexpr std::string_view kUtf16BEBom = "\xFE\xFF";

// A raw byte 0x80-0xFF stands as the lone surrogate U+DC80-U+DCFF.
constexpr char32_t kRawByteBase = 0xDC00;

unsigned char byteAt(std::string_view bytes, std::size_t i) { return static_cast<unsigned char>(bytes[i]); }

// Whether the bytes read as UTF-16 in the given order without a mark, by the
// shape any settings file has, however little of its text is ASCII: lines
// end in the units CR or LF, and a file starts with a section's "[". In an
// 8-bit file the bytes CR and LF stand in either half of a unit, so a CR or
// LF in a high half (Gurmukhi, Gujarati, Malayalam or Sinhala in UTF-16)
// rules the order out; so does a surrogate out of its pair. Units that are
// zero as a whole (a block of zeros, as a crash may leave behind after a file
// of any encoding) say nothing either way, and a line end next to one is no
// sign: an 8-bit line end followed by zeros looks like one.
bool readsAsUtf16(std::string_view bytes, bool littleEndian)
{
    const std::size_t units = bytes.size() / 2;
    const auto unitAt = [&](std::size_t unit) {
        const unsigned first = byteAt(bytes, 2 * unit);
        const unsigned second = byteAt(bytes, 2 * unit + 1);
        return char32_t(littleEndian ? second << 8 | first : first << 8 | second);
    };
    const auto isLineEnd = [](char32_t unit) { return unit == '\r' || unit == '\n'; };
    bool lineEndAmidText = false;
    for (std::size_t i = 0; i < units; ++i) {
        const char32_t unit = unitAt(i);
        if (isLineEnd(unit >> 8))
            return false;
        if (unit >= 0xD800 && unit <= 0xDBFF) {
            if (i + 1 == units || unitAt(i + 1) < 0xDC00 || unitAt(i + 1) > 0xDFFF)
                return false;
            ++i;
        } else if (unit >= 0xDC00 && unit <= 0xDFFF) {
            return false;
        } else if (isLineEnd(unit) && !lineEndAmidText) {
            lineEndAmidText = (i == 0 || unitAt(i - 1) != 0) && (i + 1 == units || unitAt(i + 1) != 0);
        }
    }
    return lineEndAmidText || unitAt(0) == '[';
}

// UTF-16 without a mark, when exactly one byte order reads as it (a text
// without zero bytes never does: its every unit would have two 8-bit halves).
std::optional<TextEncoding> unmarkedUtf16(std::string_view bytes)
{
    if (bytes.size() < 2 || bytes.size() % 2 != 0 || bytes.find('\0') == std::string_view::npos)
        return std::nullopt;
    const bool littleEndian = readsAsUtf16(bytes, true);
    const bool bigEndian = readsAsUtf16(bytes, false);
    if (littleEndian == bigEndian)
        return std::nullopt;
    return littleEndian ? TextEncoding::Utf16LEWithoutBom : TextEncoding::Utf16BEWithoutBom;
}

// Zero bytes within a line's text: an 8-bit text never holds them, so bytes
// that were not found to be UTF-16 but hold them are of an encoding unknown.
// Zeros among a line's blanks, which every rewrite trims, are left aside.
bool zeroBytesAmidText(std::string_view bytes)
{
    for (std::size_t zero = bytes.find('\0'); zero != std::string_view::npos; zero = bytes.find('\0', zero + 1)) {
        const auto isBlankAt = [&](std::size_t i) { return byteAt(bytes, i) <= ' '; };
        const auto isLineEndAt = [&](std::size_t i) { return bytes[i] == '\r' || bytes[i] == '\n'; };
        std::size_t before = zero;
        while (before > 0 && isBlankAt(before - 1) && !isLineEndAt(before - 1))
            --before;
        std::size_t after = zero;
        while (after < bytes.size() && isBlankAt(after) && !isLineEndAt(after))
            ++after;
        const bool textBefore = before > 0 && !isLineEndAt(before - 1);
        const bool textAfter = after < bytes.size() && !isLineEndAt(after);
        if (textBefore && textAfter)
            return true;
        zero = after - 1;
    }
    return false;
}

std::string decodeUtf16(std::string_view bytes, bool littleEndian, DecodingPurpose purpose)
{
    std::string text;
    text.reserve(bytes.size() + bytes.size() / 2);
    const auto unitAt = [&](std::size_t i) {
        const unsigned first = byteAt(bytes, i);
        const unsigned second = byteAt(bytes, i + 1);
        return char32_t(littleEndian ? second << 8 | first : first << 8 | second);
    };
    const auto appendLone = [&](char32_t surrogate) {
        appendUtf8(text, purpose == DecodingPurpose::Rewrite ? surrogate : kReplacementCharacter);
    };
    std::size_t i = 0;
    for (; i + 2 <= bytes.size(); i += 2) {
        const char32_t unit = unitAt(i);
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 4 <= bytes.size()) {
            const char32_t next = unitAt(i + 2);
            if (next >= 0xDC00 && next <= 0xDFFF) {
                appendUtf8(text, 0x10000 + ((unit - 0xD800) << 10) + (next - 0xDC00)); // [U+10000, U+10FFFF]
                i += 2;
                continue;
            }
        }
        if (unit >= 0xD800 && unit <= 0xDFFF)
            appendLone(unit);
        else
            appendUtf8(text, unit);
    }
    if (i < bytes.size()) // half a code unit at the end
        appendUtf8(text, kReplacementCharacter);
    return text;
}

// Shift_JIS as Windows writes it (CP932, NEC and IBM extensions included),
// through the C library's iconv. Opened at the first line that needs it.
class ShiftJis final {
public:
    ShiftJis() = default;
    ShiftJis(const ShiftJis&) = delete;
    ShiftJis& operator=(const ShiftJis&) = delete;
    ~ShiftJis()
    {
        if (m_decoder != kNone)
            iconv_close(m_decoder);
        if (m_encoder != kNone)
            iconv_close(m_encoder);
    }

    struct Decoded {
        std::string text;
        // Whether the text writes back to the same bytes (CP932 has
        // characters with two codes, and writes back only one).
        bool lossless = false;
    };

    // The line's text when it reads without error.
    std::optional<Decoded> decode(std::string_view line)
    {
        if (!open())
            return std::nullopt;
        std::optional<std::string> text = convert(m_decoder, line, line.size() * 3);
        if (!text)
            return std::nullopt;
        const std::optional<std::string> back = convert(m_encoder, *text, text->size());
        const bool lossless = back && *back == line;
        return Decoded{std::move(*text), lossless};
    }

private:
    static inline const iconv_t kNone = reinterpret_cast<iconv_t>(-1);

    bool open()
    {
        if (m_tried)
            return m_decoder != kNone && m_encoder != kNone;
        m_tried = true;
        for (const char* name : {"CP932", "WINDOWS-31J", "SHIFT_JIS"}) {
            const iconv_t decoder = iconv_open("UTF-8", name);
            const iconv_t encoder = iconv_open(name, "UTF-8");
            if (decoder != kNone && encoder != kNone) {
                m_decoder = decoder;
                m_encoder = encoder;
                return true;
            }
            if (decoder != kNone)
                iconv_close(decoder);
            if (encoder != kNone)
                iconv_close(encoder);
        }
        return false;
    }

    // The whole input converted, or nothing at the first byte that does not
    // convert (an incomplete character at the end included).
    static std::optional<std::string> convert(iconv_t converter, std::string_view input, std::size_t capacity)
    {
        iconv(converter, nullptr, nullptr, nullptr, nullptr); // a fresh state for every line
        std::string output(capacity + 16, '\0');
        char* in = const_cast<char*>(input.data()); // iconv's signature; it does not write the input
        std::size_t inLeft = input.size();
        char* out = output.data();
        std::size_t outLeft = output.size();
        while (inLeft > 0) {
            if (iconv(converter, &in, &inLeft, &out, &outLeft) != std::size_t(-1))
                continue;
            if (errno != E2BIG)
                return std::nullopt;
            const std::size_t written = std::size_t(out - output.data());
            output.resize(output.size() * 2);
            out = output.data() + written;
            outLeft = output.size() - written;
        }
        if (iconv(converter, nullptr, nullptr, &out, &outLeft) == std::size_t(-1))
            return std::nullopt;
        output.resize(std::size_t(out - output.data()));
        return output;
    }

    iconv_t m_decoder = kNone;
    iconv_t m_encoder = kNone;
    bool m_tried = false;
};

// Each byte 0x80-0xFF as a raw byte (or as U+FFFD for reading), ASCII as itself.
void appendRawBytes(std::string& text, std::string_view bytes, DecodingPurpose purpose)
{
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80)
            text += c;
        else
            appendUtf8(text, purpose == DecodingPurpose::Rewrite ? kRawByteBase + byte : kReplacementCharacter);
    }
}

// Calls onLine(content, end) for each line: its bytes and its end (CR LF, CR,
// LF or nothing).
template <typename OnLine>
void forEachLine(std::string_view bytes, OnLine&& onLine)
{
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = lineEndFrom(bytes, start);
        std::size_t next = end;
        if (next < bytes.size())
            next += bytes[next] == '\r' && next + 1 < bytes.size() && bytes[next + 1] == '\n' ? 2 : 1;
        onLine(bytes.substr(start, end - start), bytes.substr(end, next - end));
        start = next;
    }
}

bool hasNonAscii(std::string_view text)
{
    return std::any_of(text.begin(), text.end(), [](char c) { return (c & 0x80) != 0; });
}

// Text of bytes that are not valid UTF-8 as a whole, one line at a time.
std::string decodeLineByLine(std::string_view bytes, DecodingPurpose purpose)
{
    const bool reading = purpose == DecodingPurpose::Reading;
    // A file with no UTF-8 of its own is a Shift_JIS file, turned into UTF-8
    // as a whole; in a file that mixes the two, each line keeps its bytes.
    bool anyUtf8 = false;
    if (!reading) {
        forEachLine(bytes, [&](std::string_view line, std::string_view) {
            anyUtf8 = anyUtf8 || (hasNonAscii(line) && isValidUtf8(line));
        });
    }
    const bool shiftJisAsText = reading || !anyUtf8;

    ShiftJis shiftJis;
    std::string text;
    text.reserve(bytes.size() + bytes.size() / 2);
    forEachLine(bytes, [&](std::string_view line, std::string_view end) {
        if (isValidUtf8(line)) {
            text += line;
        } else if (std::optional<ShiftJis::Decoded> decoded = shiftJis.decode(line);
                   decoded && (decoded->lossless ? shiftJisAsText : reading)) {
            // A line that reads as Shift_JIS but would not write back to the
            // same bytes is read, and kept as bytes for the rewrite.
            text += decoded->text;
        } else {
            appendRawBytes(text, line, purpose);
        }
        text += end;
    });
    return text;
}

// UTF-8 text after the mark: as it stands when valid, else line by line.
FileDecoding decodeUtf8(std::string_view bytes, std::size_t markLength, TextEncoding encoding, DecodingPurpose purpose)
{
    const std::string_view text = bytes.substr(markLength);
    const bool recognised = !zeroBytesAmidText(text);
    if (isValidUtf8(text))
        return {encoding, markLength, std::nullopt, recognised};
    return {encoding, markLength, decodeLineByLine(text, purpose), recognised};
}

} // namespace

FileDecoding decodeFileText(std::string_view bytes, DecodingPurpose purpose)
{
    if (bytes.starts_with(kUtf8Bom))
        return decodeUtf8(bytes, kUtf8Bom.size(), TextEncoding::Utf8WithBom, purpose);
    if (bytes.starts_with(kUtf16LEBom))
        return {TextEncoding::Utf16LE, kUtf16LEBom.size(), decodeUtf16(bytes.substr(2), true, purpose)};
    if (bytes.starts_with(kUtf16BEBom))
        return {TextEncoding::Utf16BE, kUtf16BEBom.size(), decodeUtf16(bytes.substr(2), false, purpose)};
    if (const std::optional<TextEncoding> utf16 = unmarkedUtf16(bytes))
        return {*utf16, 0, decodeUtf16(bytes, *utf16 == TextEncoding::Utf16LEWithoutBom, purpose)};
    return decodeUtf8(bytes, 0, TextEncoding::Utf8, purpose);
}

} // namespace erakon
