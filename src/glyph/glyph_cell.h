// Where a glyph lands in a small pixel cell (thumbnails, template images): the box to fit,
// one scale for both axes, the centring offsets, and the filling of master 0 at that place.
#pragma once

#include "glyph/glyph.h"
#include "glyph/scanline_fill.h"

namespace sorvella {

struct CellFit {
  double scale = 7.0;
  double originX = 0;  // cell x of font x = 0
  double originY = 0;  // cell y of the baseline; cell y grows downward
};

// The box to fit runs horizontally over 0, the advance width, the x of every point of master 0
// and the glyph's tight box; vertically from fitDescender to fitAscender, whatever the outline.
// scale = height / (fitAscender - fitDescender), at most 7 (7 when they are equal; negative,
// turning the glyph over, when the ascender is below the descender);
// originX = (width - ceil((xMin + xMax) * scale - 0.5)) / 2 and
// originY = (height - ceil(-(fitDescender + fitAscender) * scale - 0.5)) / 2, both divisions
// truncating toward zero.
CellFit fitGlyphToCell(const Glyph& glyph, int fitAscender, int fitDescender, int width,
                       int height);

// Adds the outline of master 0, font point (x, y) at cell point
// (originX + x * scale, originY - y * scale), to `fill`, which the caller has reset.
void fillGlyph(const Glyph& glyph, const CellFit& fit, ScanlineFill& fill);

}  // namespace sorvella
