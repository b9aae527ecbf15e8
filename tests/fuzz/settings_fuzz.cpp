// libFuzzer entry for the settings file: any bytes must load, edit, write and
// read back without a crash, and a written document must load back to itself.
#include "ini_document.h"
#include "profile_reader.h"
#include "text_encoding.h"

#include <QByteArrayView>

#include <cstdint>
#include <cstdlib>

using namespace erakon;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));

    // The close: load, replace the program's sections, write.
    IniDocument document = IniDocument::fromBytes(bytes);
    document.removeSection(u"PROGRAM");
    document.writeValue(u"PROGRAM", u"Name", u"erakon");
    document.removeSection(u"MODE");
    document.writeValue(u"OPTION", u"AddName", u"創業\r\n[X]");
    const QByteArray written = document.toBytes();
    if (IniDocument::fromBytes(written).toBytes() != written)
        std::abort();

    // The start: every key the program reads.
    const ProfileReader reader = ProfileReader::fromText(decodeText(bytes).text);
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
