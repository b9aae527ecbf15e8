// SPDX-License-Identifier: MIT
// libFuzzer entry for the settings file as the core reads it: any bytes must
// decode and read without a crash; the text for reading is valid UTF-8, the
// text for the rewrite gives back every byte of a line that is not text, and
// every value keeps the profile reader's length limit.
#include "core/ini_profile.h"
#include "core/text_decoding.h"
#include "core/user_era_settings.h"
#include "core/utf8.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

using namespace erakon;

namespace {

// The rewrite's text back in bytes, for a file read as UTF-8: a raw byte
// (U+DC80-U+DCFF in its three-byte form) is the byte it stands for.
std::string utf8BytesOf(std::string_view text)
{
    std::string bytes;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = [&](std::size_t at) { return static_cast<unsigned char>(text[at]); };
        if (byte(i) == 0xED && i + 2 < text.size() && (byte(i + 1) == 0xB2 || byte(i + 1) == 0xB3)) {
            bytes += char(((byte(i + 1) & 0x01) << 6 | (byte(i + 2) & 0x3F)) | 0x80);
            i += 2;
        } else {
            bytes += text[i];
        }
    }
    return bytes;
}

bool containsNonAscii(std::string_view text)
{
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return true;
    }
    return false;
}

void checkValue(std::string_view value)
{
    if (!isValidUtf8(value) || utf16Length(value) > kProfileValueMaxLength)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    const FileDecoding reading = decodeFileText(bytes, DecodingPurpose::Reading);
    if (!isValidUtf8(reading.text(bytes)))
        std::abort();

    // A UTF-8 file that mixes UTF-8 text with other lines keeps every byte of
    // theirs: the rewrite's text gives the file back.
    const std::string mixed = "utf8=\xE5\x89\xB5\r\n" + std::string(bytes);
    const FileDecoding rewrite = decodeFileText(mixed, DecodingPurpose::Rewrite);
    if (rewrite.encoding == TextEncoding::Utf8 && containsNonAscii(mixed) && utf8BytesOf(rewrite.text(mixed)) != mixed)
        std::abort();

    const IniProfile profile = IniProfile::fromBytes(std::string(bytes));
    for (const char* key : {"Left", "Top", "State", "AddYear"})
        (void)profile.readInteger("POSITION", key, 0);
    for (const char* section : {"OPTION", "POSITION", "PROGRAM"}) {
        for (const char* key : {"AddName", "StyleName", "Left"}) {
            if (const std::optional<std::string_view> value = profile.find(section, key))
                checkValue(*value);
        }
    }
    const UserEraSettings userEra = readUserEraSettings(profile);
    checkValue(userEra.name);
    if (userEra.origin < kUserEraOriginMin || userEra.origin > kUserEraOriginMax)
        std::abort();
    return 0;
}
