// Rectangles written as path texts for pathGlyph, and contours summarised independently of
// where they start.
#pragma once

#include <string>

#include "glyph/glyph.h"
#include "support/path_glyph.h"

namespace sorvella::test {

// The path of a rectangle, anticlockwise or clockwise.
std::string rectanglePath(int x0, int y0, int x1, int y1, bool counterClockwise = true);

// Each contour as "+" or "-" (its orientation) and its on-curve points from the lowest one,
// the contours sorted and separated by spaces.
std::string contourSummary(const Outline& outline);

}  // namespace sorvella::test
