// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace erakon {

// The encodings the settings file is written in. A file keeps the encoding
// and byte-order mark it was found with, except Shift_JIS, which is written
// back as UTF-8; a new file is UTF-8 without a mark.
enum class TextEncoding {
    Utf8, // no byte-order mark
    Utf8WithBom, // EF BB BF
    Utf16LE, // FF FE
    Utf16BE, // FE FF
    Utf16LEWithoutBom,
    Utf16BEWithoutBom,
};

struct DecodedText {
    QString text;
    // The encoding to write the text back in.
    TextEncoding encoding = TextEncoding::Utf8;
};

// How a file's bytes become text:
// - a byte-order mark decides the encoding;
// - without one, a file of an even size with zero bytes in every other
//   position (the high bytes of ASCII) and no CR LF of single bytes is UTF-16
//   in that order;
// - a file that is valid UTF-8 is UTF-8;
// - any other file is decoded line by line: a line that is valid UTF-8 as
//   UTF-8, else as Shift_JIS (CP932, the encoding of files written on a
//   Japanese Windows) where that reads and writes back to the same bytes.
//   A line that neither reads losslessly keeps its bytes (raw_bytes.h).
//   When no line needed UTF-8, the file is Shift_JIS as a whole and is
//   written back as UTF-8; otherwise every Shift_JIS line keeps its bytes too,
//   so a rewrite never changes a line of the user's.
// Nothing fails: decodeText() followed by encodeText() in the encoding it
// found gives the same bytes, save for Shift_JIS turned into UTF-8.
DecodedText decodeText(QByteArrayView bytes);

// The same text as a reader shows it: Shift_JIS lines decoded wherever they
// stand (also those that would not write back to the same bytes), and bytes
// that no encoding reads as U+FFFD.
QString decodeTextForReading(QByteArrayView bytes);

// The text in the given encoding, preceded by its byte-order mark if it has one.
QByteArray encodeText(QStringView text, TextEncoding encoding);

} // namespace erakon
