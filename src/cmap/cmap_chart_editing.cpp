#include "cmap/cmap_chart_editing.h"

#include <algorithm>

#include "base/text_format.h"

namespace sorvella {

namespace {
constexpr int32_t kLastColumn = kCMapPageCells - 1;
constexpr int64_t kHighestCid = CCodeMap::kNoCid - 1;

bool validColumn(int32_t column) {
  return column >= 0 && column <= kLastColumn;
}
}  // namespace

std::string cmapChartTitle(const CCodeMap* cmap) {
  if (!cmap) return cmap_chart_text::kTitle;
  const std::string& name = cmap->cmapName.empty() ? cmap_chart_text::kUntitled : cmap->cmapName;
  return formatText(cmap_chart_text::kTitleNamed, name.c_str());
}

std::string cmapCodeText(uint8_t page, uint8_t low) {
  return formatText(cmap_chart_text::kCode, unsigned{page}, unsigned{low});
}

std::string cmapCidText(uint16_t cid) {
  if (cid == CCodeMap::kNoCid) return cmap_chart_text::kNoCid;
  return formatText(cmap_chart_text::kCid, unsigned{cid});
}

std::string cmapCellLabel(uint8_t low) {
  return formatText(cmap_chart_text::kCellLabel, unsigned{low});
}

std::string cmapPrintCodes(uint8_t page) {
  const unsigned first = unsigned{page} * 256;
  return formatText(cmap_chart_text::kPrintCodes, first, first + 255);
}

std::string cmapPrintSource(const CCodeMap& cmap) {
  return formatText(cmap_chart_text::kPrintSource, cmap.registry.c_str(), cmap.ordering.c_str(),
                    cmap.baseName.c_str());
}

ChartClipboard copyCMapCells(uint8_t page, CellRange selection, bool cut) {
  ChartClipboard clipboard;
  clipboard.kind = ChartClipboard::kCMapCells;
  clipboard.row = page;
  clipboard.first = selection.first;
  clipboard.last = selection.last;
  clipboard.cut = cut;
  return clipboard;
}

void deleteCMapCells(CCodeMap& cmap, uint8_t page, CellRange selection) {
  const int32_t first = std::max(selection.first, 0);
  const int32_t last = std::min(selection.last, kLastColumn);
  for (int32_t low = first; low <= last; ++low)
    cmap.Set(page, static_cast<uint8_t>(low), CCodeMap::kNoCid);
  cmap.modified = true;
}

std::optional<CellRange> pasteIntoCMap(CCodeMap& cmap, uint8_t page, int32_t target,
                                       ChartClipboard& clipboard) {
  if (!validColumn(target) || clipboard.first > clipboard.last) return std::nullopt;
  const auto column = [&](int64_t offset) { return target + offset; };
  if (clipboard.kind == ChartClipboard::kCids) {
    for (int64_t c = clipboard.first;
         c <= clipboard.last && column(c - clipboard.first) <= kLastColumn; ++c) {
      // A CID the table cannot hold leaves its cell alone.
      if (c < 0 || c > kHighestCid) continue;
      cmap.Set(page, static_cast<uint8_t>(column(c - clipboard.first)), static_cast<uint16_t>(c));
    }
  } else if (clipboard.kind == ChartClipboard::kCMapCells) {
    if (clipboard.row < 0 || clipboard.row > 255 || !validColumn(clipboard.first) ||
        !validColumn(clipboard.last))
      return std::nullopt;
    const auto row = static_cast<uint8_t>(clipboard.row);
    // A cut onto itself must not clear what it has just written.
    const bool clearSource = clipboard.cut && !(row == page && clipboard.first == target);
    const auto pasteColumn = [&](int32_t s) {
      const int64_t to = column(s - clipboard.first);
      if (to > kLastColumn) return;
      cmap.Set(page, static_cast<uint8_t>(to), cmap.Lookup(row, static_cast<uint8_t>(s)));
      if (clearSource) cmap.Set(row, static_cast<uint8_t>(s), CCodeMap::kNoCid);
    };
    if (clipboard.first >= target) {
      for (int32_t s = clipboard.first; s <= clipboard.last; ++s) pasteColumn(s);
    } else {
      for (int32_t s = clipboard.last; s >= clipboard.first; --s) pasteColumn(s);
    }
  } else {
    return std::nullopt;
  }
  cmap.modified = true;
  const int64_t last =
      std::min<int64_t>(int64_t{target} + clipboard.last - clipboard.first, kLastColumn);
  clipboard.clear();
  return CellRange{target, static_cast<int32_t>(last)};
}

std::optional<int32_t> cmapJumpTarget(const CCodeMap& cmap, uint8_t page, uint8_t low) {
  const uint16_t cid = cmap.Lookup(page, low);
  if (cid == CCodeMap::kNoCid) return std::nullopt;
  return cid;
}

}  // namespace sorvella
