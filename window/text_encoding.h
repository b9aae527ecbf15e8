#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace erakon {

// The encodings the settings file is written in. A file keeps the byte-order
// mark it was found with; everything else is written as UTF-8 without a mark.
enum class TextEncoding {
    Utf8,          // no byte-order mark
    Utf8WithBom,   // EF BB BF
    Utf16LE,       // FF FE
    Utf16BE,       // FE FF
};

struct DecodedText {
    QString text;
    // The encoding to write the text back in.
    TextEncoding encoding = TextEncoding::Utf8;
};

// A byte-order mark decides the encoding. Without one, valid UTF-8 is UTF-8
// and anything else is Shift_JIS (CP932), the encoding of files written on a
// Japanese Windows; such a file is written back as UTF-8. Malformed input
// decodes with replacement characters, never fails.
DecodedText decodeText(QByteArrayView bytes);

// The text in the given encoding, preceded by its byte-order mark if it has one.
QByteArray encodeText(QStringView text, TextEncoding encoding);

} // namespace erakon
