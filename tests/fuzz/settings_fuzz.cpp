// SPDX-License-Identifier: MIT
// libFuzzer entry for the settings file: any bytes must load, edit, write and
// read back without a crash, and a written document must load back to itself,
// in its encoding, and grow by a bounded factor.
// Lines of the user's own keep their bytes whatever encoding each is in.
#include "settings/ini_document.h"
#include "settings/profile_reader.h"
#include "settings/text_encoding.h"

#include <QByteArrayView>

#include <cstdint>
#include <cstdlib>
#include <vector>

using namespace erakon;

namespace {

// What the close does to the sections the program owns.
void editAsTheCloseDoes(IniDocument& document)
{
    document.removeSection(u"PROGRAM");
    document.writeValue(u"PROGRAM", u"Name", u"erakon");
    document.removeSection(u"MODE");
    document.writeValue(u"OPTION", u"AddName", u"創業\r\n[X]");
}

QByteArrayView trimmedOfBlanks(QByteArrayView bytes)
{
    const auto isBlank = [](char c) { return static_cast<unsigned char>(c) <= 32; };
    while (!bytes.isEmpty() && isBlank(bytes.front()))
        bytes = bytes.sliced(1);
    while (!bytes.isEmpty() && isBlank(bytes.back()))
        bytes.chop(1);
    return bytes;
}

// The input's lines become the values of a section of the user's own in a
// file that also holds UTF-8 text, so that it is decoded line by line
// whenever a line is not UTF-8. Every such line must come back byte for byte,
// trimmed of its blanks as every line is.
void checkUsersLinesKeepTheirBytes(QByteArrayView bytes)
{
    QByteArray file = "[NOTES]\r\nutf8=\xE5\x89\xB5\xE6\xA5\xAD\r\n";
    std::vector<QByteArray> expectedLines;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= bytes.size(); ++i) {
        if (i < bytes.size() && bytes[i] != '\r' && bytes[i] != '\n')
            continue;
        const QByteArray key = "k" + QByteArray::number(qsizetype(expectedLines.size())) + "=";
        const QByteArrayView value = bytes.sliced(start, i - start);
        file += key;
        file += value;
        file += "\r\n";
        expectedLines.push_back("\r\n" + key + trimmedOfBlanks(value).toByteArray() + "\r\n");
        start = i + 1;
    }
    file += "[OPTION]\r\nAddName=x\r\n";

    // Zero bytes in every other place make a UTF-16 file of it: not this check.
    const TextEncoding encoding = decodeText(file).encoding;
    if (encoding != TextEncoding::Utf8)
        return;
    IniDocument document = IniDocument::fromBytes(file);
    editAsTheCloseDoes(document);
    const QByteArray written = document.toBytes();
    for (const QByteArray& line : expectedLines) {
        if (!written.contains(line))
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));

    // The close: load, replace the program's sections, write.
    IniDocument document = IniDocument::fromBytes(bytes);
    editAsTheCloseDoes(document);
    const QByteArray written = document.toBytes();
    const IniDocument reloaded = IniDocument::fromBytes(written);
    if (reloaded.toBytes() != written)
        std::abort();
    // What a close writes, the next close may write again, in the same encoding.
    if (document.encodingRecognised() && (!reloaded.encodingRecognised() || reloaded.encoding() != document.encoding()))
        std::abort();
    // A rewrite grows a file three times at most (half-width katakana, one
    // byte of Shift_JIS each, become three of UTF-8; LF becomes CR LF), plus
    // the program's own sections: a file near the size limit may pass it,
    // which the close checks before it writes.
    if (written.size() > 3 * bytes.size() + 1024)
        std::abort();

    checkUsersLinesKeepTheirBytes(bytes);

    // The start: every key the program reads.
    const ProfileReader reader = ProfileReader::fromText(decodeTextForReading(bytes));
    for (const char16_t* key : {u"Flags", u"ShowCmd", u"MaxX", u"MaxY", u"Top", u"Left", u"Right", u"Bottom", u"State"})
        (void)reader.readInteger(u"POSITION", key, 0);
    for (const char16_t* key : {u"ShowEto", u"AddYear", u"SaveStatus"})
        (void)reader.readBool(u"OPTION", key, true);
    for (const char16_t* key : {u"AddName", u"StyleName"}) {
        const QString value = reader.readString(u"OPTION", key, QString());
        if (value.size() > ProfileReader::kProfileValueMaxLength)
            std::abort();
        (void)parseProfileInteger(value);
    }
    return 0;
}
