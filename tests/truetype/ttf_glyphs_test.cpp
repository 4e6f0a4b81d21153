// Glyphs of the TrueType reader on small fonts built byte by byte: decoding, metrics, damaged
// glyph data, and the flattening of composites with its limits against hostile nesting.
#include <gtest/gtest.h>

#include "support/truetype_bytes.h"
#include "truetype/glyf_table.h"
#include "truetype/ttf.h"

namespace sorvella {
namespace {

using test::TTTestComponent;
using test::TTTestContour;

const TTTestContour kSquare = {{0, 0}, {0, 100}, {100, 100}, {100, 0}};
const TTTestContour kTriangle = {{0, 0}, {50, 80, false}, {100, 0}};

class TrueTypeGlyphs : public ::testing::Test {
 protected:
  TTF& open(std::vector<std::vector<uint8_t>> glyphs,
            std::vector<std::pair<int, int>> metrics = {}) {
    test::TTTestFont f;
    f.glyphs = std::move(glyphs);
    f.metrics = std::move(metrics);
    EXPECT_TRUE(font_.Open(test::fontBytes(f)));
    return font_;
  }
  // The flattened points of glyph i as (x, y, on) triples, contour ends marked by "|".
  std::string flattened(uint32_t i) {
    TTGLYPH* g = font_.glyph(i);
    if (!g || !font_.Flatten(*g))
      return std::string("error ") + errorText(g ? g->error() : TTError::kNone);
    std::string text;
    std::size_t k = 0;
    for (uint32_t end : g->outline().endPoints) {
      for (; k <= end; ++k) {
        const TTPoint& p = g->outline().points[k];
        text += std::to_string(p.x) + "," + std::to_string(p.y) + (p.onCurve() ? " " : "o ");
      }
      text += "| ";
    }
    return text;
  }
  TTF font_;
};

TEST_F(TrueTypeGlyphs, DamagedGlyphDataGivesTheGlyphAnErrorCode) {
  std::vector<uint8_t> cut = test::simpleGlyph({kSquare});
  cut.resize(cut.size() - 3);
  std::vector<uint8_t> backwards = test::simpleGlyph({kSquare, kSquare});
  backwards[11] = 9;  // the second contour ends before the first
  TTF& f = open({test::simpleGlyph({kSquare}, {0, 0, -1, 100}), cut, backwards, {1, 2, 3}});
  const TTError expected[] = {TTError::kInvertedBox, TTError::kDamaged, TTError::kDamaged,
                              TTError::kDamaged};
  for (uint32_t i = 0; i < 4; ++i) {
    EXPECT_FALSE(f.LoadOutline(*f.glyph(i))) << i;
    EXPECT_EQ(f.glyph(i)->error(), expected[i]) << i;
  }
}

TEST_F(TrueTypeGlyphs, LocaOffsetsPastGlyfFailTheSeek) {
  test::TTTestFont font;
  font.glyphs = {test::simpleGlyph({kSquare}), test::simpleGlyph({kSquare})};
  std::vector<uint8_t> bytes = test::fontBytes(font);
  ASSERT_TRUE(font_.Open(bytes));
  const uint32_t loca = font_.tables()[4]->offset();  // glyf head hhea hmtx loca maxp
  bytes[loca + 8 + 2] = 0x7F;                         // glyph 1 ends far past `glyf`
  ASSERT_TRUE(font_.Open(bytes));
  EXPECT_TRUE(font_.LoadOutline(*font_.glyph(0)));
  EXPECT_FALSE(font_.LoadOutline(*font_.glyph(1)));
  EXPECT_EQ(font_.glyph(1)->error(), TTError::kSeekFailed);
}

TEST_F(TrueTypeGlyphs, CompositesFlattenWithOffsetsScalesAndPointPlacement) {
  open({test::simpleGlyph({kSquare}), test::simpleGlyph({kTriangle}),
        test::compositeGlyph({{0, 10, 20}, {1, 200, 0, false, {0x2000}}}),
        test::compositeGlyph({{2, 0, 0}, {1, 6, 2, true}}),  // triangle point 2 onto point 6
        test::compositeGlyph({{0, 0, 0}, {1, 9, 0, true}}),  // point 9 does not exist
        test::compositeGlyph({{1, 0, 0, false, {0x4000, 0, 0x2000, 0x4000}}})});
  EXPECT_EQ(flattened(2), "10,20 10,120 110,120 110,20 | 200,0 225,40o 250,0 | ");
  EXPECT_EQ(font_.glyph(2)->kind(), TTGlyphKind::kSimple);
  EXPECT_EQ(font_.glyph(2)->source(), TTSource::kCalculated);
  EXPECT_EQ(font_.glyph(2)->pointBoxXMax(), 250);
  EXPECT_EQ(flattened(3),
            "10,20 10,120 110,120 110,20 | 200,0 225,40o 250,0 | 150,0 200,80o 250,0 | ");
  EXPECT_EQ(flattened(4), "0,0 0,100 100,100 100,0 | 0,0 50,80o 100,0 | ");
  EXPECT_EQ(flattened(5), "0,0 90,80o 100,0 | ");  // x' = x + y / 2
}

TEST_F(TrueTypeGlyphs, HostileCompositesAreErrorsNotHangs) {
  // 4 refers to itself; 5 and 6 to each other; 7.. nest 70 deep; 80.. double 20 times.
  std::vector<std::vector<uint8_t>> glyphs = {test::simpleGlyph({kSquare}),
                                              {},
                                              {},
                                              {},
                                              test::compositeGlyph({{4, 0, 0}}),
                                              test::compositeGlyph({{6, 0, 0}}),
                                              test::compositeGlyph({{5, 0, 0}})};
  for (uint16_t g = 7; g < 77; ++g)
    glyphs.push_back(test::compositeGlyph({{static_cast<uint16_t>(g + 1), 0, 0}}));
  glyphs.push_back(test::compositeGlyph({{0, 0, 0}}));  // 77
  glyphs.resize(80);
  for (uint16_t g = 80; g < 100; ++g)
    glyphs.push_back(test::compositeGlyph(
        {{static_cast<uint16_t>(g + 1), 0, 0}, {static_cast<uint16_t>(g + 1), 5, 5}}));
  glyphs.push_back(test::simpleGlyph({kTriangle}));       // 100
  glyphs.push_back(test::compositeGlyph({{500, 0, 0}}));  // 101: no such glyph
  open(glyphs);
  const char* kTooComplex =
      "error a composite glyph is nested too deeply, refers to itself or is too large";
  EXPECT_EQ(flattened(4), kTooComplex);
  EXPECT_EQ(flattened(5), kTooComplex);
  EXPECT_EQ(flattened(7), kTooComplex);
  EXPECT_EQ(flattened(14), "0,0 0,100 100,100 100,0 | ");  // 64 composites deep
  EXPECT_EQ(flattened(13), kTooComplex);                   // 65
  EXPECT_EQ(flattened(80), kTooComplex);
  flattened(92);  // 256 triangles, from 510 component references
  EXPECT_EQ(font_.glyph(92)->outline().points.size(), 768u);
  EXPECT_EQ(font_.glyph(4)->error(), TTError::kCompositeTooComplex);
  EXPECT_EQ(font_.glyph(101)->error(), TTError::kNone);
  EXPECT_EQ(flattened(101), "error the data does not fit its table or the file");
}

}  // namespace
}  // namespace sorvella
