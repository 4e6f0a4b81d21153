// Thumbnail drawing: one thread-local fill is reused, since imports make one per glyph.
#include "cidfont/thumbnail.h"

#include "glyph/glyph_cell.h"
#include "glyph/scanline_fill.h"

namespace sorvella {

Thumbnail makeThumbnail(const Glyph& glyph, int fitAscender, int fitDescender) {
  if (glyph.empty()) return kBlankThumbnail;
  thread_local ScanlineFill fill;
  fill.reset(kThumbnailWidth, kThumbnailHeight);
  CellFit fit = fitGlyphToCell(glyph, fitAscender, fitDescender, kThumbnailWidth, kThumbnailHeight);
  fillGlyph(glyph, fit, fill);
  Thumbnail image;
  fill.packRows(image, kThumbnailRowBytes);
  // The fill marks ink; the record marks background.
  for (uint8_t& byte : image) byte = static_cast<uint8_t>(~byte);
  return image;
}

}  // namespace sorvella
