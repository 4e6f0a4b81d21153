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
  auto font = test::sampleSubsetFont("", {"a", "", "c"});
  SubsetFontAdding how{false, 1000, 0};
  ASSERT_EQ(addSubsetFont(cidFont_, folder_ / "AB", *font, how), 0);
  EXPECT_EQ(font->slotCount(), 0);  // glyphs released
  const SubsetFontEntry& entry = cidFont_.subsetFont(0);
  EXPECT_EQ(entry.name(), "Untitled");
  EXPECT_EQ(entry.fileStem(), "AB0000");
  EXPECT_EQ(entry.characterCount, 3);
  std::unique_ptr<SubsetFont> written = ReadNativeFont(folder_ / "AB" / "AB0000.vtb");
  ASSERT_NE(written, nullptr);
  EXPECT_EQ(written->slotCount(), 3);
  // Each record's thumbnail is its glyph's, at the fit asked for.
  ASSERT_EQ(cidFont_.characterCount(), 3);
  Thumbnail expected = makeThumbnail(*written->glyph(0), how.fitAscender, how.fitDescender);
  EXPECT_NE(expected, makeThumbnail(*written->glyph(0), 900, -200));
  EXPECT_TRUE(std::equal(expected.begin(), expected.end(), cidFont_.record(0).thumbnail.begin()));
  EXPECT_EQ(cidFont_.record(1).thumbnail, CharacterRecord::blankThumbnail());
  EXPECT_EQ(cidFont_.record(2).glyph, 2);
}

TEST_F(AddSubsetFontOperation, PlacesByNameOnlyWhenAsked) {
  auto font = test::sampleSubsetFont("Imp", {"CID-12", "CID-x", "cid-3", "CID-0", "CID-"});
  addSubsetFont(cidFont_, folder_ / "AB", *font, SubsetFontAdding{true});
  EXPECT_EQ(cidFont_.CharacterAt(12), 0);
  EXPECT_EQ(cidFont_.CharacterAt(0), 3);
  EXPECT_EQ(cidFont_.unplaced(), (std::vector<int32_t>{1, 2, 4}));
  auto again = test::sampleSubsetFont("Add", {"CID-40"});
  addSubsetFont(cidFont_, folder_ / "AB", *again, {});
  EXPECT_EQ(cidFont_.CharacterAt(40), -1);
}

TEST_F(AddSubsetFontOperation, FontsThatCannotBeStoredAddNothing) {
  auto font = test::sampleSubsetFont("Kana", {"a"});
  test::writeFile(folder_ / "file", "x");
  EXPECT_EQ(addSubsetFont(cidFont_, folder_ / "file" / "sub", *font, {}), -1);
  EXPECT_EQ(font->slotCount(), 1);
  EXPECT_EQ(addSubsetFontFailureText(*font), formatText(kSubsetFontNotWrittenMessage, "Kana"));
  auto huge = test::sampleSubsetFont("Huge", std::vector<std::string>(16385));
  EXPECT_EQ(addSubsetFont(cidFont_, folder_ / "AB", *huge, {}), -1);
  EXPECT_TRUE(fs::is_empty(folder_ / "AB"));
  EXPECT_EQ(addSubsetFontFailureText(*huge), formatText(kTooManyGlyphsMessage, "Huge", 16385));
  EXPECT_EQ(cidFont_.subsetFontCount(), 0);
  EXPECT_EQ(cidFont_.characterCount(), 0);
}

}  // namespace
}  // namespace sorvella
