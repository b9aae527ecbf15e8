// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace erakon {

// UTF-8 as the core holds text: std::string, checked strictly (RFC 3629: no
// surrogates, no overlong forms, nothing above U+10FFFF).

inline constexpr char32_t kReplacementCharacter = U'\uFFFD';

// The length of the well-formed character that starts text, or 0 when text
// does not start with one (empty text included).
std::size_t utf8CharacterLength(std::string_view text);

bool isValidUtf8(std::string_view text);

// Appends the code point in UTF-8. Lone surrogates (U+D800-U+DFFF) are written
// in the same three-byte form as any other character of their plane, which no
// valid UTF-8 holds: that is how the settings text keeps bytes that are not
// text (text_decoding.h).
void appendUtf8(std::string& out, char32_t codePoint);

// The code point of the well-formed character at the start of text (its
// length from utf8CharacterLength()).
char32_t decodeUtf8Character(std::string_view text, std::size_t length);

// The text with every byte that does not begin a well-formed character
// replaced by U+FFFD, so that it can go wherever UTF-8 is expected.
std::string validUtf8(std::string_view text);

// How many UTF-16 code units the valid UTF-8 text takes: characters above
// U+FFFF take two.
std::size_t utf16Length(std::string_view text);

// Where the line that starts at `start` ends: the first CR or LF from there,
// or the end of the text.
std::size_t lineEndFrom(std::string_view text, std::size_t start);

} // namespace erakon
