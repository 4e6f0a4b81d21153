#include "charts/chart_commands.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "charts/chart_cells.h"

namespace sorvella {
namespace {

// Font 0 "A": glyphs 0..4 at CIDs 10..14. Font 1 "B" (locked when asked): glyphs 0..2 at CIDs
// 20..22. Font 2 "C": glyphs 0..3, unplaced.
class ChartCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    add("A", 5, 10);
    add("B", 3, 20);
    add("C", 4, -1);
  }
  void add(const char* name, int glyphs, int firstCid) {
    SubsetFontEntry entry;
    entry.setName(name);
    entry.characterCount = glyphs;
    std::vector<CharacterRecord> records;
    const int font = font_.subsetFontCount();
    for (int g = 0; g < glyphs; ++g) {
      records.push_back(CharacterRecord::make(font, g));
      records.back().cid = firstCid < 0 ? -1 : firstCid + g;
      records.back().thumbnail[0] = static_cast<uint8_t>(font * 16 + g);  // tells them apart
    }
    ASSERT_EQ(font_.addSubsetFont(entry, records), font);
    font_.Rebuild();
  }
  // "font.glyph" at the CID, "-" when empty.
  std::string at(int32_t cid) const {
    const int32_t c = font_.CharacterAt(cid);
    if (c < 0) return "-";
    return std::to_string(font_.record(c).font) + "." + std::to_string(font_.record(c).glyph);
  }
  CCidFont font_;
  ChartClipboard clipboard_;
};

TEST_F(ChartCommands, CopiedCidsPasteAgainAndACutMovesOnce) {
  clipboard_ = copyFromCharacters({10, 11}, false);
  EXPECT_EQ(pasteCharacters(font_, clipboard_, 30), (ItemRange{30, 31}));
  EXPECT_EQ(pasteCharacters(font_, clipboard_, 40), (ItemRange{40, 41}));
  EXPECT_EQ(at(10) + at(30) + at(41), "0.00.00.1");
  clipboard_ = copyFromCharacters({12, 13}, true);
  EXPECT_EQ(pasteCharacters(font_, clipboard_, appendTarget(font_)), (ItemRange{42, 43}));
  EXPECT_EQ(at(12) + at(13) + at(42) + at(43), "--0.20.3");
  EXPECT_TRUE(clipboard_.empty());
  // Beyond the CIDs a font can hold nothing happens.
  clipboard_ = copyFromCharacters({10, 14}, false);
  EXPECT_FALSE(pasteCharacters(font_, clipboard_, CCidFont::kMaxCid - 2));
}

TEST_F(ChartCommands, UnplacedAndGlyphsPasteThroughTheModel) {
  clipboard_ = copyFromUnplaced({1, 2});  // glyphs 2.1 and 2.2
  EXPECT_EQ(pasteCharacters(font_, clipboard_, 50), (ItemRange{50, 51}));
  EXPECT_EQ(at(50) + at(51), "2.12.2");
  EXPECT_EQ(font_.unplaced().size(), 2u);
  EXPECT_TRUE(clipboard_.empty());
  clipboard_ = copyFromFont(0, {3, 4});
  EXPECT_EQ(pasteCharacters(font_, clipboard_, 60), (ItemRange{60, 61}));
  EXPECT_EQ(at(60) + at(61) + at(13), "0.30.40.3");
  clipboard_ = {ChartClipboard::kCMapCells, 0, 3, 0, false, -1};  // another chart's kind
  EXPECT_FALSE(pasteCharacters(font_, clipboard_, 70));
}

TEST_F(ChartCommands, DropsOnTheCharactersChartFollowTheChosenCommand) {
  EXPECT_FALSE(dropOffered(ChartId::kCharacters, {10, 12}, {10, 12}));
  EXPECT_TRUE(dropOffered(ChartId::kCharacters, {10, 12}, {11, 13}));
  EXPECT_TRUE(dropOffered(ChartId::kUnplaced, {0, 0}, {0, 0}));
  EXPECT_EQ(
      dropOnCharacters(font_, ChartId::kCharacters, {10, 11}, -1, ChartCommand::kExchange, 20),
      (ItemRange{20, 21}));
  EXPECT_EQ(at(10) + at(20), "1.00.0");
  dropOnCharacters(font_, ChartId::kCharacters, {20, 20}, -1, ChartCommand::kMove, 25);
  EXPECT_EQ(at(20) + at(25), "-0.0");
  dropOnCharacters(font_, ChartId::kUnplaced, {0, 3}, -1, ChartCommand::kPlace, 0);
  EXPECT_EQ(at(0) + at(3), "2.02.3");
  dropOnCharacters(font_, ChartId::kFont, {1, 1}, 1, ChartCommand::kAppend, appendTarget(font_));
  EXPECT_EQ(at(26), "1.1");
  EXPECT_FALSE(dropOnCharacters(font_, ChartId::kFont, {1, 1}, 1, ChartCommand::kCopy, 30));
}

