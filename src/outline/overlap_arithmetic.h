// Integer helpers of the overlap engine: division that rounds to the nearest integer with
// halves going down, as every computed coordinate of the program is rounded.
#pragma once

#include <cstdint>

namespace sorvella {

inline int64_t floorQuotient(int64_t a, int64_t b) {
  int64_t q = a / b;
  if (a % b != 0 && ((a < 0) != (b < 0))) --q;
  return q;
}

// ceil(a / b - 1/2) for b != 0.
inline int64_t roundedQuotient(int64_t a, int64_t b) {
  if (b < 0) {
    a = -a;
    b = -b;
  }
  return -floorQuotient(-(2 * a - b), 2 * b);
}

}  // namespace sorvella
