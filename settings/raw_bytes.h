// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <string_view>

namespace erakon {

// Bytes that are not text, carried in a QString. In a piece (a line of the
// settings file, a part of a path) that is not valid UTF-8, each byte
// 0x80-0xFF stands as the lone low surrogate U+DC80-U+DCFF, the others as
// their ASCII characters. Such a string encodes back to exactly the bytes it
// came from, so a file name or a line that is not UTF-8 survives being held
// as text, and the ASCII that gives a line or a path its shape stays readable.

// Whether c stands for a raw byte (a low surrogate U+DC80-U+DCFF; the caller
// makes sure it is not the second half of a pair).
constexpr bool isRawByte(QChar c) noexcept { return c.unicode() >= 0xDC80 && c.unicode() <= 0xDCFF; }

// bytes with every byte 0x80-0xFF carried as a raw byte.
QString rawBytesAsText(QByteArrayView bytes);
// Valid UTF-8 decoded; anything else as rawBytesAsText().
QString decodeUtf8KeepingRawBytes(QByteArrayView bytes);
// UTF-8, with each raw byte written as the byte it stands for.
QByteArray encodeUtf8KeepingRawBytes(QStringView text);
bool containsRawBytes(QStringView text);
// The core's text for the rewrite of the settings file (core/text_decoding.h):
// UTF-8 in which raw bytes and lone surrogates stand in UTF-8's three-byte
// form, which becomes the lone surrogate itself here.
QString textKeepingRawBytes(std::string_view text);
// The text with each raw byte shown as U+FFFD, the replacement character.
QString withRawBytesReplaced(QString text);

// A file name as the system gives it (bytes), each part between "/" decoded
// on its own, so one odd folder name does not spoil the rest of the path.
QString decodeFileName(QByteArrayView bytes);
// The bytes the system knows the file by; the inverse of decodeFileName().
QByteArray encodeFileName(QStringView fileName);

} // namespace erakon
