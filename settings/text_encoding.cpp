// SPDX-License-Identifier: MIT
#include "settings/text_encoding.h"

#include "settings/raw_bytes.h"

#include <QStringEncoder>

namespace erakon {

namespace {

constexpr QByteArrayView kUtf8Bom("\xEF\xBB\xBF", 3);
constexpr QByteArrayView kUtf16LEBom("\xFF\xFE", 2);
constexpr QByteArrayView kUtf16BEBom("\xFE\xFF", 2);

std::string_view viewOf(QByteArrayView bytes) { return {bytes.data(), std::size_t(bytes.size())}; }

QByteArray encodeUtf16(QStringView text, QStringConverter::Encoding encoding)
{
    QStringEncoder encoder(encoding, QStringConverter::Flag::Stateless);
    return encoder.encode(text);
}

} // namespace

DecodedText decodeText(QByteArrayView bytes)
{
    const std::string_view view = viewOf(bytes);
    const FileDecoding decoding = decodeFileText(view, DecodingPurpose::Rewrite);
    const std::string_view text = decoding.text(view);
    // Text that is valid UTF-8 already takes Qt's fast way.
    return {decoding.converted ? textKeepingRawBytes(text) : QString::fromUtf8(text.data(), qsizetype(text.size())),
            decoding.encoding, decoding.recognised};
}

QString decodeTextForReading(QByteArrayView bytes)
{
    const std::string_view view = viewOf(bytes);
    const FileDecoding decoding = decodeFileText(view, DecodingPurpose::Reading);
    const std::string_view text = decoding.text(view);
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

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
