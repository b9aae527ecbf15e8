// SPDX-License-Identifier: MIT
#include "settings/text_encoding.h"

#include "settings/raw_bytes.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <QUtf8StringView>

#include <algorithm>
#include <optional>
#include <vector>

namespace erakon {

namespace {

constexpr QByteArrayView kUtf8Bom("\xEF\xBB\xBF", 3);
constexpr QByteArrayView kUtf16LEBom("\xFF\xFE", 2);
constexpr QByteArrayView kUtf16BEBom("\xFE\xFF", 2);

// The mark has already been taken off; a second one is content.
constexpr auto kConverterFlags = QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom;

QString decodeWith(QStringConverter::Encoding encoding, QByteArrayView bytes)
{
    QStringDecoder decoder(encoding, kConverterFlags);
    return decoder.decode(bytes);
}

bool isValidUtf8(QByteArrayView bytes) { return QUtf8StringView(bytes.data(), bytes.size()).isValidUtf8(); }

// UTF-16 without a mark: text with ASCII in it has a zero high byte in a good
// part of its code units, and few have a zero low byte (一 is U+4E00). Units
// that are zero as a whole (a block of zeros, as a crash may leave behind
// after a file of any encoding) say nothing either way. A CR LF of single
// bytes marks an 8-bit file, every one the program writes among them, so
// what it writes is never taken for UTF-16 when read again.
std::optional<TextEncoding> unmarkedUtf16(QByteArrayView bytes)
{
    if (bytes.size() < 2 || bytes.size() % 2 != 0 || bytes.indexOf("\r\n") >= 0)
        return std::nullopt;
    qsizetype units = 0;
    qsizetype zeroFirst = 0; // big-endian high bytes
    qsizetype zeroSecond = 0; // little-endian high bytes
    for (qsizetype i = 0; i < bytes.size(); i += 2) {
        const bool firstZero = bytes[i] == 0;
        const bool secondZero = bytes[i + 1] == 0;
        if (firstZero && secondZero)
            continue;
        ++units;
        zeroFirst += firstZero;
        zeroSecond += secondZero;
    }
    // A single zero byte, where text meets a block of zeros, is no sign.
    if (zeroSecond > 1 && zeroSecond * 4 >= units && zeroFirst * 2 < zeroSecond)
        return TextEncoding::Utf16LEWithoutBom;
    if (zeroFirst > 1 && zeroFirst * 4 >= units && zeroSecond * 2 < zeroFirst)
        return TextEncoding::Utf16BEWithoutBom;
    return std::nullopt;
}

// Shift_JIS as Windows writes it (windows-31j is CP932, NEC and IBM
// extensions included), reached through ICU.
class ShiftJis final {
public:
    ShiftJis()
    {
        for (const char* name : {"windows-31j", "Shift_JIS"}) {
            if (QStringDecoder(name).isValid() && QStringEncoder(name).isValid()) {
                m_name = name;
                return;
            }
        }
    }

    struct Decoded {
        QString text;
        // Whether the text writes back to the same bytes (CP932 has
        // characters with two codes, and writes back only one).
        bool lossless = false;
    };

