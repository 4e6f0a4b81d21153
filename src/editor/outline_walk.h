// Neighbours of a node within its contour, wrapping: the move node follows the last node and
// the last node precedes the move node (the closing segment).
#pragma once

#include "glyph/outline.h"

namespace sorvella {

inline int previousInContour(const Outline& outline, int i) {
  const int start = outline.contourStart(i);
  return i == start ? outline.contourEnd(i) : i - 1;
}

inline int nextInContour(const Outline& outline, int i) {
  const int end = outline.contourEnd(i);
  return i == end ? outline.contourStart(i) : i + 1;
}

}  // namespace sorvella
