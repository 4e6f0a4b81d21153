// Glyphs written as short path texts, so that a test shows its outline at a glance:
// "M x y", "L x y", "C x1 y1 x2 y2 x y" and "O x y" (a quadratic off-curve point); any other
// letter makes a line node.
#pragma once

#include <string_view>
#include <utility>
#include <vector>

#include "glyph/glyph.h"

namespace sorvella::test {

// One master; every node sharp.
Glyph pathGlyph(std::string_view path);

// Master 0 of each hint as (position, width), in list order.
std::vector<std::pair<int, int>> stemsOf(const std::vector<Hint>& hints);

// A one-master hint.
Hint stemHint(int16_t position, int16_t width);

}  // namespace sorvella::test
