// ConvertGlyph: one TrueType glyph as a glyph of a subset font of 1000 units per em, its
// composites flattened, its contours reversed and its quadratic curves made cubic.
#pragma once

#include <cstddef>
#include <memory>
#include <span>

#include "glyph/glyph.h"
#include "glyph/outline_pen.h"
#include "truetype/tt_glyph.h"
#include "truetype/ttf.h"

namespace sorvella {

inline constexpr int kTrueTypeSubsetUnitsPerEm = 1000;
// A glyph with more points keeps its advance and gets no outline.
inline constexpr std::size_t kScaledPointBuffer = 10000;

// None when the font's unitsPerEm is 0. A glyph that cannot be decoded or flattened, or has
// too many points, comes back with its advance only. The outline is released again unless it
// was loaded before.
std::unique_ptr<Glyph> ConvertGlyph(TTF& font, TTGLYPH& glyph);

struct ScaledPoint {
  Point p;
  bool onCurve = true;
};
// Passes each contour (ending at the given point indices) reversed through a quadratic-to-
// cubic pen to `out`: its first point, then the others from the last backwards. Contours of
// one point are skipped.
void passReversedContours(std::span<const ScaledPoint> points, std::span<const uint32_t> endPoints,
                          OutlinePen& out);

}  // namespace sorvella
