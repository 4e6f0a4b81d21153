// Thumbnails of glyphs: placement by the fit settings, master 0 in the record's bit format,
// the outline's curves, and outlines far outside the cell.
#include "cidfont/thumbnail.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <iostream>
#include <random>
#include <string>
#include <vector>

#include "glyph/scanline_fill.h"
#include "support/bit_art.h"
#include "support/random_glyph.h"

namespace sorvella {
namespace {

constexpr int kAscender = 900;
constexpr int kDescender = -200;
// With the default settings: s = 31 / 1100, oy = (31 - ceil(-700 s - 0.5)) / 2
// = (31 - ceil(-20.23)) / 2 = 25, and for a box from 0 to 1000,
// ox = (32 - ceil(1000 s - 0.5)) / 2 = (32 - ceil(27.68)) / 2 = 2.
constexpr double kScale = 31.0 / 1100.0;
constexpr double kOriginX = 2;
constexpr double kOriginY = 25;

using Span = test::PixelSpan;

Point pt(int x, int y) {
  return {static_cast<int16_t>(x), static_cast<int16_t>(y)};
}

// Read straight from the record format: MSB first, a clear bit is ink.
bool ink(const Thumbnail& t, int column, int row) {
  return ((t[row * 4 + column / 8] >> (7 - column % 8)) & 1) == 0;
}

class ThumbnailTest : public ::testing::Test {
 protected:
  static Glyph glyphWithAdvance(int advance) {
    Glyph g;
    g.setAdvance(0, pt(advance, 0));
    return g;
  }

  // Counter-clockwise in font units (y up) unless `reversed`.
  static void addRect(Glyph& g, int x0, int y0, int x1, int y1, bool reversed = false) {
    const int m = g.masterCount();
    g.appendNode(Node::move(pt(x0, y0), m));
    if (!reversed) {
      g.appendNode(Node::line(pt(x1, y0), m));
      g.appendNode(Node::line(pt(x1, y1), m));
      g.appendNode(Node::line(pt(x0, y1), m));
    } else {
      g.appendNode(Node::line(pt(x0, y1), m));
      g.appendNode(Node::line(pt(x1, y1), m));
      g.appendNode(Node::line(pt(x1, y0), m));
    }
  }

  static std::string art(const Thumbnail& t) { return test::bitArt(t, 32, 31, 4, false); }

  static std::string expected(std::initializer_list<Span> inked,
                              std::initializer_list<Span> holes = {}) {
    return test::spanArt(32, 31, inked, holes);
  }

