#include "glyph/packed_integer.h"

namespace sorvella {

void writePacked(ByteWriter& out, int32_t v) {
  if (v >= -107 && v <= 107) {
    out.put8(static_cast<uint8_t>(v + 139));
  } else if (v >= 108 && v <= 1131) {
    out.put8(static_cast<uint8_t>(((v - 108) >> 8) + 247));
    out.put8(static_cast<uint8_t>((v - 108) & 0xFF));
  } else if (v >= -1131 && v <= -108) {
    out.put8(static_cast<uint8_t>(((-v - 108) >> 8) + 251));
    out.put8(static_cast<uint8_t>((-v - 108) & 0xFF));
  } else {
    out.put8(0xFF);
    out.put32be(static_cast<uint32_t>(v));
  }
}

int32_t readPacked(ByteReader& in) {
  int32_t b = in.get8();
  if (b < 32) return b;
  if (b <= 246) return b - 139;
  if (b <= 250) return (b - 247) * 256 + in.get8() + 108;
  if (b <= 254) return -(b - 251) * 256 - in.get8() - 108;
  return static_cast<int32_t>(in.get32be());
}

}  // namespace sorvella
