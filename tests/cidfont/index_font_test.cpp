// Index fonts: glyphs made of the digits of Liberation Sans (the font Debian offers for Arial)
// side by side, and the maker's refusals.
#include "cidfont/index_font.h"

#include <gtest/gtest.h>

#include "base/text_format.h"
#include "support/fixed_system_fonts.h"

namespace sorvella {
namespace {

std::vector<Point> pointsOf(const Outline& o, int dx = 0) {
  std::vector<Point> points;
  for (int i = 0; i < o.nodeCount(); ++i)
    for (int k = 0; k < o.pointCount(i); ++k)
      points.push_back({static_cast<int16_t>(o.point(i, k).x + dx), o.point(i, k).y});
  return points;
}

class IndexFont : public ::testing::Test {
 protected:
  void SetUp() override {
    std::optional<IndexDigits> digits = readIndexDigits(test::kLiberationSans);
    ASSERT_TRUE(digits.has_value());
    digits_ = std::move(*digits);
  }
  IndexDigits digits_;
};

TEST_F(IndexFont, GlyphsShowTheirIndexDigitBesideDigit) {
  SubsetFont font;
  appendIndexGlyphs(font, 8, 12, digits_);
  ASSERT_EQ(font.slotCount(), 5);
  for (int32_t i = 0; i < 5; ++i)
    EXPECT_EQ(font.glyph(i)->name(),
              "IND-00" + std::string(i < 2 ? "0" : "") + std::to_string(8 + i));
  const Glyph& ten = *font.glyph(2);
  std::vector<Point> expected = pointsOf(digits_.shapes[1]);
  for (Point p : pointsOf(digits_.shapes[0], digits_.advances[1])) expected.push_back(p);
  EXPECT_EQ(pointsOf(ten), expected);
  EXPECT_EQ(ten.nodeCount(), digits_.shapes[1].nodeCount() + digits_.shapes[0].nodeCount());
  EXPECT_EQ(ten.advance(0).x, digits_.advances[1] + digits_.advances[0]);
  EXPECT_EQ(pointsOf(*font.glyph(0)), pointsOf(digits_.shapes[8]));

  SubsetFont none;
  appendIndexGlyphs(none, 5, 4, digits_);
  EXPECT_EQ(none.slotCount(), 0);
}

TEST(IndexFontMakerTest, AsksForArialOnceAndRefusesWhatItCannotMake) {
  test::FixedSystemFonts liberation(std::filesystem::path(test::kLiberationSans));
  IndexFontMaker maker(liberation);
  SubsetFont font;
  EXPECT_EQ(maker.fill(font, 0, 16384), formatText(index_font_text::kTooManyIndices, 16384));
  EXPECT_EQ(font.slotCount(), 0);
  EXPECT_EQ(maker.fill(font, 4294967290u, 4294967295u), "");
  EXPECT_EQ(font.glyph(5)->name(), "IND-4294967295");
  EXPECT_EQ(maker.fill(font, 1, 2), "");
  EXPECT_EQ(font.slotCount(), 8);
  EXPECT_EQ(liberation.asked(), std::vector<std::string>{index_font_text::kDigitFamily});

  test::FixedSystemFonts missing(std::nullopt);
  IndexFontMaker without(missing);
  SubsetFont empty;
  EXPECT_EQ(without.fill(empty, 1, 3), index_font_text::kDigitsMissing);
  EXPECT_EQ(empty.slotCount(), 0);
  test::FixedSystemFonts notTrueType(
      std::filesystem::path("/usr/share/fonts/opentype/urw-base35/NimbusSans-Regular.otf"));
  IndexFontMaker cff(notTrueType);
  EXPECT_EQ(cff.fill(empty, 1, 3), index_font_text::kDigitsMissing);
}

}  // namespace
}  // namespace sorvella
