// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <string>
#include <string_view>

namespace erakon {

// Builds one JSON object on one line, members in the order they are added.
// Texts that are not UTF-8 (a year typed in another encoding) are written
// with U+FFFD in place of the bytes, so the output is always valid JSON;
// control characters (C0, DEL and C1) are written as \u escapes.
class JsonObject final {
public:
    JsonObject& add(std::string_view name, std::string_view text);
    JsonObject& add(std::string_view name, const char* text) { return add(name, std::string_view(text)); }
    JsonObject& add(std::string_view name, long long number);
    JsonObject& add(std::string_view name, int number) { return add(name, static_cast<long long>(number)); }
    JsonObject& add(std::string_view name, bool value);
    JsonObject& addNull(std::string_view name);
    // A value already written as JSON: an array or an object.
    JsonObject& addRaw(std::string_view name, std::string_view json);

    std::string text() const { return m_text + "}"; }

private:
    void addName(std::string_view name);

    std::string m_text = "{";
};

// The day as ISO 8601 writes it: 1989-04-02, -0660-02-11.
std::string isoDateText(std::chrono::year_month_day date);

// The text as a JSON string, quotes included.
std::string jsonString(std::string_view text);

} // namespace erakon
