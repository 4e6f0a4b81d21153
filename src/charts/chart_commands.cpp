#include "charts/chart_commands.h"

#include <vector>

#include "charts/chart_cells.h"

namespace sorvella {

namespace {
ChartClipboard rangeClipboard(int32_t kind, ItemRange range) {
  ChartClipboard clipboard;
  clipboard.kind = kind;
  clipboard.first = range.first;
  clipboard.last = range.last;
  return clipboard;
}

std::optional<ItemRange> placed(bool done, int32_t target, int64_t length) {
  if (!done || length <= 0) return std::nullopt;
  return ItemRange{target, static_cast<int32_t>(target + length - 1)};
}

bool placeGlyphs(CCidFont& font, int32_t subsetFont, ItemRange glyphs, int32_t target) {
  if (subsetFont < 0 || subsetFont >= font.subsetFontCount()) return false;
  const std::vector<int32_t> characters = fontChartCharacters(font, subsetFont);
  return font.PlaceGlyphs(glyphs.first, glyphs.last, target, subsetFont, characters);
}
}  // namespace

ChartClipboard copyFromCharacters(ItemRange selection, bool cut) {
  ChartClipboard clipboard = rangeClipboard(ChartClipboard::kCids, selection);
  clipboard.cut = cut;
  return clipboard;
}

ChartClipboard copyFromUnplaced(ItemRange selection) {
  return rangeClipboard(ChartClipboard::kUnplaced, selection);
}

ChartClipboard copyFromFont(int32_t subsetFont, ItemRange selection) {
  ChartClipboard clipboard = rangeClipboard(ChartClipboard::kGlyphs, selection);
  clipboard.font = subsetFont;
  return clipboard;
}

int32_t appendTarget(const CCidFont& font) {
  return font.rangeTop() + 1;
}

std::optional<ItemRange> pasteCharacters(CCidFont& font, ChartClipboard& clipboard,
                                         int32_t target) {
  const ItemRange range{clipboard.first, clipboard.last};
  if (range.empty() || target < 0) return std::nullopt;
  const int64_t length = int64_t{range.last} - range.first + 1;
  bool done = false;
  switch (clipboard.kind) {
    case ChartClipboard::kCids:
      done = clipboard.cut ? font.MoveRange(range.first, range.last, target)
                           : font.CopyRange(range.first, range.last, target);
      if (done && clipboard.cut) clipboard.clear();
      break;
    case ChartClipboard::kUnplaced:
      done = font.PlaceUnplaced(range.first, range.last, target);
      if (done) clipboard.clear();
      break;
    case ChartClipboard::kGlyphs:
      done = placeGlyphs(font, clipboard.font, range, target);
      break;
    default:
      return std::nullopt;
  }
  return placed(done, target, length);
}

void clearCharacters(CCidFont& font, ItemRange cids) {
  if (cids.empty()) return;
  font.ClearRange(cids.first, cids.last);
}

void unplaceGlyphs(CCidFont& font, int32_t subsetFont, ItemRange glyphs) {
  if (glyphs.empty()) return;
  // Gather first: clearing changes the tables walked here.
  std::vector<int32_t> cids;
  const auto take = [&](int32_t cid, int32_t character) {
    const CharacterRecord& r = font.record(character);
    if (character >= 0 && r.font == subsetFont && glyphs.contains(r.glyph)) cids.push_back(cid);
  };
  const std::vector<int32_t>& table = font.cidTable();
  for (std::size_t cid = 0; cid < table.size(); ++cid) take(static_cast<int32_t>(cid), table[cid]);
  for (const OverflowPair& pair : font.overflow()) take(pair.cid, pair.character);
  for (int32_t cid : cids) font.ClearCid(cid);
  if (!cids.empty()) {
    font.setModified(true);
    font.RemoveDuplicateUnplaced();
    font.Rebuild();
  }
}

std::optional<ItemRange> dropOnCharacters(CCidFont& font, ChartId sourceChart, ItemRange source,
                                          int32_t subsetFont, ChartCommand command,
                                          int32_t target) {
  if (source.empty() || target < 0) return std::nullopt;
  const int64_t length = int64_t{source.last} - source.first + 1;
  if (sourceChart == ChartId::kCharacters) {
    bool done = false;
    if (command == ChartCommand::kCopy)
      done = font.CopyRange(source.first, source.last, target);
    else if (command == ChartCommand::kMove)
      done = font.MoveRange(source.first, source.last, target);
    else if (command == ChartCommand::kExchange)
      done = font.SwapRange(source.first, source.last, target);
    return placed(done, target, length);
  }
  if (command != ChartCommand::kPlace && command != ChartCommand::kAppend &&
      command != ChartCommand::kPasteTo)
    return std::nullopt;
  if (sourceChart == ChartId::kUnplaced)
    return placed(font.PlaceUnplaced(source.first, source.last, target), target, length);
  if (sourceChart == ChartId::kFont)
    return placed(placeGlyphs(font, subsetFont, source, target), target, length);
  return std::nullopt;
}

bool dropOffered(ChartId sourceChart, ItemRange source, ItemRange drop) {
  if (source.empty() || drop.empty()) return false;
  return sourceChart != ChartId::kCharacters || drop.first != source.first;
}

}  // namespace sorvella
