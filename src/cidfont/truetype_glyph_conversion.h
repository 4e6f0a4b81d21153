// ConvertGlyph: one TrueType glyph as a glyph of a subset font of 1000 units per em, its
// composites flattened, its contours reversed and its quadratic curves made cubic.
#pragma once

#include <cstddef>
#include <memory>

#include "glyph/glyph.h"
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

}  // namespace sorvella
