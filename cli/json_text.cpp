// SPDX-License-Identifier: MIT
#include "cli/json_text.h"

#include "core/utf8.h"

namespace erakon {

std::string isoDateText(std::chrono::year_month_day date)
{
    const auto padded = [](int value, std::size_t width) {
        std::string digits = std::to_string(value < 0 ? -value : value);
        if (digits.size() < width)
            digits.insert(0, width - digits.size(), '0');
        return (value < 0 ? "-" : "") + digits;
    };
    return padded(int(date.year()), 4) + "-" + padded(int(unsigned(date.month())), 2) + "-"
        + padded(int(unsigned(date.day())), 2);
}

std::string jsonString(std::string_view text)
{
    static constexpr char kHex[] = "0123456789abcdef";
    const std::string valid = validUtf8(text);
    std::string json = "\"";
    json.reserve(valid.size() + 2);
    for (std::size_t i = 0; i < valid.size(); ++i) {
        const char c = valid[i];
        const auto byte = static_cast<unsigned char>(c);
        // C1 controls (U+0080-U+009F, C2 80-C2 9F) as escapes too: a terminal
        // that shows the JSON would act on them.
        if (byte == 0xC2 && i + 1 < valid.size() && static_cast<unsigned char>(valid[i + 1]) <= 0x9F) {
            const auto control = static_cast<unsigned char>(valid[i + 1]);
            json += "\\u00";
            json += kHex[control >> 4];
            json += kHex[control & 0x0F];
            ++i;
            continue;
        }
        switch (c) {
        case '"': json += "\\\""; break;
        case '\\': json += "\\\\"; break;
        case '\n': json += "\\n"; break;
        case '\r': json += "\\r"; break;
        case '\t': json += "\\t"; break;
        default:
            if (byte < 0x20 || byte == 0x7F) {
                json += "\\u00";
                json += kHex[byte >> 4];
                json += kHex[byte & 0x0F];
            } else {
                json += c;
            }
        }
    }
    json += '"';
    return json;
}

void JsonObject::addName(std::string_view name)
{
    if (m_text.size() > 1)
        m_text += ',';
    m_text += jsonString(name);
    m_text += ':';
}

JsonObject& JsonObject::add(std::string_view name, std::string_view text)
{
    addName(name);
    m_text += jsonString(text);
    return *this;
}

JsonObject& JsonObject::add(std::string_view name, long long number)
{
    addName(name);
    m_text += std::to_string(number);
    return *this;
}

JsonObject& JsonObject::add(std::string_view name, bool value)
{
    addName(name);
    m_text += value ? "true" : "false";
    return *this;
}

JsonObject& JsonObject::addNull(std::string_view name)
{
    addName(name);
    m_text += "null";
    return *this;
}

JsonObject& JsonObject::addRaw(std::string_view name, std::string_view json)
{
    addName(name);
    m_text += json;
    return *this;
}

} // namespace erakon
