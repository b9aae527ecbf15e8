// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

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

// What the text is for: the rewrite at close, which must give back every
// byte of the user's, or reading values, which wants text only.
enum class DecodingPurpose {
    // Bytes that are not text are kept: each byte 0x80-0xFF of such a line
    // stands as the lone surrogate U+DC80-U+DCFF, and a lone surrogate of a
    // UTF-16 file stays one; both are written in UTF-8's three-byte form,
    // which no valid UTF-8 holds, so nothing is mistaken for them.
    Rewrite,
    // Valid UTF-8 only: Shift_JIS lines are read wherever they stand (also
    // those that would not write back to the same bytes), and whatever no
    // encoding reads becomes U+FFFD.
    Reading,
};

// How a file's bytes read as text:
// - a byte-order mark decides the encoding;
// - without one, a file of an even size that reads as UTF-16 in exactly one
//   byte order is UTF-16 in that order: lines end in the 16-bit units CR or
//   LF (or the file starts with the unit "["), no CR or LF byte stands in a
//   unit's high half, and every surrogate is in its pair; how much of the
//   text is ASCII does not matter;
// - a file that is valid UTF-8 is UTF-8;
// - any other file is read line by line: a line that is valid UTF-8 as
//   UTF-8, else as Shift_JIS (CP932, the encoding of files written on a
//   Japanese Windows, through the C library's iconv) where that reads and
//   writes back to the same bytes. A line that neither reads losslessly
//   keeps its bytes. When no line needed UTF-8, the file is Shift_JIS as a
//   whole and is written back as UTF-8; otherwise every Shift_JIS line keeps
//   its bytes too, so a rewrite never changes a line of the user's.
// A file that was not found to be UTF-16 but holds zero bytes within a line's
// text is in no encoding known: it is read as well as it goes, and marked so
// that it is never rewritten.
struct FileDecoding {
    TextEncoding encoding = TextEncoding::Utf8;
    // The byte-order mark's length.
    std::size_t markLength = 0;
    // The text, when the bytes are not UTF-8 already; otherwise the text is
    // the bytes themselves after the mark, and nothing was copied.
    std::optional<std::string> converted;
    // Whether the encoding is known for certain: false for zero bytes within
    // the text of a file that is not UTF-16 (zeros among a line's blanks, as
    // a crash may leave behind, are no text). Such a file must not be
    // rewritten: the rewrite would change its bytes.
    bool recognised = true;

    // The text as UTF-8, given the bytes that were decoded. It may point into
    // `converted`, so a temporary cannot give it.
    std::string_view text(std::string_view bytes) const&
    {
        return converted ? std::string_view(*converted) : bytes.substr(markLength);
    }
    std::string_view text(std::string_view bytes) const&& = delete;
};

// Nothing fails: every sequence of bytes gives a text.
FileDecoding decodeFileText(std::string_view bytes, DecodingPurpose purpose);

} // namespace erakon
