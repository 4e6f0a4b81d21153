// DerevoZorov strokes: a line or a freehand brush path turned into closed contours shaped by
// the brush (round or calligraphic nib, cap, join), for the overlap engine to merge.
#pragma once

#include <span>

#include "editor/paint_objects.h"
#include "glyph/outline.h"

namespace sorvella {

// Brush widths the tool offers, in font units.
inline constexpr int kBrushWidths[] = {80, 40, 10};

// A miter longer than this many half widths falls back to a bevel.
inline constexpr double kMiterLimit = 4.0;

// Counter-clockwise pieces that together cover the stroke under non-zero winding: one
// rectangle per piece between distinct points, a cap at each end and a join at each turn
// (a path that returns to its start is closed: joined there instead of capped).
// A calligraphic brush sweeps a flat nib of the brush's width held at its angle instead, so
// caps and joins do not apply. A single point gives a disc or square (round brush, round or
// square cap); nothing is drawn for no points, a width below 1 or a sweep without area.
Outline strokeOutline(std::span<const Point> path, const PaintOptions& brush);

}  // namespace sorvella
