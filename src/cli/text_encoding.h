// Conversion of the core's texts, Windows-1252 bytes, into the UTF-8 that the batch tool
// writes and that JSON requires.
#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

namespace sorvella::cli {

// Every byte becomes its Windows-1252 character; the five bytes that code page leaves
// undefined become the control characters of the same number, as Windows converts them.
std::string windows1252ToUtf8(std::string_view text);

// A text of the core as a JSON string, which must be UTF-8; null when it is absent (empty).
nlohmann::ordered_json jsonTextOrNull(const std::string& text);

}  // namespace sorvella::cli
