// Switching a subset font's encoding by number: the current number, the saved own table,
// tables from the registry and the fall-backs when a number is not registered.
#include "postscript/encoding_selection.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace sorvella {
namespace {

class EncodingSelection : public ::testing::Test {
 protected:
  void SetUp() override {
    test::writeFile(folder_ / "standard.enc",
                    "%%VANTREL ENCODING: 1; Standard\r\nA 65\r\nB 66\r\n");
    test::writeFile(folder_ / "five.enc", "%%VANTREL ENCODING: 5; Five\r\nfive 53\r\n");
    ASSERT_TRUE(withOne_.addFile(folder_ / "standard.enc"));
    ASSERT_TRUE(withOne_.addFile(folder_ / "five.enc"));
    ASSERT_TRUE(withoutOne_.addFile(folder_ / "five.enc"));
  }
  // A font holding its own table, which names code 1 "own".
  static SubsetFont ownFont() {
    SubsetFont font;
    font.encoding().number = 0;
    font.encoding().glyphNames[1] = "own";
    return font;
  }
  const std::string& name(int code) const {
    return font_.encoding().glyphNames[static_cast<std::size_t>(code)];
  }

  test::TempFolder folder_;
  EncodingRegistry withOne_;
  EncodingRegistry withoutOne_;
  SubsetFont font_ = ownFont();
};

TEST_F(EncodingSelection, AskingForTheCurrentNumberChangesNothing) {
  setSubsetFontEncoding(font_, 0, withOne_);
  EXPECT_EQ(name(1), "own");
  EXPECT_FALSE(font_.encoding().savedOwnTable.has_value());

  font_.encoding().number = 5;  // a table that does not match its number stays as it is
  setSubsetFontEncoding(font_, 5, withOne_);
  EXPECT_EQ(name(1), "own");
  EXPECT_EQ(name(53), "");
}

TEST_F(EncodingSelection, ANumberLoadsItsTableWithPlaceholdersForUnnamedCodes) {
  setSubsetFontEncoding(font_, 5, withOne_);
  EXPECT_EQ(font_.encoding().number, 5);
  EXPECT_EQ(name(53), "five");
  EXPECT_EQ(name(1), ".0001");
  EXPECT_EQ(name(65), ".0065");
  EXPECT_TRUE(font_.encoding().hasGlyphName(53));
  EXPECT_FALSE(font_.encoding().hasGlyphName(65));
}

TEST_F(EncodingSelection, LeavingTheOwnTableSavesIt) {
  setSubsetFontEncoding(font_, 1, withOne_);
  ASSERT_TRUE(font_.encoding().savedOwnTable.has_value());
  EXPECT_EQ((*font_.encoding().savedOwnTable)[1], "own");
  EXPECT_EQ(name(65), "A");
}

TEST_F(EncodingSelection, NumberZeroCopiesTheSavedOwnTableBack) {
  setSubsetFontEncoding(font_, 1, withOne_);
  setSubsetFontEncoding(font_, 5, withOne_);
  setSubsetFontEncoding(font_, 0, withOne_);
  EXPECT_EQ(font_.encoding().number, 0);
  EXPECT_EQ(name(1), "own");
  EXPECT_EQ(name(65), "");
  EXPECT_EQ(name(53), "");
}

TEST_F(EncodingSelection, TheOwnTableIsSavedOnlyOnce) {
  setSubsetFontEncoding(font_, 1, withOne_);
  setSubsetFontEncoding(font_, 0, withOne_);
  font_.encoding().glyphNames[1] = "edited";
  setSubsetFontEncoding(font_, 5, withOne_);
  setSubsetFontEncoding(font_, 0, withOne_);
  EXPECT_EQ(name(1), "own");
}

TEST_F(EncodingSelection, ZeroWithNothingSavedKeepsTheTable) {
  SubsetFont font;  // number 1, never held its own table
  font.encoding().glyphNames[65] = "A";
  setSubsetFontEncoding(font, 0, withOne_);
  EXPECT_EQ(font.encoding().number, 0);
  EXPECT_EQ(font.encoding().glyphNames[65], "A");
}

TEST_F(EncodingSelection, AnUnregisteredNumberLoadsEncodingOne) {
  setSubsetFontEncoding(font_, 42, withOne_);
  EXPECT_EQ(name(65), "A");
  EXPECT_EQ(name(66), "B");
  EXPECT_EQ(font_.encoding().number, 42);
}

TEST_F(EncodingSelection, WithEncodingOneMissingTooEveryCodeGetsItsPlaceholder) {
  setSubsetFontEncoding(font_, 42, withoutOne_);
  for (int code = 0; code < SubsetFontEncoding::kSize; ++code)
    EXPECT_FALSE(font_.encoding().hasGlyphName(code)) << code;
  EXPECT_EQ(name(65), ".0065");
  EXPECT_EQ(name(1), ".0001");
}

TEST_F(EncodingSelection, CustomNamesStayWhateverTableIsLoaded) {
  font_.encoding().customNames[65] = "Alpha";
  setSubsetFontEncoding(font_, 5, withOne_);
  setSubsetFontEncoding(font_, 0, withOne_);
  EXPECT_EQ(font_.encoding().customNames[65], "Alpha");
}

TEST_F(EncodingSelection, ANewFontStartsWithEncodingOne) {
  SubsetFont font;
  loadNewFontEncoding(font, withOne_);
  EXPECT_EQ(font.encoding().number, 1);
  EXPECT_EQ(font.encoding().glyphNames[65], "A");
  EXPECT_EQ(font.encoding().glyphNames[67], ".0067");
  loadNewFontEncoding(font, withoutOne_);
  EXPECT_EQ(font.encoding().glyphNames[65], ".0065");
}

}  // namespace
}  // namespace sorvella
