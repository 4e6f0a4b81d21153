// The CID font's tables and its single-CID and structural operations.
#include "cidfont/cid_font.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/sample_subset_font.h"

namespace sorvella {
namespace {

using test::subsetFontEntry;

// Font f of `glyphs` glyphs; glyph g is placed at cids[g] when given, else unplaced.
int addFont(CCidFont& font, int glyphs, std::vector<int32_t> cids = {}) {
  std::vector<CharacterRecord> records;
  for (int g = 0; g < glyphs; ++g) {
    CharacterRecord r = CharacterRecord::make(0, g);
    if (static_cast<std::size_t>(g) < cids.size()) r.cid = cids[static_cast<std::size_t>(g)];
    records.push_back(r);
  }
  return font.addSubsetFont(subsetFontEntry("Font", "0000", glyphs), records);
}

std::pair<int, int> at(const CCidFont& font, int32_t cid) {
  int32_t c = font.CharacterAt(cid);
  if (c < 0) return {-1, -1};
  return {font.record(c).font, font.record(c).glyph};
}

TEST(CidFontTexts, TrailingControlAndHighBytesAreTrimmedAndEmptyIsAbsent) {
  CCidFont font;
  font.info().setFontName("Mincho\r\n\x01");
  font.info().setNotice("Caf\xE9");
  font.info().setRegistry("\x1F\x80");
  EXPECT_EQ(font.info().fontName(), "Mincho");
  EXPECT_EQ(font.info().notice(), "Caf");
  EXPECT_EQ(font.info().registry(), "");
  SubsetFontEntry e;
  e.setName(" Gothic \t");
  EXPECT_EQ(e.name(), "_Gothic_");  // a trailing tab goes; names are single words
  std::vector<int32_t> many(25, 7);
  font.info().setXuid(many);
  EXPECT_EQ(font.info().xuid().size(), 20u);
}

// Positions outside the lists read as empty; an empty font has no range.
TEST(EmptyCidFont, HoldsNoCharacterAnywhere) {
  CCidFont font;
  for (int32_t cid : {-5, 0, 9999, 10000, 2147483647}) EXPECT_EQ(font.CharacterAt(cid), -1);
  EXPECT_EQ(font.record(-1), CharacterRecord::empty());
  EXPECT_EQ(font.record(0), CharacterRecord::empty());
  EXPECT_EQ(font.subsetFont(-1).locked, 0);
  font.RebuildTables();
  EXPECT_EQ(font.rangeTop(), -1);
  font.Compact();
  EXPECT_EQ(font.rangeTop(), -1);
}

class PlacedFont : public ::testing::Test {
 protected:
  void SetUp() override {
    addFont(font_, 10, {0, 1, 2, 3, 4, 5, -1, -1, 8, 9});  // glyphs 6 and 7 unplaced
    addFont(font_, 4, {20, 21, -1, 23});
    font_.RebuildTables();
    font_.setModified(false);
  }
  CCidFont font_;
};

TEST_F(PlacedFont, PlacingBeyondTheTableUsesTheOverflowListAndRefreshStoresIt) {
  font_.Place(70000, 3);
  EXPECT_EQ(font_.CharacterAt(70000), 3);
  EXPECT_EQ(font_.rangeTop(), 70000);
  font_.Place(70000, 4);  // same CID: the pair is updated, not duplicated
  EXPECT_EQ(font_.overflow(), (std::vector<OverflowPair>{{4, 70000}}));
  font_.Refresh();
  EXPECT_EQ(font_.record(4).cid, 70000);
  font_.Unplace(70000);
  EXPECT_TRUE(font_.overflow().empty());
  EXPECT_EQ(font_.CharacterAt(70000), -1);
}

// An import places its fonts as they come: CIDs beyond the table must not pile up in the
// overflow list, whose search would make a 65,535-glyph import quadratic.
TEST(AddedFonts, PlacedGlyphsBeyondTheTableLandInTheTable) {
  CCidFont font;
  font.Place(12000, -1);
  std::vector<int32_t> cids(16000);
  for (int32_t g = 0; g < 16000; ++g) cids[static_cast<std::size_t>(g)] = 60000 - 3 * g;
  addFont(font, 16000, cids);
  addFont(font, 3, {70000, 65535, -1});
  EXPECT_EQ(font.overflow(), (std::vector<OverflowPair>{{16000, 70000}}));
  EXPECT_EQ(font.CharacterAt(60000), 0);
  EXPECT_EQ(font.CharacterAt(12003), 15999);
  EXPECT_EQ(font.CharacterAt(65535), 16001);
  EXPECT_EQ(font.rangeTop(), 70000);
}

// A copy adds a record; a move takes the character along. Either way the old occupant of the
// target goes to the unplaced list, and a move onto itself changes nothing.
TEST_F(PlacedFont, OverwrittenCharactersBecomeUnplaced) {
  font_.CopyCharacter(1, 5);
  EXPECT_EQ(font_.characterCount(), 15);
  EXPECT_EQ(font_.CharacterAt(5), 14);
  EXPECT_EQ(at(font_, 1), std::make_pair(0, 1));
  font_.MoveCharacter(2, 4);
  EXPECT_EQ(font_.CharacterAt(4), 2);
  EXPECT_EQ(font_.CharacterAt(2), -1);
  EXPECT_EQ(font_.unplaced(), (std::vector<int32_t>{6, 7, 12, 5, 4}));
  font_.MoveCharacter(4, 4);
  EXPECT_EQ(font_.CharacterAt(4), 2);
}

TEST_F(PlacedFont, DuplicateUnplacedEntriesOfOneFontAreReducedToTheFirst) {
  font_.CopyCharacter(0, 40);   // record 14 = (0, 0)
  font_.CopyCharacter(0, 41);   // record 15 = (0, 0)
  font_.CopyCharacter(20, 42);  // record 16 = (1, 0): same glyph number, other font
  font_.ClearRange(40, 42);
  EXPECT_EQ(font_.unplaced(), (std::vector<int32_t>{6, 7, 12, 14, 16}));
}

// Entries go to the targets in order; a locked target keeps its character, and the entry
// meant for it stays in the list. The old occupant of a target goes back into the list.
TEST_F(PlacedFont, PlaceUnplacedTakesEntriesInOrderAndSkipsLockedTargets) {
  font_.setLocked(1, true);
  font_.PlaceUnplaced(0, 2, 21);  // targets 21 (locked), 22, 23 (locked)
  EXPECT_EQ(font_.CharacterAt(22), 7);
  EXPECT_EQ(at(font_, 21), std::make_pair(1, 1));
  EXPECT_EQ(at(font_, 23), std::make_pair(1, 3));
  EXPECT_EQ(font_.unplaced(), (std::vector<int32_t>{6, 12}));
  font_.PlaceUnplaced(1, 1, 0);  // entry 12 onto CID 0
  EXPECT_EQ(font_.CharacterAt(0), 12);
  EXPECT_EQ(font_.unplaced(), (std::vector<int32_t>{6, 0}));
}

TEST_F(PlacedFont, CompactDropsEmptyCidsAtTheEndOnly) {
  font_.ClearCid(23);
  font_.Place(90000, 0);
  font_.Compact();
  EXPECT_EQ(font_.rangeTop(), 90000);
  EXPECT_EQ(at(font_, 21), std::make_pair(1, 1));
  font_.Unplace(90000);
  font_.Compact();
  EXPECT_EQ(font_.rangeTop(), 21);
  EXPECT_TRUE(font_.modified());
}

}  // namespace
}  // namespace sorvella
