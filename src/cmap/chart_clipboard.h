// The clipboard shared by the chart windows: one copied range and the chart kind it came
// from, so that CIDs copied in the characters chart can be pasted into CMap cells.
#pragma once

#include <cstdint>

namespace sorvella {

struct ChartClipboard {
  enum Kind : int32_t {
    kEmpty = -1,
    kCids = 0,       // first..last are CIDs of the characters chart
    kUnplaced = 1,   // positions of the unplaced list
    kCMapCells = 2,  // low bytes of CMap page `row`
    kGlyphs = 3,     // glyph numbers of subset font `font`
  };

  int32_t kind = kEmpty;
  int32_t first = 0;
  int32_t last = -1;
  int32_t row = 0;
  bool cut = false;
  int32_t font = -1;

  bool empty() const { return kind == kEmpty; }
  void clear() { *this = ChartClipboard{}; }

  friend bool operator==(const ChartClipboard&, const ChartClipboard&) = default;
};

}  // namespace sorvella
