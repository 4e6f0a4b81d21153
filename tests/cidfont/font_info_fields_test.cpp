// The " Font Info " page's rules: how its texts go back into the CID font, and its legend.
#include "cidfont/font_info_fields.h"

#include <gtest/gtest.h>

namespace sorvella {
namespace {

class FontNameField : public ::testing::Test {};

TEST_F(FontNameField, DropsBlanksControlsAndHighBytesAnywhere) {
  EXPECT_EQ(filteredFontName(" Ryo\tMin\x01 cho\xA0Std "), "RyoMinchoStd");
  EXPECT_EQ(filteredFontName("   "), "");
}

class XuidField : public ::testing::Test {};

TEST_F(XuidField, SplitsAtSpacesCommasAndSemicolons) {
  EXPECT_EQ(parseXuidField("1, 11;; 9000 4294967295"), (std::vector<int32_t>{1, 11, 9000, -1}));
}

TEST_F(XuidField, KeepsAtMostTwentyNumbers) {
  std::string text;
  for (int i = 1; i <= 25; ++i) text += std::to_string(i) + " ";
  std::vector<int32_t> numbers = parseXuidField(text);
  ASSERT_EQ(numbers.size(), 20u);
  EXPECT_EQ(numbers.back(), 20);
}

TEST_F(XuidField, EmptyFieldClearsTheXuid) {
  EXPECT_TRUE(parseXuidField("").empty());
}

class ApplyFontInfoPage : public ::testing::Test {};

TEST_F(ApplyFontInfoPage, StoresEveryFieldButVersion) {
  CidFontInfo info;
  info.version = 3;
  FontInfoFields fields{"A B", "Full Name  ", "  12abc", "7 8", "Adobe", "", "-2", "(c) Me"};
  applyFontInfoFields(fields, info);
  EXPECT_EQ(info.fontName(), "AB");
  EXPECT_EQ(info.fullName(), "Full Name  ");
  EXPECT_EQ(info.uidBase, 12);
  EXPECT_EQ(info.xuid(), (std::vector<int32_t>{7, 8}));
  EXPECT_EQ(info.registry(), "Adobe");
  EXPECT_EQ(info.ordering(), "");
  EXPECT_EQ(info.supplement, -2);
  EXPECT_EQ(info.notice(), "(c) Me");
  EXPECT_EQ(info.version, 3);
}

TEST_F(ApplyFontInfoPage, ShownFieldsGoBackUnchanged) {
  CidFontInfo info;
  info.setFontName("Mincho");
  info.uidBase = 400;
  std::vector<int32_t> xuid{1, 2, 3};
  info.setXuid(xuid);
  info.supplement = 4;
  CidFontInfo copy;
  applyFontInfoFields(fontInfoFields(info), copy);
  EXPECT_EQ(copy, info);
}

class FontInfoLegend : public ::testing::Test {};

TEST_F(FontInfoLegend, WithAndWithoutAFont) {
  EXPECT_EQ(fontInfoLegend(nullptr),
            "No CID font is loaded now. Use the Open command to load one, Import - to convert one "
            "from CID or TrueType format or New to create a new one.");
  CCidFont font;
  EXPECT_EQ(fontInfoLegend(&font), "The current CID font contains 0 characters in 0 subset fonts.");
}

}  // namespace
}  // namespace sorvella
