// DerevoZorov strokes: a line or a freehand brush path turned into closed contours of the
// brush's width, one quadrilateral per piece, for the overlap engine to merge.
#pragma once

#include <span>

#include "glyph/outline.h"

namespace sorvella {

// Brush widths the tool offers, in font units.
inline constexpr int kBrushWidths[] = {80, 40, 10};

// One contour per piece between consecutive distinct points (a square for a single point);
// empty for no points or a width below 1.
Outline strokeOutline(std::span<const Point> path, int width);

}  // namespace sorvella
