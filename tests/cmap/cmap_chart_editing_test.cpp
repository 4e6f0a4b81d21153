#include "cmap/cmap_chart_editing.h"

#include <gtest/gtest.h>

namespace sorvella {
namespace {

class CMapChartEditing : public ::testing::Test {
 protected:
  // Page `page` gets CID base + low for every low byte in first..last.
  void fill(uint8_t page, int first, int last, int base) {
    for (int low = first; low <= last; ++low)
      cmap_.Set(page, static_cast<uint8_t>(low), static_cast<uint16_t>(base + low));
  }
  CCodeMap cmap_;
  ChartClipboard clipboard_;
};

TEST_F(CMapChartEditing, DeleteClearsOnlyTheSelectionOfThePage) {
  fill(0x81, 0x00, 0xFF, 1000);
  fill(0x82, 0x10, 0x1F, 1000);
  deleteCMapCells(cmap_, 0x81, {0x10, 0x1F});
  EXPECT_EQ(cmap_.Lookup(0x81, 0x0F), 1015);
  EXPECT_EQ(cmap_.Lookup(0x81, 0x10), CCodeMap::kNoCid);
  EXPECT_EQ(cmap_.Lookup(0x81, 0x1F), CCodeMap::kNoCid);
  EXPECT_EQ(cmap_.Lookup(0x81, 0x20), 1032);
  EXPECT_EQ(cmap_.Lookup(0x82, 0x10), 1016);
  EXPECT_EQ(cmap_.CountInRow(0x81), 240);
  EXPECT_TRUE(cmap_.modified);
}

TEST_F(CMapChartEditing, CopiedCellsStopAtColumn255) {
  fill(0x20, 0x00, 0x0F, 500);
  clipboard_ = copyCMapCells(0x20, {0x00, 0x0F}, false);
  EXPECT_EQ(pasteIntoCMap(cmap_, 0x21, 0xF8, clipboard_), (CellRange{0xF8, 0xFF}));
  for (int low = 0xF8; low <= 0xFF; ++low) EXPECT_EQ(cmap_.Lookup(0x21, low), 500 + low - 0xF8);
  EXPECT_EQ(cmap_.CountInRow(0x21), 8);
  EXPECT_EQ(cmap_.CountInRow(0x20), 16);  // a copy leaves its source
  EXPECT_TRUE(clipboard_.empty());
}

TEST_F(CMapChartEditing, CutMovesARunWithinOnePageEitherWay) {
  struct Case {
    int target;
    int firstCleared;
    int lastCleared;
  };
  for (const Case c : {Case{0x12, 0x10, 0x11}, Case{0x0E, 0x1E, 0x1F}, Case{0x10, 1, 0}}) {
    cmap_ = CCodeMap();
    fill(0x40, 0x10, 0x1F, 2000);
    clipboard_ = copyCMapCells(0x40, {0x10, 0x1F}, true);
    ASSERT_TRUE(pasteIntoCMap(cmap_, 0x40, c.target, clipboard_));
    for (int k = 0; k < 16; ++k) EXPECT_EQ(cmap_.Lookup(0x40, c.target + k), 2016 + k) << c.target;
    for (int low = c.firstCleared; low <= c.lastCleared; ++low)
      EXPECT_EQ(cmap_.Lookup(0x40, low), CCodeMap::kNoCid);
    EXPECT_EQ(cmap_.CountInRow(0x40), 16);
  }
}

TEST_F(CMapChartEditing, CidRangesPasteAsConsecutiveCodesAndOtherKindsNot) {
  clipboard_.kind = ChartClipboard::kCids;
  clipboard_.first = 100;
  clipboard_.last = 103;
  EXPECT_EQ(pasteIntoCMap(cmap_, 0x05, 0x40, clipboard_), (CellRange{0x40, 0x43}));
  for (int k = 0; k < 4; ++k) EXPECT_EQ(cmap_.Lookup(0x05, 0x40 + k), 100 + k);
  // A huge range fills only to the end of the page; CIDs a cell cannot hold are skipped.
  clipboard_ = {ChartClipboard::kCids, 65530, 2000000, 0, false, -1};
  EXPECT_EQ(pasteIntoCMap(cmap_, 0x06, 0xF0, clipboard_), (CellRange{0xF0, 0xFF}));
  EXPECT_EQ(cmap_.Lookup(0x06, 0xF4), 65534);
  EXPECT_EQ(cmap_.CountInRow(0x06), 5);
  clipboard_ = {ChartClipboard::kGlyphs, 0, 3, 0, false, 1};
  EXPECT_FALSE(pasteIntoCMap(cmap_, 0x07, 0, clipboard_));
  EXPECT_FALSE(clipboard_.empty());
  clipboard_.clear();
  EXPECT_FALSE(pasteIntoCMap(cmap_, 0x07, 0, clipboard_));
  EXPECT_EQ(cmap_.CountInRow(0x07), 0);
}

TEST_F(CMapChartEditing, TextsJumpAndTitle) {
  cmap_.Set(0x81, 0x40, 633);
  EXPECT_EQ(cmapCodeText(0x81, 0x4A), "Code: 814A");
  EXPECT_EQ(cmapCidText(cmap_.Lookup(0x81, 0x40)), "CID: 633");
  EXPECT_EQ(cmapCidText(cmap_.Lookup(0x81, 0x41)), "CID: None");
  EXPECT_EQ(cmapJumpTarget(cmap_, 0x81, 0x40), 633);
  EXPECT_FALSE(cmapJumpTarget(cmap_, 0x81, 0x41));
  EXPECT_EQ(cmapCellLabel(0x0A), "0A");
  EXPECT_EQ(cmapPrintCodes(0x81), "Codes: 8100 - 81FF");
  EXPECT_EQ(cmapChartTitle(nullptr), "Sorvella CMap");
  EXPECT_EQ(cmapChartTitle(&cmap_), "Sorvella CMap - [Untitled]");
  cmap_.cmapName = "UniJIS-UTF16-H";
  EXPECT_EQ(cmapChartTitle(&cmap_), "Sorvella CMap - [UniJIS-UTF16-H]");
}

}  // namespace
}  // namespace sorvella
