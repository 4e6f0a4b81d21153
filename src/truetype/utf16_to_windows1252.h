// Text of TrueType name records: UTF-16 big-endian bytes to the Windows-1252 bytes the core
// keeps, with "?" for every character that code page lacks.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace sorvella {

// An odd last byte is ignored; a surrogate pair is one character.
std::string utf16BigEndianToWindows1252(std::span<const uint8_t> bytes);

}  // namespace sorvella
