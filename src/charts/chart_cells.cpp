#include "charts/chart_cells.h"

#include "base/text_format.h"
#include "charts/chart_kinds.h"

namespace sorvella {

CellColours cellColours(bool selected, bool current) {
  using namespace chart_colour;
  if (selected) {
    const uint32_t paper = current ? kNavy : kBlack;
    return {kWhite, kWhite, paper, paper, kHatchBackground};
  }
  if (current) return {kWhite, kWhite, kTeal, kTeal, kHatchBackground};
  return {kBlack, kBlack, kWhite, kHatch, kHatchBackground};
}

namespace {
const Thumbnail* thumbnailOf(const CCidFont& font, int32_t character) {
  if (character < 0 || character >= font.characterCount()) return nullptr;
  return &font.records()[static_cast<std::size_t>(character)].thumbnail;
}

ChartCell cellOf(const CCidFont& font, uint32_t number, int32_t character,
                 int32_t highlightedFont) {
  ChartCell cell;
  cell.number = number;
  if (character < 0 || character >= font.characterCount()) return cell;
  cell.character = character;
  cell.thumbnail = thumbnailOf(font, character);
  cell.locked = font.IsLocked(character);
  cell.highlighted = highlightedFont >= 0 && font.record(character).font == highlightedFont;
  return cell;
}
}  // namespace

ChartCell characterCell(const CCidFont& font, int32_t cid, int32_t highlightedFont) {
  return cellOf(font, static_cast<uint32_t>(cid), font.CharacterAt(cid), highlightedFont);
}

ChartCell unplacedCell(const CCidFont& font, int32_t position, int32_t highlightedFont) {
  return cellOf(font, static_cast<uint32_t>(position), font.unplacedAt(position), highlightedFont);
}

ChartCell fontChartCell(const CCidFont& font, std::span<const int32_t> glyphCharacters,
                        int32_t glyph) {
  const int32_t character = glyph >= 0 && static_cast<std::size_t>(glyph) < glyphCharacters.size()
                                ? glyphCharacters[static_cast<std::size_t>(glyph)]
                                : -1;
  ChartCell cell = cellOf(font, static_cast<uint32_t>(glyph), character, -1);
  cell.locked = false;  // marks belong to the Characters chart
  return cell;
}

int32_t characterItemCount(const CCidFont& font) {
  return font.rangeTop() + 1;
}

int32_t unplacedItemCount(const CCidFont& font) {
  return static_cast<int32_t>(font.unplaced().size());
}

std::vector<int32_t> fontChartCharacters(const CCidFont& font, int32_t subsetFont) {
  std::vector<int32_t> characters(
      static_cast<std::size_t>(std::max(font.subsetFont(subsetFont).characterCount, 0)), -1);
  for (int32_t c = 0; c < font.characterCount(); ++c) {
    const CharacterRecord& r = font.records()[static_cast<std::size_t>(c)];
    if (r.font == subsetFont && r.glyph >= 0 &&
        static_cast<std::size_t>(r.glyph) < characters.size() &&
        characters[static_cast<std::size_t>(r.glyph)] < 0)
      characters[static_cast<std::size_t>(r.glyph)] = c;
  }
  return characters;
}

CellLayout cellLayout(const GridRect& cell) {
  CellLayout layout;
  layout.label = {cell.left, cell.top, cell.right, cell.top + kCellLabelHeight};
  layout.thumbnailLeft = (cell.left + cell.right) / 2 - kThumbnailWidth / 2;
  layout.thumbnailTop = (layout.label.bottom + cell.bottom) / 2 - kThumbnailHeight / 2;
  layout.lockMark = {cell.right - 8, cell.top + 1, cell.right - 8 + kLockMarkSize,
                     cell.top + 1 + kLockMarkSize};
  layout.highlightMark = {cell.left + 1, cell.top + 1, cell.left + 1 + kHighlightMarkSize,
                          cell.top + 1 + kHighlightMarkSize};
  return layout;
}

std::string cellNumberText(uint32_t number) {
  return formatText(chart_text::kCellNumber, number);
}

}  // namespace sorvella
