#include "truetype/utf16_to_windows1252.h"

#include <array>

namespace sorvella {

namespace {

// The characters of bytes 0x80..0x9F; the five bytes the code page leaves undefined stand
// for the control characters of their own number, as Windows converts them.
constexpr std::array<uint16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char windows1252Of(uint32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
  for (std::size_t i = 0; i < kHighControls.size(); ++i)
    if (kHighControls[i] == c) return static_cast<char>(0x80 + i);
  return '?';
}

}  // namespace

std::string utf16BigEndianToWindows1252(std::span<const uint8_t> bytes) {
  std::string text;
  text.reserve(bytes.size() / 2);
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    uint32_t unit = static_cast<uint32_t>(bytes[i] << 8 | bytes[i + 1]);
    bool high = unit >= 0xD800 && unit < 0xDC00;
    if (high && i + 3 < bytes.size()) {
      uint32_t next = static_cast<uint32_t>(bytes[i + 2] << 8 | bytes[i + 3]);
      if (next >= 0xDC00 && next < 0xE000) i += 2;  // a pair: one character, never in the page
    }
    text.push_back(high || (unit >= 0xDC00 && unit < 0xE000) ? '?' : windows1252Of(unit));
  }
  return text;
}

}  // namespace sorvella
