// Thumbnails of glyphs: placement by the fit settings, the record's bit format, the fill rule,
// curves, and outlines far outside the cell.
#include "cidfont/thumbnail.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <cmath>
#include <iostream>
#include <random>
#include <string>
#include <vector>

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

using ThumbnailFormat = ThumbnailTest;

TEST_F(ThumbnailFormat, BlankThumbnailIsAllBackground) {
  EXPECT_EQ(kBlankThumbnail.size(), 124u);
  for (uint8_t b : kBlankThumbnail) EXPECT_EQ(b, 0xFF);
}

TEST_F(ThumbnailFormat, GlyphWithoutNodesIsBlank) {
  EXPECT_EQ(makeThumbnail(glyphWithAdvance(1000), kAscender, kDescender), kBlankThumbnail);
  EXPECT_EQ(makeThumbnail(Glyph(), 0, 0), kBlankThumbnail);
}

TEST_F(ThumbnailFormat, SquareRowsAreStoredTopFirstWithInkAsClearBits) {
  Glyph g = glyphWithAdvance(1000);
  addRect(g, 0, 0, 1000, 1000);
  Thumbnail t = makeThumbnail(g, kAscender, kDescender);
  // Ink in columns 2..29: the first byte keeps its two leftmost bits, the last its two
  // rightmost.
  for (int r = 0; r <= 24; ++r) {
    EXPECT_EQ(t[r * 4 + 0], 0xC0) << "row " << r;
    EXPECT_EQ(t[r * 4 + 1], 0x00) << "row " << r;
    EXPECT_EQ(t[r * 4 + 2], 0x00) << "row " << r;
    EXPECT_EQ(t[r * 4 + 3], 0x03) << "row " << r;
  }
  for (int i = 25 * 4; i < 124; ++i) EXPECT_EQ(t[i], 0xFF) << "byte " << i;
}

TEST_F(ThumbnailFormat, DrawsMasterZero) {
  Glyph g(2);
  g.setAdvance(0, pt(1000, 0));
  g.setAdvance(1, pt(3000, 0));
  addRect(g, 0, 0, 1000, 1000);
  // Master 1 is a thin bar across the bottom; only master 0 may show.
  ASSERT_TRUE(g.setPoint(1, 0, 1, pt(3000, 0)));
  ASSERT_TRUE(g.setPoint(2, 0, 1, pt(3000, 50)));
  ASSERT_TRUE(g.setPoint(3, 0, 1, pt(0, 50)));
  ASSERT_EQ(g.nodeCount(), 4);
  Glyph single = glyphWithAdvance(1000);
  addRect(single, 0, 0, 1000, 1000);
  EXPECT_EQ(draw(g), draw(single));
  EXPECT_EQ(draw(g), expected({kSquareSpan}));
}

// Rectangles (x0, y0, x1, y1, reversed) drawn at a fit, and the pixels expected.
struct RectCase {
  int advance, ascender, descender;
  std::initializer_list<Span> ink, holes;
  std::vector<std::array<int, 5>> rects;
};

TEST_F(ThumbnailTest, PlacementByTheFitAndTheNonZeroFillRule) {
  // Squares 0..600 (x 2 .. 18.91, y 8.09 .. 25) and 400..1000 (x 13.27 .. 30.18,
  // y -3.18 .. 13.73) overlap in columns 13..18 and rows 8..13.
  const Span low{2, 18, 8, 24}, high{13, 29, 0, 13}, overlap{13, 18, 8, 13};
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
      {1000, 900, -200, {low, high}, {}, {{0, 0, 600, 600, 0}, {400, 400, 1000, 1000, 0}}},
      {1000, 900, -200, {low, high}, {overlap}, {{0, 0, 600, 600, 0}, {400, 400, 1000, 1000, 1}}},
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

class CurveSampler {
 public:
  // Cell positions along a cubic given in font units, at the default fit.
  void addCubic(Point p0, Point p1, Point p2, Point p3) {
    for (int i = 0; i <= 1000; ++i) {
      double t = i / 1000.0, u = 1 - t;
      double x = u * u * u * p0.x + 3 * u * u * t * p1.x + 3 * u * t * t * p2.x + t * t * t * p3.x;
      double y = u * u * u * p0.y + 3 * u * u * t * p1.y + 3 * u * t * t * p2.y + t * t * t * p3.y;
      samples_.push_back({kOriginX + x * kScale, kOriginY - y * kScale});
    }
  }
  // Both images follow the curve to within a fraction of a pixel, so pixels whose centres are
  // closer than 0.1 to it may differ; all others must match. Returns the ink counted in `a`.
  int expectSameAwayFromCurve(const Thumbnail& a, const Thumbnail& b) const {
    int inked = 0;
    for (int row = 0; row < 31; ++row) {
      for (int c = 0; c < 32; ++c) {
        if (near(c, row, 0.1)) continue;
        EXPECT_EQ(ink(a, c, row), ink(b, c, row)) << "pixel " << c << ", " << row;
        inked += ink(a, c, row);
      }
    }
    return inked;
  }

 private:
  bool near(int column, int row, double distance) const {
    for (auto [x, y] : samples_)
      if (std::hypot(column + 0.5 - x, row + 0.5 - y) < distance) return true;
    return false;
  }

  std::vector<std::pair<double, double>> samples_;
};

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
  Thumbnail t = makeThumbnail(g, kAscender, kDescender);
  std::string a = art(t);
  auto row = [&](int r) { return a.substr(r * 33, 32); };
  for (int r = 0; r <= 2; ++r) EXPECT_EQ(row(r), std::string(32, '.')) << "row " << r;
  EXPECT_EQ(row(3), "............########............");
  EXPECT_EQ(row(4), "..........############..........");
  EXPECT_EQ(row(24), "..############################..");
  for (int r = 25; r <= 30; ++r) EXPECT_EQ(row(r), std::string(32, '.')) << "row " << r;
}

