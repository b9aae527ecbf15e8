// SPDX-License-Identifier: MIT
#pragma once

#include "core/text_decoding.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace erakon {

// The settings file's text as Qt holds it. The core decides how the bytes
// read (core/text_decoding.h: the byte-order mark, UTF-16 without one, UTF-8,
// Shift_JIS line by line, lines that no encoding reads); this side turns the
// text into a QString and back into bytes.

struct DecodedText {
    // Bytes that are not text stand as raw bytes (raw_bytes.h); a lone
    // surrogate of a UTF-16 file stays one.
    QString text;
    // The encoding to write the text back in.
    TextEncoding encoding = TextEncoding::Utf8;
    // False when the encoding is not known for certain: the bytes must not
    // be written back (FileDecoding::recognised).
    bool recognised = true;
};

// The text for the rewrite at close. Nothing fails: decodeText() followed by
// encodeText() in the encoding it found gives the same bytes, save for
// Shift_JIS turned into UTF-8.
DecodedText decodeText(QByteArrayView bytes);

// The same text as a reader shows it: Shift_JIS lines decoded wherever they
// stand (also those that would not write back to the same bytes), and bytes
// that no encoding reads as U+FFFD.
QString decodeTextForReading(QByteArrayView bytes);

// The text in the given encoding, preceded by its byte-order mark if it has one.
QByteArray encodeText(QStringView text, TextEncoding encoding);

} // namespace erakon
