// The CID font's tables and its single-CID and structural operations.
#include "cidfont/cid_font.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "cidfont/cid_font_messages.h"
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

bool isUnplaced(const CCidFont& font, int32_t character) {
  const auto& u = font.unplaced();
  return std::find(u.begin(), u.end(), character) != u.end();
}

TEST(CharacterRecordBytes, EmptyRecordIsAllFF) {
  ByteWriter out;
  CharacterRecord::empty().write(out);
  ASSERT_EQ(out.bytes().size(), kCharacterRecordBytes);
  EXPECT_TRUE(
      std::all_of(out.bytes().begin(), out.bytes().end(), [](uint8_t b) { return b == 0xFF; }));
}

TEST(CharacterRecordBytes, FieldsAreLittleEndianAndReadBack) {
  CharacterRecord r = CharacterRecord::make(3, 0x1234);
  r.cid = 70000;
  r.thumbnail[0] = 0x7F;
  ByteWriter out;
  r.write(out);
  const auto& b = out.bytes();
  EXPECT_EQ(b[0], 3);
  EXPECT_EQ(b[1], 0);
  EXPECT_EQ(b[2], 0x34);
  EXPECT_EQ(b[3], 0x12);
  EXPECT_EQ(b[4], 0x70);
  EXPECT_EQ(b[5], 0x11);
  EXPECT_EQ(b[6], 0x01);
  EXPECT_EQ(b[8], 0x7F);
  ByteReader in(b);
  EXPECT_EQ(CharacterRecord::read(in), r);
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

class EmptyCidFont : public ::testing::Test {
 protected:
  CCidFont font_;
};

TEST_F(EmptyCidFont, HoldsNoCharacterAnywhere) {
  for (int32_t cid : {-5, 0, 1, 9999, 10000, 2147483647}) EXPECT_EQ(font_.CharacterAt(cid), -1);
  EXPECT_EQ(font_.record(-1), CharacterRecord::empty());
  EXPECT_EQ(font_.record(0), CharacterRecord::empty());
  EXPECT_EQ(font_.subsetFont(-1).locked, 0);
  EXPECT_EQ(font_.unplacedAt(-1), -1);
}

TEST_F(EmptyCidFont, RebuildGivesTenThousandAndOneEmptyEntriesAndCompactReleasesThem) {
  font_.RebuildTables();
  EXPECT_EQ(font_.cidTable().size(), 10001u);
  EXPECT_TRUE(std::all_of(font_.cidTable().begin(), font_.cidTable().end(),
                          [](int32_t c) { return c == -1; }));
  EXPECT_EQ(font_.rangeTop(), -1);
  font_.Compact();
  EXPECT_TRUE(font_.cidTable().empty());
  EXPECT_EQ(font_.rangeTop(), -1);
  EXPECT_TRUE(font_.modified());
}

TEST_F(EmptyCidFont, TableSizeFollowsTheCharacterCount) {
  addFont(font_, 8000);
  font_.RebuildTables();
  EXPECT_EQ(font_.cidTable().size(), 12001u);
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

TEST_F(PlacedFont, RebuildingFromRecordsPlacesAndCollectsUnplaced) {
  EXPECT_EQ(at(font_, 4), std::make_pair(0, 4));
  EXPECT_EQ(at(font_, 23), std::make_pair(1, 3));
  EXPECT_EQ(font_.CharacterAt(6), -1);
  EXPECT_EQ(font_.unplaced(), (std::vector<int32_t>{6, 7, 12}));
  EXPECT_EQ(font_.rangeTop(), 23);
  EXPECT_EQ(font_.UnplacedCount(0), 2);
  EXPECT_EQ(font_.UnplacedCount(1), 1);
  EXPECT_EQ(font_.FindCharacter(1, 2), 12);
  EXPECT_EQ(font_.FindCharacter(1, 7), -1);
}

TEST_F(PlacedFont, PlacingBeyondTheTableUsesTheOverflowListAndRefreshStoresIt) {
  font_.Place(70000, 3);
  EXPECT_EQ(font_.CharacterAt(70000), 3);
  EXPECT_EQ(font_.overflow(), (std::vector<OverflowPair>{{3, 70000}}));
  EXPECT_EQ(font_.rangeTop(), 70000);
  font_.Place(70000, 4);  // same CID: the pair is updated, not duplicated
  EXPECT_EQ(font_.overflow().size(), 1u);
  font_.Unplace(3);
  font_.Refresh();
  EXPECT_EQ(font_.record(4).cid, 70000);
  font_.Unplace(70000);
  EXPECT_TRUE(font_.overflow().empty());
  EXPECT_EQ(font_.CharacterAt(70000), -1);
}

TEST_F(PlacedFont, ClearCidKeepsTheRecordAsUnplaced) {
  font_.ClearCid(2);
  EXPECT_EQ(font_.CharacterAt(2), -1);
  EXPECT_TRUE(isUnplaced(font_, 2));
  EXPECT_EQ(font_.characterCount(), 14);
  font_.ClearCid(2);  // an empty CID: nothing more happens
  EXPECT_EQ(std::count(font_.unplaced().begin(), font_.unplaced().end(), 2), 1);
}

TEST_F(PlacedFont, LockedCharactersAreNeitherClearedNorOverwritten) {
  font_.setLocked(1, true);
  EXPECT_TRUE(font_.IsLocked(font_.CharacterAt(20)));
  EXPECT_FALSE(font_.IsLocked(-1));
  font_.ClearCid(20);
  EXPECT_EQ(at(font_, 20), std::make_pair(1, 0));
  font_.CopyCharacter(0, 20);
  EXPECT_EQ(at(font_, 20), std::make_pair(1, 0));
  EXPECT_EQ(font_.characterCount(), 14);
  font_.MoveCharacter(21, 30);  // a locked source stays
  EXPECT_EQ(at(font_, 21), std::make_pair(1, 1));
  EXPECT_EQ(font_.CharacterAt(30), -1);
}

TEST_F(PlacedFont, CopyCharacterAppendsADuplicateRecord) {
  font_.CopyCharacter(1, 5);
  EXPECT_EQ(font_.characterCount(), 15);
  EXPECT_EQ(font_.CharacterAt(5), 14);
  EXPECT_EQ(at(font_, 5), std::make_pair(0, 1));
  EXPECT_TRUE(isUnplaced(font_, 5));  // the old occupant
  EXPECT_EQ(at(font_, 1), std::make_pair(0, 1));
}

TEST_F(PlacedFont, MoveCharacterEmptiesTheSourceAndUnplacesTheOldTarget) {
  font_.MoveCharacter(1, 5);
  EXPECT_EQ(font_.CharacterAt(5), 1);
  EXPECT_EQ(font_.CharacterAt(1), -1);
  EXPECT_TRUE(isUnplaced(font_, 5));
  font_.MoveCharacter(5, 5);
  EXPECT_EQ(font_.CharacterAt(5), 1);
}

TEST_F(PlacedFont, SwappingWithAnEmptyCidMovesTheCharacter) {
  font_.SwapRange(3, 3, 15);
  EXPECT_EQ(font_.CharacterAt(15), 3);
  EXPECT_EQ(font_.CharacterAt(3), -1);
  EXPECT_TRUE(font_.modified());
}

TEST_F(PlacedFont, DuplicateUnplacedEntriesOfOneFontAreReducedToTheFirst) {
  font_.CopyCharacter(0, 40);   // record 14 = (0, 0)
  font_.CopyCharacter(0, 41);   // record 15 = (0, 0)
  font_.CopyCharacter(20, 42);  // record 16 = (1, 0): same glyph number, other font
  font_.ClearRange(40, 42);
  EXPECT_EQ(font_.unplaced(), (std::vector<int32_t>{6, 7, 12, 14, 16}));
}

TEST_F(PlacedFont, PlaceUnplacedTakesEntriesInOrderAndSkipsLockedTargets) {
  font_.setLocked(1, true);
  // Targets 21 (locked), 22, 23 (locked): the entry shown for each locked target stays.
  font_.PlaceUnplaced(0, 2, 21);
  EXPECT_EQ(font_.CharacterAt(22), 7);
  EXPECT_EQ(at(font_, 21), std::make_pair(1, 1));
  EXPECT_EQ(at(font_, 23), std::make_pair(1, 3));
  EXPECT_EQ(font_.unplaced(), (std::vector<int32_t>{6, 12}));
}

TEST_F(PlacedFont, PlaceUnplacedPutsTheOldOccupantBackInTheList) {
  font_.PlaceUnplaced(1, 1, 0);  // entry 7 onto CID 0
  EXPECT_EQ(font_.CharacterAt(0), 7);
  EXPECT_EQ(font_.unplaced(), (std::vector<int32_t>{6, 12, 0}));
}

TEST_F(PlacedFont, PlaceGlyphsPlacesAnUnplacedGlyphItselfAndCopiesAPlacedOne) {
  std::vector<int32_t> chart = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
  font_.PlaceGlyphs(6, 7, 30, 0, chart);
  EXPECT_EQ(font_.CharacterAt(30), 6);
  EXPECT_EQ(font_.CharacterAt(31), 7);
  EXPECT_EQ(font_.characterCount(), 14);
  EXPECT_EQ(font_.unplaced(), (std::vector<int32_t>{12}));
  font_.PlaceGlyphs(2, 2, 32, 0, chart);  // glyph 2 is placed at CID 2 already: a copy
  EXPECT_EQ(font_.characterCount(), 15);
  EXPECT_EQ(at(font_, 32), std::make_pair(0, 2));
  EXPECT_EQ(font_.CharacterAt(2), 2);
}

TEST_F(PlacedFont, PlacedGlyphsStayPlacedWhenTheTablesAreRebuiltFromTheRecords) {
  std::vector<int32_t> chart = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
  font_.PlaceGlyphs(6, 6, 30, 0, chart);
  font_.Refresh();
  font_.RebuildTables();
  EXPECT_EQ(font_.CharacterAt(30), 6);
  EXPECT_EQ(font_.unplaced(), (std::vector<int32_t>{7, 12}));
}

TEST(CidFontRefresh, ADroppedDuplicateNeverTakesBackItsOldCid) {
  CCidFont font;
  addFont(font, 2, {5, -1});
  font.RebuildTables();
  font.CopyCharacter(5, 6);  // record 2: a copy of record 0, stale CID 5 included
  font.ClearRange(5, 6);     // both unplaced; the duplicate is dropped from the list
  ASSERT_EQ(font.unplaced(), (std::vector<int32_t>{1, 0}));
  font.PlaceUnplaced(0, 0, 5);  // glyph 1 at CID 5
  font.Refresh();
  font.RebuildTables();
  EXPECT_EQ(at(font, 5), std::make_pair(0, 1));
  EXPECT_EQ(font.CharacterAt(6), -1);
}

TEST_F(PlacedFont, RemoveGlyphRangeDropsAndRenumbers) {
  font_.RemoveGlyphRange(0, 3, 5);
  EXPECT_EQ(font_.characterCount(), 11);
  EXPECT_EQ(font_.FindCharacter(0, 9), -1);
  EXPECT_EQ(at(font_, 8), std::make_pair(0, 5));  // old glyph 8
  EXPECT_EQ(at(font_, 9), std::make_pair(0, 6));
  EXPECT_EQ(font_.CharacterAt(3), -1);
  EXPECT_EQ(at(font_, 21), std::make_pair(1, 1));
  EXPECT_TRUE(font_.modified());
}

TEST_F(PlacedFont, RemoveFontRenumbersLaterFontsButNeverALockedFont) {
  addFont(font_, 2, {50, 51});
  font_.RebuildTables();
  font_.setLocked(0, true);
  font_.RemoveFont(0);
  EXPECT_EQ(font_.subsetFontCount(), 3);
  font_.setLocked(0, false);
  font_.Refresh();
  font_.RemoveFont(0);
  font_.RebuildTables();
  EXPECT_EQ(font_.subsetFontCount(), 2);
  EXPECT_EQ(font_.characterCount(), 6);
  EXPECT_EQ(at(font_, 21), std::make_pair(0, 1));
  EXPECT_EQ(at(font_, 51), std::make_pair(1, 1));
  EXPECT_EQ(font_.CharacterAt(4), -1);
}

TEST_F(PlacedFont, ExpandRangeOnlyRaises) {
  font_.ExpandRange(23);
  EXPECT_FALSE(font_.modified());
  font_.ExpandRange(5);
  EXPECT_EQ(font_.rangeTop(), 23);
  EXPECT_FALSE(font_.modified());
  font_.ExpandRange(100);
  EXPECT_EQ(font_.rangeTop(), 100);
  EXPECT_TRUE(font_.modified());
}

TEST_F(PlacedFont, CompactDropsEmptyCidsAtTheEndOnly) {
  font_.ExpandRange(500);
  font_.ClearCid(23);
  font_.Place(90000, 0);
  font_.Compact();
  EXPECT_EQ(font_.cidTable().size(), 22u);  // up to CID 21; 6, 7 and 22 stay inside as empty
  EXPECT_EQ(font_.rangeTop(), 90000);
  font_.Unplace(90000);
  font_.Compact();
  EXPECT_EQ(font_.rangeTop(), 21);
}

TEST_F(PlacedFont, TextsDescribeTheFontAndTheSelection) {
  font_.setLocked(1, true);
  EXPECT_EQ(summaryText(font_), "The current CID font contains 14 characters in 2 subset fonts.");
  EXPECT_EQ(subsetFontText(font_, 0, "C:\\fonts\\x/0000.vtb"),
            "You have selected font number 1. Its name is Font and it is placed in file "
            "0000.vtb. This font contains 10 characters 2 which are not placed yet. The font "
            "is not locked.");
  font_.PlaceUnplaced(2, 2, 22);
  EXPECT_EQ(subsetFontText(font_, 1, "a:0001.vtb"),
            "You selected font number 2. Its name is Font and it is placed in file 0001.vtb. "
            "This font contains 4 characters. All characters are properly placed. The font is "
            "locked.");
  EXPECT_EQ(oneCidText(font_, 21), "Current character is CID-21. It is #1 from font Font (#2).");
  EXPECT_EQ(oneCidText(font_, 6), "The current character is absent in the CID font.");
  EXPECT_EQ(oneUnplacedText(font_, 7),
            "The current character is #7 from font Font (#1) and is not placed yet.");
  EXPECT_EQ(cidSelectionText(3, 4, 6), "There are 3 characters selected, from CID-4 to CID-6. ");
  EXPECT_EQ(expandRangePrompt(300),
            "Do you want to expand the current CID range to 300? \nYou can use the Compact "
            "command later to eliminate empty CIDs. ");
}

}  // namespace
}  // namespace sorvella