TEST_F(ThumbnailCurves, CircleShowsNoFacets) {
  // Radius 500 around (500, 350): cell centre (16.09, 15.14), radius 14.09 pixels. Every
  // pixel whose centre is clearly inside or outside must be drawn so.
  Glyph g = glyphWithAdvance(1000);
  const int k = 276;  // 0.5523 of the radius: the usual cubic quarter circle
  g.appendNode(Node::move(pt(1000, 350)));
  g.appendNode(Node::curve(pt(500, 850), pt(1000, 350 + k), pt(500 + k, 850)));
  g.appendNode(Node::curve(pt(0, 350), pt(500 - k, 850), pt(0, 350 + k)));
  g.appendNode(Node::curve(pt(500, -150), pt(0, 350 - k), pt(500 - k, -150)));
  g.appendNode(Node::curve(pt(1000, 350), pt(500 + k, -150), pt(1000, 350 - k)));
  Thumbnail t = makeThumbnail(g, kAscender, kDescender);
  const double cx = kOriginX + 500 * kScale, cy = kOriginY - 350 * kScale, r = 500 * kScale;
  int compared = 0;
  for (int row = 0; row < 31; ++row) {
    for (int c = 0; c < 32; ++c) {
      double d = std::hypot(c + 0.5 - cx, row + 0.5 - cy);
      if (std::abs(d - r) < 0.15) continue;
      EXPECT_EQ(ink(t, c, row), d < r) << "pixel " << c << ", " << row;
      ++compared;
    }
  }
  EXPECT_GT(compared, 31 * 32 - 60);
}

TEST_F(ThumbnailCurves, QuadraticOutlineFillsLikeItsCubicEquivalent) {
  // The quadratic (900, 0) (900, 900) (0, 900) is the cubic with controls two thirds of the
  // way to its control point: (900, 600) and (600, 900).
  Glyph quad = glyphWithAdvance(1000);
  quad.appendNode(Node::move(pt(0, 0)));
  quad.appendNode(Node::line(pt(900, 0)));
  quad.appendNode(Node::offCurve(pt(900, 900)));
  quad.appendNode(Node::line(pt(0, 900)));
  Glyph cubic = glyphWithAdvance(1000);
  cubic.appendNode(Node::move(pt(0, 0)));
  cubic.appendNode(Node::line(pt(900, 0)));
  cubic.appendNode(Node::curve(pt(0, 900), pt(900, 600), pt(600, 900)));

  CurveSampler curve;
  curve.addCubic(pt(900, 0), pt(900, 600), pt(600, 900), pt(0, 900));
  int inked = curve.expectSameAwayFromCurve(makeThumbnail(quad, kAscender, kDescender),
                                            makeThumbnail(cubic, kAscender, kDescender));
  EXPECT_GT(inked, 400);  // about 536 pixels in all
}

