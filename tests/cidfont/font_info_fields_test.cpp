// The " Font Info " page's rules: how its texts go back into the CID font, and its legend.
#include "cidfont/font_info_fields.h"

#include <gtest/gtest.h>

#include "cidfont/cid_font_messages.h"

namespace sorvella {
namespace {

// The font name loses blanks, controls and high bytes anywhere; the XUID splits at spaces,
// commas and semicolons, keeping at most 20 numbers; the version stays as it was.
TEST(ApplyFontInfoPage, StoresEveryFieldButVersion) {
  CidFontInfo info;
  info.version = 3;
  std::string many;
  for (int i = 1; i <= 25; ++i) many += std::to_string(i) + " ";
  FontInfoFields fields{" Ryo\tMin\x01 cho\xA0Std ", "Full Name  ", "  12abc", "1, 11;; 4294967295",
                        "Adobe", "", "-2", "(c) Me"};
  applyFontInfoFields(fields, info);
  EXPECT_EQ(info.fontName(), "RyoMinchoStd");
  EXPECT_EQ(info.fullName(), "Full Name  ");
  EXPECT_EQ(info.uidBase, 12);
  EXPECT_EQ(info.xuid(), (std::vector<int32_t>{1, 11, -1}));
  EXPECT_EQ(info.registry(), "Adobe");
  EXPECT_EQ(info.ordering(), "");
  EXPECT_EQ(info.supplement, -2);
  EXPECT_EQ(info.notice(), "(c) Me");
  EXPECT_EQ(info.version, 3);
  fields.xuid = many;
  applyFontInfoFields(fields, info);
  EXPECT_EQ(info.xuid().size(), 20u);
  EXPECT_EQ(info.xuid().back(), 20);
}

TEST(ApplyFontInfoPage, ShownFieldsGoBackUnchanged) {
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

TEST(FontInfoLegend, WithAndWithoutAFont) {
  EXPECT_EQ(fontInfoLegend(nullptr), cid_font_text::kNoFontMainPage);
  CCidFont font;
  EXPECT_EQ(fontInfoLegend(&font), summaryText(font));
}

}  // namespace
}  // namespace sorvella
