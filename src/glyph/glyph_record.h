// The byte records of outlines and glyphs, shared by native font files and the clipboard.
// Readers fill the target only when the whole record was read; otherwise it stays unchanged.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "base/byte_stream.h"
#include "glyph/glyph.h"
#include "glyph/outline.h"

namespace sorvella {

namespace glyph_record_tag {
constexpr uint8_t kName = 1;
constexpr uint8_t kAdvance = 2;
constexpr uint8_t kHints = 3;
constexpr uint8_t kGuides = 4;
constexpr uint8_t kComponents = 5;
constexpr uint8_t kKerning = 6;
constexpr uint8_t kOutline = 8;
constexpr uint8_t kTrueType = 9;
constexpr uint8_t kEnd = 15;
}  // namespace glyph_record_tag

void writeOutlineRecord(const Outline& outline, ByteWriter& out);
bool readOutlineRecord(Outline& outline, ByteReader& in);

void writeGlyphRecord(const Glyph& glyph, ByteWriter& out);
std::vector<uint8_t> glyphRecordBytes(const Glyph& glyph);
bool readGlyphRecord(Glyph& glyph, ByteReader& in);
bool readGlyphRecord(Glyph& glyph, std::span<const uint8_t> bytes);

}  // namespace sorvella
