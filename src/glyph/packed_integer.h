// Packed integers of the outline and glyph records: one byte for -107..107, two bytes up to
// +-1131, else 0xFF and four big-endian bytes.
#pragma once

#include <cstdint>

#include "base/byte_stream.h"

namespace sorvella {

void writePacked(ByteWriter& out, int32_t value);
int32_t readPacked(ByteReader& in);

}  // namespace sorvella
