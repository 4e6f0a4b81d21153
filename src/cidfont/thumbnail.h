// Thumbnails of character records: a 32 x 31 one-bit image of master 0 of a glyph, fitted
// between the fit ascender and descender, so that charts can show characters without outlines.
#pragma once

#include <array>
#include <cstdint>

#include "glyph/glyph.h"

namespace sorvella {

inline constexpr int kThumbnailWidth = 32;
inline constexpr int kThumbnailHeight = 31;
inline constexpr int kThumbnailRowBytes = kThumbnailWidth / 8;

// 31 rows of 4 bytes, top row first; the most significant bit of a row's first byte is its
// leftmost pixel; a set bit is white background, a clear bit is ink.
using Thumbnail = std::array<uint8_t, kThumbnailRowBytes * kThumbnailHeight>;

inline constexpr Thumbnail kBlankThumbnail = [] {
  Thumbnail t{};
  t.fill(0xFF);
  return t;
}();

// Draws master 0 filled with the non-zero rule (see ScanlineFill for which pixels are ink),
// placed as fitGlyphToCell says for a 32 x 31 cell. A glyph without nodes gives a blank image.
Thumbnail makeThumbnail(const Glyph& glyph, int fitAscender, int fitDescender);

}  // namespace sorvella
