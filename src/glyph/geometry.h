// Points and boxes of the glyph model: signed 16-bit font units, as every outline stores them.
#pragma once

#include <cstdint>

namespace sorvella {

struct Point {
  int16_t x = 0;
  int16_t y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

// Doubled coordinates, as quadratic enumeration hands them out so that midpoints stay exact.
struct WidePoint {
  int32_t x = 0;
  int32_t y = 0;
  friend bool operator==(const WidePoint&, const WidePoint&) = default;
};

struct Box {
  int16_t xMin = 32767;
  int16_t yMin = 32767;
  int16_t xMax = -32767;
  int16_t yMax = -32767;

  bool empty() const { return xMin > xMax || yMin > yMax; }
  void include(Point p) {
    if (p.x < xMin) xMin = p.x;
    if (p.y < yMin) yMin = p.y;
    if (p.x > xMax) xMax = p.x;
    if (p.y > yMax) yMax = p.y;
  }
  friend bool operator==(const Box&, const Box&) = default;
};

}  // namespace sorvella
