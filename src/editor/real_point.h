// Points in real font units for splitting curves, and their rounding back onto the 16-bit
// grid the outlines store.
#pragma once

#include "base/rounding.h"
#include "glyph/geometry.h"

namespace sorvella {

struct RealPoint {
  double x = 0, y = 0;
};

inline RealPoint lerp(RealPoint a, RealPoint b, double t) {
  return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t};
}
inline RealPoint real(Point p) {
  return {1.0 * p.x, 1.0 * p.y};
}
inline Point rounded(RealPoint r) {
  return {roundToInt16(r.x), roundToInt16(r.y)};
}

}  // namespace sorvella
