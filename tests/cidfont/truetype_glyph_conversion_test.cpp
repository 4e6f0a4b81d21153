// ConvertGlyph on small fonts built byte by byte: points scaled to 1000 units, reversed
// contours, composites, the point buffer, and glyphs that cannot be converted. Advances are
// compared with fontTools on every glyph of the real fonts.
#include "cidfont/truetype_glyph_conversion.h"

#include <gtest/gtest.h>

#include <sstream>

#include "support/truetype_bytes.h"

namespace sorvella {
namespace {

using test::TTTestContour;

const TTTestContour kSquare = {{0, 0}, {0, 100}, {100, 100}, {100, 0}};

// The glyph's nodes as "M x y", "L x y" and "C x1 y1 x2 y2 x y".
std::string nodesOf(const Glyph& g) {
  std::ostringstream out;
  for (int i = 0; i < g.nodeCount(); ++i) {
    const uint8_t type = g.type(i);
    out << (type == node_type::kMove ? "M" : type == node_type::kLine ? "L" : "C");
    for (int k : type == node_type::kCurve ? std::vector<int>{1, 2, 0} : std::vector<int>{0})
      out << ' ' << g.point(i, k).x << ' ' << g.point(i, k).y;
    out << (i + 1 < g.nodeCount() ? " " : "");
  }
  return out.str();
}

class ConvertTrueTypeGlyph : public ::testing::Test {
 protected:
  // Converts glyph `index` of a font of these glyphs.
  std::unique_ptr<Glyph> convert(std::vector<std::vector<uint8_t>> glyphs, uint32_t index,
                                 int unitsPerEm = 1000,
                                 std::vector<std::pair<int, int>> metrics = {}) {
    test::TTTestFont f;
    f.unitsPerEm = unitsPerEm;
    f.glyphs = std::move(glyphs);
    f.metrics = std::move(metrics);
    EXPECT_TRUE(font_.Open(test::fontBytes(f)));
    return ConvertGlyph(font_, *font_.glyph(index));
  }
  TTF font_;
};

TEST_F(ConvertTrueTypeGlyph, PointsScaleInIntegersAndShiftToTheSideBearing) {
  // xMin 100, lsb 50: the outline moves 50 units left before scaling from 2048 units.
  auto g = convert({test::simpleGlyph({{{100, -1024}, {100, 1024}, {2098, 1024}}})}, 0, 2048,
                   {{2048, 50}});
  // (50 * 1000 + 1024) / 2048 = 24.9 and (-1024 * 1000 + 1024) / 2048 = -499.5 truncate.
  EXPECT_EQ(nodesOf(*g), "M 24 -499 L 1000 500 L 24 500");
}

TEST_F(ConvertTrueTypeGlyph, ContoursStartingOffTheCurveKeepTheirShape) {
  auto g = convert({test::simpleGlyph(
                       {{{0, 100, false}, {100, 200}, {200, 100}},
                        {{0, 100, false}, {100, 200, false}, {200, 100, false}, {100, 0, false}}})},
                   0);
  // The first starts at its last on-curve point; the second, all off the curve, between its
  // first and last points, and ends there through four exact pieces.
  EXPECT_EQ(nodesOf(*g),
            "M 200 100 L 100 200 C 33 133 67 100 200 100 "
            "M 50 150 C 17 117 17 83 50 50 C 83 17 117 17 150 50 C 183 83 183 117 150 150 "
            "C 117 183 83 183 50 150");
}

TEST_F(ConvertTrueTypeGlyph, CompositesAreFlattenedAndMirroredPartsKeepTheDirection) {
  auto g = convert({test::simpleGlyph({kSquare}),
                    test::compositeGlyph({{0, 0, 0}, {0, 300, 0, false, {-0x4000, 0x4000}}})},
                   1, 1000, {{100, 0}, {400, 0}});
  EXPECT_EQ(nodesOf(*g), "M 0 0 L 100 0 L 100 100 L 0 100 M 300 0 L 300 100 L 200 100 L 200 0");
  EXPECT_EQ(font_.glyph(1)->loaded(), false);  // released again
}

TEST_F(ConvertTrueTypeGlyph, GlyphsThatCannotBeConvertedKeepTheirAdvanceOnly) {
  TTTestContour many;
  for (int i = 0; i < 10001; ++i) many.push_back({i % 2 ? 50 : 0, i});
  TTTestContour fewer(many.begin(), many.end() - 1);
  std::vector<std::vector<uint8_t>> glyphs = {test::simpleGlyph({many}), test::simpleGlyph({fewer}),
                                              test::compositeGlyph({{2, 0, 0}}),
                                              test::simpleGlyph({{{5, 5}}, kSquare})};
  const std::vector<std::pair<int, int>> metrics = {{600, 0}, {600, 0}, {700, 0}, {800, 0}};
  auto tooMany = convert(glyphs, 0, 1000, metrics);
  EXPECT_TRUE(tooMany->empty());
  EXPECT_EQ(tooMany->advance(0).x, 600);
  EXPECT_EQ(ConvertGlyph(font_, *font_.glyph(1))->nodeCount(), 10000);
  auto selfReferring = ConvertGlyph(font_, *font_.glyph(2));
  EXPECT_TRUE(selfReferring->empty());
  EXPECT_EQ(selfReferring->advance(0).x, 700);
  EXPECT_EQ(font_.glyph(2)->error(), TTError::kCompositeTooComplex);
  EXPECT_EQ(nodesOf(*ConvertGlyph(font_, *font_.glyph(3))), "M 0 0 L 100 0 L 100 100 L 0 100");
}

}  // namespace
}  // namespace sorvella