TEST_F(ChartCommands, ClearingLeavesLockedCharactersInPlace) {
  font_.setLocked(1, true);
  clearCharacters(font_, {11, 21});  // the Unplaced chart's drop and "&Delete"
  EXPECT_EQ(at(10) + at(11) + at(14) + at(20) + at(21), "0.0--1.01.1");
  EXPECT_EQ(font_.unplaced().size(), 4u + 4u);
  // Copying onto a locked character does nothing.
  dropOnCharacters(font_, ChartId::kCharacters, {10, 10}, -1, ChartCommand::kCopy, 21);
  EXPECT_EQ(at(21), "1.1");
  unplaceGlyphs(font_, 1, {0, 2});
  unplaceGlyphs(font_, 0, {0, 0});
  EXPECT_EQ(at(10) + at(20), "-1.0");
}

TEST_F(ChartCommands, CellsShowTheirCharacterAndMarks) {
  font_.setLocked(1, true);
  const ChartCell empty = characterCell(font_, 15, -1);
  EXPECT_EQ(empty.character, -1);
  EXPECT_EQ(empty.thumbnail, nullptr);
  const ChartCell locked = characterCell(font_, 21, 1);
  EXPECT_TRUE(locked.locked);
  EXPECT_TRUE(locked.highlighted);
  ASSERT_NE(locked.thumbnail, nullptr);
  EXPECT_EQ((*locked.thumbnail)[0], 17);
  EXPECT_FALSE(characterCell(font_, 11, 1).highlighted);
  EXPECT_EQ((*unplacedCell(font_, 2, -1).thumbnail)[0], 34);
  const std::vector<int32_t> glyphs = fontChartCharacters(font_, 1);
  EXPECT_EQ(glyphs.size(), 3u);
  EXPECT_EQ(fontChartCell(font_, glyphs, 2).number, 2u);
  EXPECT_EQ((*fontChartCell(font_, glyphs, 2).thumbnail)[0], 18);
  EXPECT_EQ(characterItemCount(font_), 23);
  EXPECT_EQ(unplacedItemCount(font_), 4);
}

TEST(ChartKinds, ColoursLayoutMenusAndDrops) {
  EXPECT_EQ(cellColours(true, true).paper, chart_colour::kNavy);
  EXPECT_EQ(cellColours(true, false).paper, chart_colour::kBlack);
  EXPECT_EQ(cellColours(false, true).paper, chart_colour::kTeal);
  EXPECT_EQ(cellColours(false, false).ink, chart_colour::kBlack);
  EXPECT_EQ(cellColours(false, false).hatch, chart_colour::kHatch);
  const CellLayout layout = cellLayout({38, 48, 76, 96});
  EXPECT_EQ(layout.thumbnailLeft, 41);
  EXPECT_EQ(layout.thumbnailTop, 62);
  EXPECT_EQ(layout.lockMark, (GridRect{68, 49, 75, 56}));
  EXPECT_EQ(layout.highlightMark, (GridRect{39, 49, 44, 54}));
  EXPECT_EQ(acceptsDrop(ChartId::kCharacters, ChartId::kFont), kDropAccepted);
  EXPECT_EQ(acceptsDrop(ChartId::kUnplaced, ChartId::kCharacters), kDropAccepted);
  EXPECT_EQ(acceptsDrop(ChartId::kUnplaced, ChartId::kFont), 0);
  EXPECT_EQ(acceptsDrop(ChartId::kCMap, ChartId::kUnplaced), 0);
  EXPECT_EQ(acceptsDrop(ChartId::kFont, ChartId::kFont), 0);
  std::string texts;
  for (const char* name : {"PLACED", "PASTE_SPECIAL", "FONT", "DROP_UNPLACED"})
    for (const MenuItem& item : chartMenu(name)) texts += std::string(item.text) + "|";
  EXPECT_EQ(texts,
            "Cancel|&Unselect|Cut|&Copy|&Paste|Paste specia&l|&Delete|&Append|&Paste to...|"
            "Cancel|&Unselect|&Copy|&Delete|&Place|&Append|&Place to..|");
  EXPECT_TRUE(chartMenu("NONE").empty());
}

}  // namespace
}  // namespace sorvella
