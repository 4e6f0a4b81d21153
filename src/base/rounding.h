// Rounding of computed coordinates back to integers: the nearest integer, exact halves going
// down (the ceiling of value - 0.5), with the result clamped to a 16-bit coordinate.
#pragma once

#include <cmath>
#include <cstdint>

namespace sorvella {

inline double roundHalfDown(double value) { return std::ceil(value - 0.5); }

// Saturates instead of wrapping, so a far-off result stays on the right side of the em.
inline int16_t clampToInt16(double value) {
  if (!(value >= -32768.0)) return value != value ? 0 : -32768;
  if (value > 32767.0) return 32767;
  return static_cast<int16_t>(value);
}

inline int16_t roundToInt16(double value) { return clampToInt16(roundHalfDown(value)); }

inline int32_t roundToInt32(double value) {
  double r = roundHalfDown(value);
  if (!(r >= -2147483648.0)) return r != r ? 0 : INT32_MIN;
  if (r > 2147483647.0) return INT32_MAX;
  return static_cast<int32_t>(r);
}

}  // namespace sorvella
