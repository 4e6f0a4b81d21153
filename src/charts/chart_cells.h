// What a cell of the Characters, Unplaced and Font charts shows: its number, the character's
// thumbnail and marks, and the colours and places they are drawn with.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "cidfont/cid_font.h"
#include "cidfont/thumbnail.h"
#include "platform/chart_grid.h"

namespace sorvella {

// 0xRRGGBB.
namespace chart_colour {
inline constexpr uint32_t kBlack = 0x000000;
inline constexpr uint32_t kWhite = 0xFFFFFF;
inline constexpr uint32_t kNavy = 0x000080;
inline constexpr uint32_t kTeal = 0x008080;
inline constexpr uint32_t kHatch = 0x808080;
inline constexpr uint32_t kHatchBackground = 0xC0C0C0;
}  // namespace chart_colour

inline constexpr int32_t kCellLabelHeight = 10;
inline constexpr int32_t kLockMarkSize = 7;
inline constexpr int32_t kHighlightMarkSize = 5;

struct CellColours {
  uint32_t label;       // the number
  uint32_t ink;         // thumbnail ink
  uint32_t paper;       // thumbnail background
  uint32_t hatch;       // an empty CID's hatch lines
  uint32_t hatchPaper;  // and what lies between them
};
CellColours cellColours(bool selected, bool current);

struct ChartCell {
  uint32_t number = 0;
  int32_t character = -1;  // -1: the CID holds no character (hatched)
  const Thumbnail* thumbnail = nullptr;
  bool locked = false;
  bool highlighted = false;
};

// Cell item -> content, for each chart.
ChartCell characterCell(const CCidFont& font, int32_t cid, int32_t highlightedFont);
ChartCell unplacedCell(const CCidFont& font, int32_t position, int32_t highlightedFont);
ChartCell fontChartCell(const CCidFont& font, std::span<const int32_t> glyphCharacters,
                        int32_t glyph);

// The items of each chart.
int32_t characterItemCount(const CCidFont& font);
int32_t unplacedItemCount(const CCidFont& font);
// Per glyph number of the subset font, the character that holds it, or -1.
std::vector<int32_t> fontChartCharacters(const CCidFont& font, int32_t subsetFont);

// Places inside a cell rectangle.
struct CellLayout {
  GridRect label;
  int32_t thumbnailLeft, thumbnailTop;
  GridRect lockMark;
  GridRect highlightMark;
};
CellLayout cellLayout(const GridRect& cell);
std::string cellNumberText(uint32_t number);

}  // namespace sorvella