  static std::string draw(const Glyph& g, int ascender = kAscender, int descender = kDescender) {
    return art(makeThumbnail(g, ascender, descender));
  }
};

// A 1000-unit square on the baseline spans x 2 .. 30.18 and y -3.18 .. 25 in the cell: the
// pixel centres inside are columns 2..29 and rows 0..24.
const Span kSquareSpan{2, 29, 0, 24};

// Master 1 is a thin bar across the bottom; only master 0 may show.
TEST_F(ThumbnailTest, DrawsMasterZero) {
  Glyph g(2);
  g.setAdvance(0, pt(1000, 0));
  g.setAdvance(1, pt(3000, 0));
  addRect(g, 0, 0, 1000, 1000);
  ASSERT_TRUE(g.setPoint(1, 0, 1, pt(3000, 0)));
  ASSERT_TRUE(g.setPoint(2, 0, 1, pt(3000, 50)));
  ASSERT_TRUE(g.setPoint(3, 0, 1, pt(0, 50)));
  EXPECT_EQ(draw(g), expected({kSquareSpan}));
}

// Rectangles (x0, y0, x1, y1, reversed) drawn at a fit, and the pixels expected.
struct RectCase {
  int advance, ascender, descender;
  std::initializer_list<Span> ink, holes;
  std::vector<std::array<int, 5>> rects;
};

TEST_F(ThumbnailTest, PlacementByTheFitAndTheNonZeroFillRule) {
  const std::array<int, 5> square{0, 0, 1000, 1000, 0};
  const RectCase cases[] = {
      // The default fit puts the baseline on row 25; y 0 .. -200 lands on 25 .. 30.64.
      {1000, 900, -200, {kSquareSpan}, {}, {square}},
      {1000, 900, -200, {{2, 29, 25, 30}}, {}, {{0, -200, 1000, 0, 0}}},
      // Box -500..1000: ox = (32 - ceil(500 s - 0.5)) / 2 = 9; the square spans x -5.09 .. 23.09.
      {1000, 900, -200, {{0, 22, 0, 24}}, {}, {{-500, 0, 500, 1000, 0}}},
      // An advance wider than the outline, box 0..2000: ox = (32 - ceil(56.36 - 0.5)) / 2 = -12.
      {2000, 900, -200, {{0, 15, 0, 24}}, {}, {square}},
      // A negative advance, box -1000..1000: ox = (32 - ceil(-0.5)) / 2 = 16.
      {-1000, 900, -200, {{16, 31, 0, 24}}, {}, {square}},
      // Box 0..1170: 32 - ceil(32.97 - 0.5) = -1, and -1 / 2 is 0, not -1: the square spans
      // x 0 .. 28.18 (columns 0..27), where flooring would stop at column 26.
      {1170, 900, -200, {{0, 27, 0, 24}}, {}, {square}},
      // Equal settings use s = 7; box 0..2: ox = (32 - ceil(14 - 0.5)) / 2 = 9,
      // oy = (31 - ceil(-0.5)) / 2 = 15.
      {0, 0, 0, {{9, 22, 1, 14}}, {}, {{0, 0, 2, 2, 0}}},
      // ... and centre on their line: oy = (31 - ceil(-7000.5)) / 2 = 3515.
      {0, 500, 500, {{9, 22, 15, 28}}, {}, {{0, 498, 2, 500, 0}}},
      // 31 / (1 - 0) would be 31; with s capped at 7, oy = (31 - ceil(-7.5)) / 2 = 19.
      {0, 1, 0, {{9, 22, 5, 18}}, {}, {{0, 0, 2, 2, 0}}},
      // Inverted settings, s = 31 / (-1100): ox = (32 - ceil(-28.68)) / 2 = 30,
      // oy = (31 - ceil(19.23)) / 2 = 5.
      {1000, -200, 900, {{2, 29, 5, 30}}, {}, {square}},
      // Settings far apart shrink the glyph to nothing.
      {1000, INT_MAX, INT_MIN, {}, {}, {square}},
      {1000, INT_MIN, INT_MAX, {}, {}, {square}},
      // A counter (x 10.45 .. 21.73, y 5.27 .. 16.55) drawn the other way shows a hole.
      {1000, 900, -200, {kSquareSpan}, {{10, 21, 5, 16}}, {square, {300, 300, 700, 700, 1}}},
      {1000, 900, -200, {kSquareSpan}, {}, {square, {300, 300, 700, 700, 0}}},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE("case " + std::to_string(i));
    const RectCase& c = cases[i];
    Glyph g = glyphWithAdvance(c.advance);
    for (const auto& r : c.rects) addRect(g, r[0], r[1], r[2], r[3], r[4] != 0);
    EXPECT_EQ(draw(g, c.ascender, c.descender), test::spanArt(32, 31, c.ink, c.holes));
  }
}

TEST_F(ThumbnailTest, ControlPointsBeyondTheAdvanceWidenTheBox) {
  // A flat curve (no area, nothing drawn) whose controls reach x = 2200 while the curve itself
  // turns at x = 1900 widens the box to 0..2200: ox = (32 - ceil(62 - 0.5)) / 2 = -15, so the
  // square spans x -15 .. 13.18. Up to 1900 only, ox would be -11.
  Glyph g = glyphWithAdvance(1000);
  addRect(g, 0, 0, 1000, 1000);
  g.appendNode(Node::move(pt(1000, 500)));
  g.appendNode(Node::curve(pt(1000, 500), pt(2200, 500), pt(2200, 500)));
  EXPECT_EQ(draw(g), expected({{0, 12, 0, 24}}));
}

using ThumbnailCurves = ThumbnailTest;

TEST_F(ThumbnailCurves, BulgeReachesThePixelsAboveItsEnds) {
  // From (1000, 0) to (0, 0) with controls at height 1056: x(t) = 1000 (1-t)^2 (1+2t) and
  // y(t) = 3168 t (1-t), peaking at y 792 (cell y 2.68). Row 3 (y = 780.6) is crossed at
  // t = 0.404 and 0.596, x 642 and 358, cell x 20.09 and 12.09: columns 12..19. Row 4
  // (y = 745.2) at x 708 and 292, cell 21.96 and 10.22: columns 10..21. Row 24 (y = 17.7)
  // runs within 0.2 units of the ends: columns 2..29.
  Glyph g = glyphWithAdvance(1000);
  g.appendNode(Node::move(pt(0, 0)));
  g.appendNode(Node::line(pt(1000, 0)));
  g.appendNode(Node::curve(pt(0, 0), pt(1000, 1056), pt(0, 1056)));
  std::string a = draw(g);
  auto row = [&](int r) { return a.substr(r * 33, 32); };
  for (int r : {0, 1, 2, 25, 30}) EXPECT_EQ(row(r), std::string(32, '.')) << "row " << r;
  EXPECT_EQ(row(3), "............########............");
  EXPECT_EQ(row(4), "..........############..........");
  EXPECT_EQ(row(24), "..############################..");
}

// Off-curve points alone: the on-curve points between them are implied at the midpoints, and
// each piece is the quadratic the fill draws at the default fit.
TEST_F(ThumbnailCurves, ImpliedMidpointsJoinQuadraticPieces) {
  Glyph quad = glyphWithAdvance(1000);
  quad.appendNode(Node::move(pt(300, 0)));
  for (Point p : {pt(600, 0), pt(600, 600), pt(0, 600), pt(0, 0)})
    quad.appendNode(Node::offCurve(p));
  auto x = [](double v) { return kOriginX + v * kScale; };
  auto y = [](double v) { return kOriginY - v * kScale; };
  ScanlineFill fill;
  fill.reset(32, 31);
  fill.moveTo(x(300), y(0));
  fill.quadTo(x(600), y(0), x(600), y(300));
  fill.quadTo(x(600), y(600), x(300), y(600));
  fill.quadTo(x(0), y(600), x(0), y(300));
  fill.quadTo(x(0), y(0), x(300), y(0));
  std::array<uint8_t, 124> rows{};
  ASSERT_TRUE(fill.packRows(rows, 4));
  EXPECT_EQ(draw(quad), test::bitArt(rows, 32, 31, 4, true));
  EXPECT_TRUE(ink(makeThumbnail(quad, kAscender, kDescender), 10, 16));  // the middle
}

using ThumbnailExtremes = ThumbnailTest;

TEST_F(ThumbnailExtremes, HugeRectangleIsClippedToTheCell) {
  // Box -32767..32767 gives ox 16; the rectangle covers everything below the baseline.
  Glyph g = glyphWithAdvance(0);
  addRect(g, -32767, -32767, 32767, 0);
  EXPECT_EQ(draw(g), expected({{0, 31, 25, 30}}));
  EXPECT_EQ(draw(g, 0, 0), expected({{0, 31, 15, 30}}));  // oy 15 at s = 7
}

TEST_F(ThumbnailExtremes, RandomGlyphsDrawTheSameTwiceAtAnyFit) {
  // Run under the sanitizers, this is also the no-fault check for wild outlines.
  uint32_t seed = test::testSeed();
  std::cout << "seed " << seed << '\n';
  std::mt19937 rng(seed);
  const int fits[][2] = {{900, -200},        {0, 0},         {1, 0},  {-200, 900},
                         {INT_MAX, INT_MIN}, {32767, 32767}, {-5, -6}};
  for (int i = 0; i < 300; ++i) {
    Glyph g = test::randomGlyph(rng, 1 + static_cast<int>(rng() % 3));
    for (const auto& fit : fits) {
      Thumbnail first = makeThumbnail(g, fit[0], fit[1]);
      EXPECT_EQ(makeThumbnail(g, fit[0], fit[1]), first) << "glyph " << i;
    }
  }
}

TEST_F(ThumbnailExtremes, EarlierThumbnailsLeaveNoTrace) {
  Glyph square = glyphWithAdvance(1000);
  addRect(square, 0, 0, 1000, 1000);
  Glyph open = glyphWithAdvance(1000);
  open.appendNode(Node::move(pt(-32767, -32767)));
  open.appendNode(Node::line(pt(32767, 32767)));
  open.appendNode(Node::line(pt(32767, -32767)));
  Thumbnail before = makeThumbnail(square, kAscender, kDescender);
  makeThumbnail(open, 0, 0);
  EXPECT_EQ(makeThumbnail(square, kAscender, kDescender), before);
  EXPECT_EQ(art(before), expected({kSquareSpan}));
}

}  // namespace
}  // namespace sorvella
