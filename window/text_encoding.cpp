#include "text_encoding.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace erakon {

namespace {

constexpr QByteArrayView kUtf8Bom("\xEF\xBB\xBF", 3);
constexpr QByteArrayView kUtf16LEBom("\xFF\xFE", 2);
constexpr QByteArrayView kUtf16BEBom("\xFE\xFF", 2);

// The mark has already been taken off; a second one is content.
constexpr auto kDecodeFlags = QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom;

QString decodeWith(QStringConverter::Encoding encoding, QByteArrayView bytes)
{
    QStringDecoder decoder(encoding, kDecodeFlags);
    return decoder.decode(bytes);
}

QString decodeShiftJis(QByteArrayView bytes)
{
    // Qt reaches the legacy code pages through ICU; windows-31j is CP932,
    // the Shift_JIS variant Windows writes (NEC and IBM extensions included).
    for (const char* name : {"windows-31j", "Shift_JIS"}) {
        QStringDecoder decoder(name, kDecodeFlags);
        if (decoder.isValid())
            return decoder.decode(bytes);
    }
    // A Qt without ICU: keep the text readable where it is ASCII.
    return decodeWith(QStringConverter::Utf8, bytes);
}

} // namespace

DecodedText decodeText(QByteArrayView bytes)
{
    if (bytes.startsWith(kUtf8Bom))
        return {decodeWith(QStringConverter::Utf8, bytes.sliced(kUtf8Bom.size())), TextEncoding::Utf8WithBom};
    if (bytes.startsWith(kUtf16LEBom))
        return {decodeWith(QStringConverter::Utf16LE, bytes.sliced(kUtf16LEBom.size())), TextEncoding::Utf16LE};
    if (bytes.startsWith(kUtf16BEBom))
        return {decodeWith(QStringConverter::Utf16BE, bytes.sliced(kUtf16BEBom.size())), TextEncoding::Utf16BE};

    QStringDecoder utf8(QStringConverter::Utf8, kDecodeFlags);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return {std::move(text), TextEncoding::Utf8};
    return {decodeShiftJis(bytes), TextEncoding::Utf8};
}

QByteArray encodeText(QStringView text, TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Utf8:
        return text.toUtf8();
    case TextEncoding::Utf8WithBom:
        return kUtf8Bom.toByteArray() + text.toUtf8();
    case TextEncoding::Utf16LE: {
        QStringEncoder encoder(QStringConverter::Utf16LE, QStringConverter::Flag::Stateless);
        return kUtf16LEBom.toByteArray() + QByteArray(encoder.encode(text));
    }
    case TextEncoding::Utf16BE: {
        QStringEncoder encoder(QStringConverter::Utf16BE, QStringConverter::Flag::Stateless);
        return kUtf16BEBom.toByteArray() + QByteArray(encoder.encode(text));
    }
    }
    return text.toUtf8();
}

} // namespace erakon