    // The line's text when it reads without error.
    std::optional<Decoded> decode(QByteArrayView line) const
    {
        if (!m_name)
            return std::nullopt;
        // Fresh converters for each line: an error once seen stays with one.
        QStringDecoder decoder(m_name, kConverterFlags);
        QString text = decoder.decode(line);
        if (decoder.hasError())
            return std::nullopt;
        QStringEncoder encoder(m_name, kConverterFlags);
        const QByteArray back = encoder.encode(text);
        const bool lossless = !encoder.hasError() && back == line;
        return Decoded{std::move(text), lossless};
    }

private:
    const char* m_name = nullptr;
};

enum class LineKind { Utf8, ShiftJis, Neither };

struct Line {
    QByteArrayView content;
    QByteArrayView end; // CR LF, CR, LF or nothing
    LineKind kind = LineKind::Utf8;
    QString shiftJisText; // also of a line that reads as Shift_JIS but does not write back
};

std::vector<Line> splitLines(QByteArrayView bytes)
{
    std::vector<Line> lines;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = start;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        qsizetype next = end;
        if (next < bytes.size())
            next += bytes[next] == '\r' && next + 1 < bytes.size() && bytes[next + 1] == '\n' ? 2 : 1;
        lines.push_back({bytes.sliced(start, end - start), bytes.sliced(end, next - end), LineKind::Utf8, {}});
        start = next;
    }
    return lines;
}

enum class Purpose { Rewrite, Reading };

// Text of bytes that are not valid UTF-8 as a whole, one line at a time.
QString decodeLineByLine(QByteArrayView bytes, Purpose purpose)
{
    std::vector<Line> lines = splitLines(bytes);
    const ShiftJis shiftJis;
    bool anyUtf8 = false;
    for (Line& line : lines) {
        if (isValidUtf8(line.content)) {
            anyUtf8 |= std::any_of(line.content.begin(), line.content.end(), [](char c) { return (c & 0x80) != 0; });
            continue;
        }
        std::optional<ShiftJis::Decoded> decoded = shiftJis.decode(line.content);
        line.kind = decoded && decoded->lossless ? LineKind::ShiftJis : LineKind::Neither;
        if (decoded)
            line.shiftJisText = std::move(decoded->text);
    }
    // A file with no UTF-8 of its own is a Shift_JIS file, turned into UTF-8
    // as a whole; in a file that mixes the two, each line keeps its bytes.
    const bool shiftJisText = purpose == Purpose::Reading || !anyUtf8;

    QString text;
    text.reserve(bytes.size());
    for (const Line& line : lines) {
        switch (line.kind) {
        case LineKind::Utf8: text += decodeWith(QStringConverter::Utf8, line.content); break;
        case LineKind::ShiftJis: text += shiftJisText ? line.shiftJisText : rawBytesAsText(line.content); break;
        case LineKind::Neither:
            if (purpose == Purpose::Rewrite)
                text += rawBytesAsText(line.content);
            else if (!line.shiftJisText.isEmpty())
                text += line.shiftJisText;
            else
                text += withRawBytesReplaced(rawBytesAsText(line.content));
            break;
        }
        text += QLatin1StringView(line.end.data(), line.end.size());
    }
    return text;
}

QString decodeUtf8(QByteArrayView bytes, Purpose purpose)
{
    // One pass for the usual file, which is valid UTF-8 as a whole.
    QStringDecoder utf8(QStringConverter::Utf8, kConverterFlags);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return decodeLineByLine(bytes, purpose);
}

DecodedText decode(QByteArrayView bytes, Purpose purpose)
{
    if (bytes.startsWith(kUtf8Bom))
        return {decodeUtf8(bytes.sliced(kUtf8Bom.size()), purpose), TextEncoding::Utf8WithBom};
    if (bytes.startsWith(kUtf16LEBom))
        return {decodeWith(QStringConverter::Utf16LE, bytes.sliced(kUtf16LEBom.size())), TextEncoding::Utf16LE};
    if (bytes.startsWith(kUtf16BEBom))
        return {decodeWith(QStringConverter::Utf16BE, bytes.sliced(kUtf16BEBom.size())), TextEncoding::Utf16BE};
    if (const std::optional<TextEncoding> utf16 = unmarkedUtf16(bytes)) {
        const auto encoding = *utf16 == TextEncoding::Utf16LEWithoutBom ? QStringConverter::Utf16LE
                                                                        : QStringConverter::Utf16BE;
        return {decodeWith(encoding, bytes), *utf16};
    }
    return {decodeUtf8(bytes, purpose), TextEncoding::Utf8};
}

QByteArray encodeUtf16(QStringView text, QStringConverter::Encoding encoding)
{
    QStringEncoder encoder(encoding, QStringConverter::Flag::Stateless);
    return encoder.encode(text);
}

} // namespace

DecodedText decodeText(QByteArrayView bytes) { return decode(bytes, Purpose::Rewrite); }

QString decodeTextForReading(QByteArrayView bytes) { return decode(bytes, Purpose::Reading).text; }

QByteArray encodeText(QStringView text, TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Utf8: return encodeUtf8KeepingRawBytes(text);
    case TextEncoding::Utf8WithBom: return kUtf8Bom.toByteArray() + encodeUtf8KeepingRawBytes(text);
    case TextEncoding::Utf16LE: return kUtf16LEBom.toByteArray() + encodeUtf16(text, QStringConverter::Utf16LE);
    case TextEncoding::Utf16BE: return kUtf16BEBom.toByteArray() + encodeUtf16(text, QStringConverter::Utf16BE);
    case TextEncoding::Utf16LEWithoutBom: return encodeUtf16(text, QStringConverter::Utf16LE);
    case TextEncoding::Utf16BEWithoutBom: return encodeUtf16(text, QStringConverter::Utf16BE);
    }
    return encodeUtf8KeepingRawBytes(text);
}

} // namespace erakon
