// Writing a subset font as the bytes of a native font file: header, the begin records, the
// optional encoding group, font information, axes, one record per glyph slot, end records.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "glyph/subset_font.h"

namespace sorvella {

namespace native_font_flag {
constexpr int kEncoding = 1;         // also write the encoding group
constexpr int kHintReplacement = 2;  // also write the hint-replacement group
constexpr int kFullInfo = 4;         // write the font information in full (every writer does)
// What the program stores: without the encoding group a font's own table would be lost.
constexpr int kStored = kFullInfo | kEncoding;
}  // namespace native_font_flag

// Nothing when a record would be longer than a 32-bit length can say.
std::optional<std::vector<uint8_t>> nativeFontBytes(const SubsetFont& font, int flags);

}  // namespace sorvella
