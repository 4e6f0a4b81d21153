// Test geometry for outlines: fine flattening, filled areas measured along scanlines (with the
// winding numbers met), and the crossings and contacts between segments.
#pragma once

#include <vector>

#include "glyph/outline.h"

namespace sorvella::test {

struct FlatPiece {
  double x0, y0, x1, y1;
  int segment;  // numbered through the outline; the implied closing line counts as one
  int contour;
};

// Lines as they are, curves (quadratic ones too) in `curveSteps` straight pieces. Numbers
// start at the given segment and contour.
std::vector<FlatPiece> flattenOutline(const Outline& outline, int curveSteps = 32,
                                      int firstSegment = 0, int firstContour = 0);

struct FillComparison {
  double areaA = 0, areaB = 0;
  double difference = 0;  // filled by exactly one of the two
  int minWindingB = 0, maxWindingB = 0;
};

// The union of the non-zero fills of the sets in `a` against the non-zero fill of b, on
// scanlines `spacing` units apart.
FillComparison compareFills(const std::vector<const std::vector<FlatPiece>*>& a,
                            const std::vector<FlatPiece>& b, double spacing);

struct Contacts {
  int crossings = 0;  // proper crossings of pieces of different segments
  int touches = 0;    // other contacts, except where one segment continues into the next
};

// Pieces closer than `clearance` count as touching.
Contacts findContacts(const std::vector<FlatPiece>& pieces, double clearance = 0);

// Doubled signed area of every contour (positive counter-clockwise).
std::vector<double> contourAreas(const std::vector<FlatPiece>& pieces);

// How many other contours enclose each contour (even-odd, at the middle of its longest
// piece); contours are numbered from 0.
std::vector<int> contourDepths(const std::vector<FlatPiece>& pieces);

}  // namespace sorvella::test
