// Conversion of the core's texts, Windows-1252 bytes, into the UTF-8 that the batch tool
// writes and that JSON requires.
#pragma once

#include <string>
#include <string_view>

namespace sorvella::cli {

// Every byte becomes its Windows-1252 character; the five bytes that code page leaves
// undefined become the control characters of the same number, as Windows converts them.
std::string windows1252ToUtf8(std::string_view text);

}  // namespace sorvella::cli
