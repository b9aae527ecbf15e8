// SPDX-License-Identifier: MIT
#include "core/utf8.h"

#include <cstdint>
#include <cstring>

namespace erakon {

namespace {

constexpr unsigned char byteAt(std::string_view text, std::size_t i) { return static_cast<unsigned char>(text[i]); }

constexpr bool isContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// Many bytes at a time while they are all ASCII: settings files are mostly ASCII.
std::size_t asciiPrefixLength(std::string_view text)
{
    std::size_t i = 0;
    constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;
    for (; i + 32 <= text.size(); i += 32) {
        std::uint64_t blocks[4];
        std::memcpy(blocks, text.data() + i, 32);
        if ((blocks[0] | blocks[1] | blocks[2] | blocks[3]) & kHighBits)
            break;
    }
    for (; i + 8 <= text.size(); i += 8) {
        std::uint64_t block = 0;
        std::memcpy(&block, text.data() + i, 8);
        if (block & kHighBits)
            break;
    }
    while (i < text.size() && byteAt(text, i) < 0x80)
        ++i;
    return i;
}

} // namespace

std::size_t utf8CharacterLength(std::string_view text)
{
    if (text.empty())
        return 0;
    const unsigned char lead = byteAt(text, 0);
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    unsigned char secondMin = 0x80; // the second byte's range shuts out overlong forms,
    unsigned char secondMax = 0xBF; // surrogates and code points above U+10FFFF
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            secondMin = 0xA0;
        else if (lead == 0xED)
            secondMax = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            secondMin = 0x90;
        else if (lead == 0xF4)
            secondMax = 0x8F;
    } else {
        return 0;
    }
    if (text.size() < length)
        return 0;
    const unsigned char second = byteAt(text, 1);
    if (second < secondMin || second > secondMax)
        return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if (!isContinuation(byteAt(text, i)))
            return 0;
    }
    return length;
}

bool isValidUtf8(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size()) {
        i += asciiPrefixLength(text.substr(i));
        if (i == text.size())
            return true;
        const std::size_t length = utf8CharacterLength(text.substr(i));
        if (length == 0)
            return false;
        i += length;
    }
    return true;
}

void appendUtf8(std::string& out, char32_t codePoint)
{
    if (codePoint < 0x80) {
        out += char(codePoint);
    } else if (codePoint < 0x800) {
        out += char(0xC0 | (codePoint >> 6));
        out += char(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        out += char(0xE0 | (codePoint >> 12));
        out += char(0x80 | ((codePoint >> 6) & 0x3F));
        out += char(0x80 | (codePoint & 0x3F));
    } else if (codePoint <= 0x10FFFF) {
        out += char(0xF0 | (codePoint >> 18));
        out += char(0x80 | ((codePoint >> 12) & 0x3F));
        out += char(0x80 | ((codePoint >> 6) & 0x3F));
        out += char(0x80 | (codePoint & 0x3F));
    } else {
        appendUtf8(out, kReplacementCharacter);
    }
}

char32_t decodeUtf8Character(std::string_view text, std::size_t length)
{
    const unsigned char lead = byteAt(text, 0);
    switch (length) {
    case 1: return lead;
    case 2: return char32_t(lead & 0x1F) << 6 | (byteAt(text, 1) & 0x3F);
    case 3: return char32_t(lead & 0x0F) << 12 | char32_t(byteAt(text, 1) & 0x3F) << 6 | (byteAt(text, 2) & 0x3F);
    case 4:
        return char32_t(lead & 0x07) << 18 | char32_t(byteAt(text, 1) & 0x3F) << 12
            | char32_t(byteAt(text, 2) & 0x3F) << 6 | (byteAt(text, 3) & 0x3F);
    default: return kReplacementCharacter;
    }
}

std::string validUtf8(std::string_view text)
{
    if (isValidUtf8(text))
        return std::string(text);
    std::string result;
    result.reserve(text.size() + 8);
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t length = utf8CharacterLength(text.substr(i));
        if (length == 0) {
            appendUtf8(result, kReplacementCharacter);
            ++i;
        } else {
            result.append(text.substr(i, length));
            i += length;
        }
    }
    return result;
}

std::size_t lineEndFrom(std::string_view text, std::size_t start)
{
    // One comparison for most bytes: CR and LF lie below every printable one.
    for (std::size_t i = start; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte <= '\r' && (byte == '\r' || byte == '\n'))
            return i;
    }
    return text.size();
}

std::size_t utf16Length(std::string_view text)
{
    std::size_t units = 0;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (!isContinuation(byte))
            units += byte >= 0xF0 ? 2 : 1;
    }
    return units;
}

} // namespace erakon
