// Index fonts: digits read from Liberation Sans (the font Debian offers for Arial) against
// fontTools, glyphs made of those digits side by side, and the maker's refusals.
#include "cidfont/index_font.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/fixed_system_fonts.h"
#include "support/truetype_peer.h"

namespace sorvella {
namespace {

// Per digit: advance and the bounds of its outline, in font units; then units per em.
constexpr char kDigitsScript[] = R"(
import sys
from fontTools.ttLib import TTFont
from fontTools.pens.boundsPen import BoundsPen
f = TTFont(sys.argv[1]); gs = f.getGlyphSet(); cmap = f.getBestCmap()
print('U', f['head'].unitsPerEm)
for d in range(10):
    name = cmap[48 + d]; pen = BoundsPen(gs); gs[name].draw(pen)
    print('D', d, f['hmtx'][name][0], *pen.bounds)
)";

std::vector<Point> pointsOf(const Outline& o, int dx = 0) {
  std::vector<Point> points;
  for (int i = 0; i < o.nodeCount(); ++i)
    for (int k = 0; k < o.pointCount(i); ++k)
      points.push_back({static_cast<int16_t>(o.point(i, k).x + dx), o.point(i, k).y});
  return points;
}

// Of the polygons through every point, counter-clockwise positive.
double signedArea(const Outline& o) {
  double area = 0;
  for (int start = 0; start < o.nodeCount(); start = o.contourEnd(start) + 1) {
    std::vector<Point> ring;
    for (int i = start; i <= o.contourEnd(start); ++i)
      for (int k : o.pointCount(i) == 3 ? std::vector<int>{1, 2, 0} : std::vector<int>{0})
        ring.push_back(o.point(i, k));
    for (std::size_t i = 0; i < ring.size(); ++i) {
      const Point a = ring[i], b = ring[(i + 1) % ring.size()];
      area += (double(a.x) * b.y - double(b.x) * a.y) / 2;
    }
  }
  return area;
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

TEST_F(IndexFont, DigitsMatchFontToolsAtAnEmOf500) {
  const auto lines = test::fontToolsLines(kDigitsScript, test::kLiberationSans, "UD");
  ASSERT_EQ(lines.size(), 11u);
  const double scale = 500.0 / std::stod(lines[0][1]);
  for (std::size_t d = 0; d < 10; ++d) {
    const auto& w = lines[d + 1];
    EXPECT_EQ(digits_.advances[d], std::lround(std::stod(w[2]) * scale)) << d;
    Box box;
    digits_.shapes[d].widenControlBox(0, box);
    const double expected[] = {std::stod(w[3]), std::stod(w[4]), std::stod(w[5]), std::stod(w[6])};
    const int16_t got[] = {box.xMin, box.yMin, box.xMax, box.yMax};
    for (int k = 0; k < 4; ++k) EXPECT_NEAR(got[k], expected[k] * scale, 2.0) << d;
    // Reversed from TrueType's clockwise: the filled area counts positive.
    EXPECT_GT(signedArea(digits_.shapes[d]), 0) << d;
  }
}

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
  EXPECT_EQ(maker.fill(font, 0, 16384),
            "An index font can hold at most 16384 characters. The new font has no glyphs.");
  EXPECT_EQ(font.slotCount(), 0);
  EXPECT_EQ(maker.fill(font, 4294967290u, 4294967295u), "");
  EXPECT_EQ(font.glyph(5)->name(), "IND-4294967295");
  EXPECT_EQ(maker.fill(font, 1, 2), "");
  EXPECT_EQ(font.slotCount(), 8);
  EXPECT_EQ(liberation.asked(), std::vector<std::string>{"Arial"});

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