TEST_F(ThumbnailCurves, ImpliedMidpointsFillLikeCubics) {
  // Four off-curve points around a 600-unit square; the implied on-curve points are the
  // side midpoints. Each quadratic piece becomes a cubic as above.
  Glyph quad = glyphWithAdvance(1000);
  quad.appendNode(Node::move(pt(300, 0)));
  quad.appendNode(Node::offCurve(pt(600, 0)));
  quad.appendNode(Node::offCurve(pt(600, 600)));
  quad.appendNode(Node::offCurve(pt(0, 600)));
  quad.appendNode(Node::offCurve(pt(0, 0)));
  Glyph cubic = glyphWithAdvance(1000);
  cubic.appendNode(Node::move(pt(300, 0)));
  cubic.appendNode(Node::curve(pt(600, 300), pt(500, 0), pt(600, 100)));
  cubic.appendNode(Node::curve(pt(300, 600), pt(600, 500), pt(500, 600)));
  cubic.appendNode(Node::curve(pt(0, 300), pt(100, 600), pt(0, 500)));
  cubic.appendNode(Node::curve(pt(300, 0), pt(0, 100), pt(100, 0)));

  Thumbnail a = makeThumbnail(quad, kAscender, kDescender);
  CurveSampler curve;
  curve.addCubic(pt(300, 0), pt(500, 0), pt(600, 100), pt(600, 300));
  curve.addCubic(pt(600, 300), pt(600, 500), pt(500, 600), pt(300, 600));
  curve.addCubic(pt(300, 600), pt(100, 600), pt(0, 500), pt(0, 300));
  curve.addCubic(pt(0, 300), pt(0, 100), pt(100, 0), pt(300, 0));
  int inked = curve.expectSameAwayFromCurve(a, makeThumbnail(cubic, kAscender, kDescender));
  // The rounded square (about 17 pixels across) is mostly ink: its middle pixel (x 10.45,
  // y 16.55 in the cell) surely is.
  EXPECT_TRUE(ink(a, 10, 16));
  EXPECT_GT(inked, 180);  // about 238 pixels in all
}

using ThumbnailExtremes = ThumbnailTest;

TEST_F(ThumbnailExtremes, HugeRectangleIsClippedToTheCell) {
  // Box -32767..32767 gives ox 16; the rectangle covers everything below the baseline.
  Glyph g = glyphWithAdvance(0);
  addRect(g, -32767, -32767, 32767, 0);
  EXPECT_EQ(draw(g), expected({{0, 31, 25, 30}}));
  EXPECT_EQ(draw(g, 0, 0), expected({{0, 31, 15, 30}}));  // oy 15 at s = 7
}

TEST_F(ThumbnailExtremes, HugeCircleTouchingTheBaselineFillsTheRowsAbove) {
  // Radius 16000 around (0, 16000) at s = 7: ox 16, oy 15. Within the cell (|x| < 2.3 units)
  // the circle stays within 0.001 pixel of the baseline.
  Glyph g = glyphWithAdvance(0);
  const int r = 16000, k = 8837;
  g.appendNode(Node::move(pt(0, 0)));
  g.appendNode(Node::curve(pt(r, r), pt(k, 0), pt(r, r - k)));
  g.appendNode(Node::curve(pt(0, 2 * r), pt(r, r + k), pt(k, 2 * r)));
  g.appendNode(Node::curve(pt(-r, r), pt(-k, 2 * r), pt(-r, r + k)));
  g.appendNode(Node::curve(pt(0, 0), pt(-r, r - k), pt(-k, 0)));
  EXPECT_EQ(draw(g, 0, 0), expected({{0, 31, 0, 14}}));
}

TEST_F(ThumbnailExtremes, CellInsideAHugeRingsHoleStaysBlank) {
  Glyph g = glyphWithAdvance(0);
  addRect(g, -32767, -32767, 32767, 32767);
  addRect(g, -32000, -32000, 32000, 32000, true);
  EXPECT_EQ(draw(g, 0, 0), expected({}));
  EXPECT_EQ(draw(g), expected({}));
}

TEST_F(ThumbnailExtremes, ContoursWithoutAreaLeaveTheCellBlank) {
  Glyph g = glyphWithAdvance(1000);
  g.appendNode(Node::move(pt(500, 500)));
  g.appendNode(Node::move(pt(100, 100)));
  g.appendNode(Node::curve(pt(100, 100), pt(100, 100), pt(100, 100)));
  g.appendNode(Node::move(pt(0, 300)));
  g.appendNode(Node::line(pt(1000, 300)));  // a needle, out and back
  g.appendNode(Node::move(pt(200, 700)));
  g.appendNode(Node::offCurve(pt(800, 700)));
  g.appendNode(Node::line(pt(200, 700)));
  EXPECT_EQ(makeThumbnail(g, kAscender, kDescender), kBlankThumbnail);
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
