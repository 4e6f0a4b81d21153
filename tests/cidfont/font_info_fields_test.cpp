// The " Font Info " page's texts for a CID font, and its legend.
#include "cidfont/font_info_fields.h"

#include <gtest/gtest.h>

#include "cidfont/cid_font_messages.h"

namespace sorvella {
namespace {

// What the page shows for a font reads back as the same font information.
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
