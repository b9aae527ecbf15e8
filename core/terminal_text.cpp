// SPDX-License-Identifier: MIT
#include "core/terminal_text.h"

#include "core/utf8.h"

namespace erakon {

namespace {

// How long the piece at the start of text is, and whether it must be escaped:
// a whole printable character, or one byte or C1 character to escape.
struct Piece {
    std::size_t length = 1;
    bool escaped = false;
};

Piece pieceAt(std::string_view text)
{
    const auto byte = static_cast<unsigned char>(text.front());
    if (byte < 0x20 || byte == 0x7F)
        return {1, true};
    const std::size_t length = utf8CharacterLength(text);
    if (length == 0)
        return {1, true}; // not UTF-8
    const char32_t c = decodeUtf8Character(text, length);
    return {length, c >= 0x80 && c <= 0x9F};
}

void appendEscaped(std::string& out, std::string_view bytes)
{
    for (const char c : bytes) {
        switch (c) {
        case '\a': out += "\\a"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        case '\v': out += "\\v"; break;
        default: {
            const auto byte = static_cast<unsigned char>(c);
            out += '\\';
            out += char('0' + (byte >> 6));
            out += char('0' + ((byte >> 3) & 7));
            out += char('0' + (byte & 7));
        }
        }
    }
}

} // namespace

std::string visibleText(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    while (!text.empty()) {
        const Piece piece = pieceAt(text);
        if (piece.escaped)
            appendEscaped(out, text.substr(0, piece.length));
        else
            out.append(text.substr(0, piece.length));
        text.remove_prefix(piece.length);
    }
    return out;
}

std::string quotedText(std::string_view text)
{
    std::string out = "'";
    bool inEscapes = false; // within $'...'
    while (!text.empty()) {
        const Piece piece = pieceAt(text);
        if (piece.escaped != inEscapes) {
            out += piece.escaped ? "'$'" : "''";
            inEscapes = piece.escaped;
        }
        if (piece.escaped)
            appendEscaped(out, text.substr(0, piece.length));
        else if (text.front() == '\'')
            out += "'\\''";
        else
            out.append(text.substr(0, piece.length));
        text.remove_prefix(piece.length);
    }
    out += "'";
    return out;
}

std::string programNameOf(int argc, const char* const* argv, std::string_view fallback)
{
    if (argc < 1 || !argv || !argv[0] || !*argv[0])
        return visibleText(fallback);
    const std::string_view path = argv[0];
    const std::string_view name = path.substr(path.rfind('/') + 1);
    return visibleText(name.empty() ? fallback : name);
}

std::string refusalText(std::string_view programName, std::string_view error)
{
    const std::string name(programName);
    return name + ": " + std::string(error) + "\nTry '" + name + " --help' for more information.\n";
}

} // namespace erakon
