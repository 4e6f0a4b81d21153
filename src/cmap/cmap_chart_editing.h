// What the CMap chart does to the current CMap: one page of 256 codes at a time, its status
// texts and title, and Copy, Cut, Paste and Delete through the shared chart clipboard.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "cmap/chart_clipboard.h"
#include "cmap/code_map.h"

namespace sorvella {

namespace cmap_chart_text {
inline constexpr const char* kTitle = "Sorvella CMap";
inline constexpr const char* kTitleNamed = "Sorvella CMap - [%s]";
inline constexpr const char* kUntitled = "Untitled";
inline constexpr const char* kPrompt = "Select CMap code in this window";
inline constexpr const char* kCode = "Code: %.2X%.2X";
inline constexpr const char* kCid = "CID: %u";
inline constexpr const char* kNoCid = "CID: None";
inline constexpr const char* kCodePaneSize = "Code: MMMM";
inline constexpr const char* kCidPaneSize = "CID: MMMMM";
inline constexpr const char* kCellLabel = "%.2X";
inline constexpr const char* kPrintHeading = "SORVELLA CMAP PRINTOUT";
inline constexpr const char* kPrintCodes = "Codes: %.4X - %.4X";
inline constexpr const char* kPrintSource = "Registry: %s; Ordering: %s; Based on: %s";
inline constexpr const char* kPrintDocument = "Sorvella CMap Printout";
inline constexpr const char* kPrinting = "Printing...";
}  // namespace cmap_chart_text

inline constexpr int32_t kCMapPageCells = 256;

// The window title, for the current CMap or none.
std::string cmapChartTitle(const CCodeMap* cmap);
std::string cmapCodeText(uint8_t page, uint8_t low);
std::string cmapCidText(uint16_t cid);
std::string cmapCellLabel(uint8_t low);
// The three header lines of a printed page.
std::string cmapPrintCodes(uint8_t page);
std::string cmapPrintSource(const CCodeMap& cmap);

// The selected low bytes of a page, start <= end.
struct CellRange {
  int32_t first = 0;
  int32_t last = -1;
  bool empty() const { return first > last; }
  friend bool operator==(const CellRange&, const CellRange&) = default;
};

ChartClipboard copyCMapCells(uint8_t page, CellRange selection, bool cut);
// Clears the selected cells of the page; sets Modified.
void deleteCMapCells(CCodeMap& cmap, uint8_t page, CellRange selection);
// Pastes the clipboard at column `target` of the page and empties it. Returns the new
// selection, or nothing when the clipboard held nothing this chart pastes (it is kept).
std::optional<CellRange> pasteIntoCMap(CCodeMap& cmap, uint8_t page, int32_t target,
                                       ChartClipboard& clipboard);
// The CID that Jump shows, when the cell has one.
std::optional<int32_t> cmapJumpTarget(const CCodeMap& cmap, uint8_t page, uint8_t low);

}  // namespace sorvella
