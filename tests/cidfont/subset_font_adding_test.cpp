// The add-subset-font operation: file, entry, one record per slot with its thumbnail, and
// placement by glyph name only while importing.
#include "cidfont/subset_font_adding.h"

#include <gtest/gtest.h>

#include "base/text_format.h"
#include "cidfont/thumbnail.h"
#include "glyph/native_font_file.h"
#include "support/sample_subset_font.h"
#include "support/temp_folder.h"

namespace sorvella {
namespace {

namespace fs = std::filesystem;

class AddSubsetFontOperation : public ::testing::Test {
 protected:
  void SetUp() override { fs::create_directory(folder_ / "AB"); }
  test::TempFolder folder_;
  CCidFont cidFont_;
};

TEST_F(AddSubsetFontOperation, WritesTheFileAndAppendsEntryAndRecords) {
  auto font = test::sampleSubsetFont("Kana", {"a", "", "c"});
  SubsetFontAdding how;
  ASSERT_EQ(addSubsetFont(cidFont_, folder_ / "AB", *font, how), 0);
  EXPECT_EQ(font->slotCount(), 0);  // glyphs released

  const SubsetFontEntry& entry = cidFont_.subsetFont(0);
  EXPECT_EQ(entry.name(), "Kana");
  EXPECT_EQ(entry.fileStem(), "AB0000");
  EXPECT_EQ(entry.characterCount, 3);
  EXPECT_EQ(entry.locked, 0);
  std::unique_ptr<SubsetFont> written = ReadNativeFont(folder_ / "AB" / "AB0000.vtb");
  ASSERT_NE(written, nullptr);
  EXPECT_EQ(written->slotCount(), 3);

  ASSERT_EQ(cidFont_.characterCount(), 3);
  auto square = test::sampleSubsetFont("x", {"a"});
  Thumbnail expected = makeThumbnail(*square->glyph(0), how.fitAscender, how.fitDescender);
  EXPECT_NE(expected, kBlankThumbnail);
  EXPECT_TRUE(std::equal(expected.begin(), expected.end(), cidFont_.record(0).thumbnail.begin()));
  EXPECT_EQ(cidFont_.record(1).thumbnail, CharacterRecord::blankThumbnail());
  EXPECT_EQ(cidFont_.record(2).glyph, 2);
  EXPECT_EQ(cidFont_.unplaced().size(), 3u);
}

TEST_F(AddSubsetFontOperation, UnnamedFontIsUntitledAndStemsCountOn) {
  auto first = test::sampleSubsetFont("", {"a"});
  auto second = test::sampleSubsetFont("", {"a"});
  addSubsetFont(cidFont_, folder_ / "AB", *first, {});
  ASSERT_EQ(addSubsetFont(cidFont_, folder_ / "AB", *second, {}), 1);
  EXPECT_EQ(cidFont_.subsetFont(0).name(), "Untitled");
  EXPECT_EQ(cidFont_.subsetFont(1).fileStem(), "AB0001");
}

TEST_F(AddSubsetFontOperation, PlacesByNameOnlyWhenAsked) {
  auto font = test::sampleSubsetFont("Imp", {"CID-12", "CID-x", "cid-3", "CID-0"});
  SubsetFontAdding how;
  how.placeByName = true;
  addSubsetFont(cidFont_, folder_ / "AB", *font, how);
  EXPECT_EQ(cidFont_.CharacterAt(12), 0);
  EXPECT_EQ(cidFont_.CharacterAt(0), 3);
  EXPECT_EQ(cidFont_.unplaced(), (std::vector<int32_t>{1, 2}));

  auto again = test::sampleSubsetFont("Add", {"CID-40"});
  addSubsetFont(cidFont_, folder_ / "AB", *again, {});
  EXPECT_EQ(cidFont_.CharacterAt(40), -1);
}

TEST_F(AddSubsetFontOperation, UnwritableFolderAddsNothing) {
  auto font = test::sampleSubsetFont("Kana", {"a"});
  test::writeFile(folder_ / "file", "x");
  EXPECT_EQ(addSubsetFont(cidFont_, folder_ / "file" / "sub", *font, {}), -1);
  EXPECT_EQ(cidFont_.subsetFontCount(), 0);
  EXPECT_EQ(cidFont_.characterCount(), 0);
  EXPECT_EQ(font->slotCount(), 1);
}

TEST_F(AddSubsetFontOperation, MoreSlotsThanGlyphNumbersReachAddNothing) {
  auto font = test::sampleSubsetFont("Huge", std::vector<std::string>(16385));
  EXPECT_EQ(addSubsetFont(cidFont_, folder_ / "AB", *font, {}), -1);
  EXPECT_EQ(cidFont_.characterCount(), 0);
  EXPECT_TRUE(fs::is_empty(folder_ / "AB"));
  EXPECT_EQ(addSubsetFontFailureText(*font), formatText(kTooManyGlyphsMessage, "Huge", 16385));
}

class GlyphNameCid : public ::testing::Test {};

TEST_F(GlyphNameCid, ReadsTheNumberAfterThePrefix) {
  EXPECT_EQ(cidFromGlyphName("CID-1234"), 1234);
  EXPECT_EQ(cidFromGlyphName("CID-0"), 0);
  EXPECT_EQ(cidFromGlyphName("CID-"), -1);
  EXPECT_EQ(cidFromGlyphName("Cid-5"), -1);
  EXPECT_EQ(cidFromGlyphName("uni4E00"), -1);
}

}  // namespace
}  // namespace sorvella
