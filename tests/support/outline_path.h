// Small outlines written as text for tests, "M x y L x y C x1 y1 x2 y2 x y Q x y" (Q is an
// off-curve node), and contours summarised independently of where they start.
#pragma once

#include <string>

#include "glyph/glyph.h"

namespace sorvella::test {

Glyph pathGlyph(const std::string& text);

// The path of a rectangle, anticlockwise or clockwise.
std::string rectanglePath(int x0, int y0, int x1, int y1, bool counterClockwise = true);

// Each contour as "+" or "-" (its orientation) and its on-curve points from the lowest one,
// the contours sorted and separated by spaces.
std::string contourSummary(const Outline& outline);

}  // namespace sorvella::test
