// Brush strokes as the area they paint: caps, joins, closed paths and the calligraphic nib,
// measured by filling the stroke's contours with the non-zero rule at one pixel per unit.
#include "editor/paint_stroke.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <numbers>
#include <vector>

#include "glyph/scanline_fill.h"

namespace sorvella {
namespace {

Point pt(int x, int y) {
  return {static_cast<int16_t>(x), static_cast<int16_t>(y)};
}

// Font units -300 ... 300 on both axes, one pixel per unit.
class PaintStrokeTest : public ::testing::Test {
 protected:
  static constexpr int kSize = 600;
  static constexpr int kOrigin = 300;

  void fill(const Outline& o) {
    ScanlineFill f;
    f.reset(kSize, kSize);
    auto px = [](Point p) { return std::pair{double(p.x + kOrigin), double(kOrigin - p.y)}; };
    for (int i = 0; i < o.nodeCount(); ++i) {
      const auto [x, y] = px(o.point(i));
      if (o.type(i) == node_type::kMove) {
        f.moveTo(x, y);
      } else if (o.type(i) == node_type::kCurve) {
        const auto [x1, y1] = px(o.point(i, 1));
        const auto [x2, y2] = px(o.point(i, 2));
        f.cubicTo(x1, y1, x2, y2, x, y);
      } else {
        f.lineTo(x, y);
      }
    }
    rows_.assign(kSize * kRowBytes, 0);
    ASSERT_TRUE(f.packRows(rows_, kRowBytes));
  }
  // Whether the unit square whose lower left corner is (x, y) is painted.
  bool ink(int x, int y) const {
    const int c = x + kOrigin, r = kOrigin - y - 1;
    return (rows_[r * kRowBytes + c / 8] >> (7 - c % 8)) & 1;
  }
  long area() const {
    long n = 0;
    for (uint8_t b : rows_) n += std::popcount(b);
    return n;
  }
  long areaOf(std::span<const Point> path, const PaintOptions& brush) {
    fill(strokeOutline(path, brush));
    return area();
  }
  static PaintOptions brush(int width, PaintCap cap, PaintJoin join = PaintJoin::kRound) {
    PaintOptions b;
    b.width = width;
    b.cap = cap;
    b.join = join;
    return b;
  }

  static constexpr int kRowBytes = kSize / 8;
  std::vector<uint8_t> rows_;
};

TEST_F(PaintStrokeTest, CapsAddNothingHalfDiscsOrHalfSquaresPastTheEnds) {
  const Point line[] = {pt(0, 0), pt(100, 0)};
  const double discs = std::numbers::pi * 20 * 20;
  EXPECT_EQ(areaOf(line, brush(40, PaintCap::kFlat)), 100 * 40);
  EXPECT_FALSE(ink(-1, 0));
  EXPECT_EQ(areaOf(line, brush(40, PaintCap::kSquare)), 100 * 40 + 40 * 40);
  EXPECT_TRUE(ink(-20, -20));
  EXPECT_NEAR(areaOf(line, brush(40, PaintCap::kRound)), 100 * 40 + discs, discs * 0.01);
  EXPECT_TRUE(ink(-19, 0));
  EXPECT_FALSE(ink(-19, 18));  // the corner a square cap would fill
  // The same holds along a slanted line.
  const Point slant[] = {pt(0, 0), pt(60, 80)};
  EXPECT_NEAR(areaOf(slant, brush(40, PaintCap::kFlat)), 100 * 40, 40);
  EXPECT_NEAR(areaOf(slant, brush(40, PaintCap::kSquare)), 100 * 40 + 40 * 40, 60);
}

TEST_F(PaintStrokeTest, ASinglePointIsADiscOrSquareAndNothingFlat) {
  const Point dot[] = {pt(5, 5), pt(5, 5)};
  EXPECT_NEAR(areaOf(dot, brush(40, PaintCap::kRound)), std::numbers::pi * 400, 12);
  EXPECT_EQ(areaOf(dot, brush(40, PaintCap::kSquare)), 40 * 40);
  EXPECT_TRUE(ink(-15, -15));
  EXPECT_TRUE(strokeOutline(dot, brush(40, PaintCap::kFlat)).empty());
  EXPECT_TRUE(strokeOutline(dot, brush(0, PaintCap::kSquare)).empty());
  EXPECT_TRUE(strokeOutline({}, brush(40, PaintCap::kRound)).empty());
}

// A right-angle turn at (100, 0), heading right then up: its outer corner is below right.
TEST_F(PaintStrokeTest, JoinsFillTheOuterCornerOfATurnAsTheirShapeSays) {
  const Point turn[] = {pt(0, 0), pt(100, 0), pt(100, 100)};
  struct Case {
    PaintJoin join;
    bool tip, nearCorner, middle;
  } cases[] = {
      {PaintJoin::kMiter, true, true, true},
      {PaintJoin::kRound, false, true, true},
      {PaintJoin::kBevel, false, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.join));
    fill(strokeOutline(turn, brush(40, PaintCap::kFlat, c.join)));
    EXPECT_EQ(ink(117, -18), c.tip);
    EXPECT_EQ(ink(105, -19), c.nearCorner);
    EXPECT_EQ(ink(112, -6), c.middle);
    EXPECT_TRUE(ink(85, 15));  // inside the turn, painted by both pieces
    EXPECT_FALSE(ink(121, -21));
  }
  // Two 100 x 40 bands less their 20 x 20 overlap, and the 20 x 20 miter square.
  EXPECT_EQ(areaOf(turn, brush(40, PaintCap::kFlat, PaintJoin::kMiter)),
            2 * 100 * 40 - 20 * 20 + 20 * 20);
}

TEST_F(PaintStrokeTest, ASharpTurnsMiterFallsBackToABevel) {
  const Point hairpin[] = {pt(-100, 0), pt(100, 0), pt(-100, 20)};
  fill(strokeOutline(hairpin, brush(20, PaintCap::kFlat, PaintJoin::kMiter)));
  for (int x = 111; x < 300; ++x)
    for (int y = -40; y < 60; ++y) ASSERT_FALSE(ink(x, y)) << x << ", " << y;
  EXPECT_TRUE(ink(99, -5));
}

TEST_F(PaintStrokeTest, APathBackAtItsStartIsJoinedThereNotCapped) {
  const Point square[] = {pt(0, 0), pt(100, 0), pt(100, 100), pt(0, 100), pt(0, 0)};
  // The mitered ring is 140 x 140 less the 60 x 60 hole, its start corner as full as the others.
  EXPECT_EQ(areaOf(square, brush(40, PaintCap::kRound, PaintJoin::kMiter)), 140 * 140 - 60 * 60);
  EXPECT_TRUE(ink(-20, -20));
  EXPECT_FALSE(ink(50, 50));
}

TEST_F(PaintStrokeTest, TheCalligraphicNibSweepsItsWidthAtItsAngle) {
  const Point across[] = {pt(0, 0), pt(100, 0)};
  PaintOptions nib = brush(40, PaintCap::kRound);
  nib.kind = BrushKind::kCalligraphic;
  nib.angle = 90;  // across the stroke: the full width, no caps
  EXPECT_EQ(areaOf(across, nib), 100 * 40);
  EXPECT_FALSE(ink(-1, 0));
  nib.angle = 30;  // the nib's upright part, 40 x sin 30, is what the stroke is wide
  EXPECT_EQ(areaOf(across, nib), 100 * 20);
  EXPECT_TRUE(ink(-16, -10));
  EXPECT_TRUE(ink(115, 9));
  EXPECT_FALSE(ink(-17, 8));
  nib.angle = 0;  // along the stroke: a hairline with no area
  EXPECT_TRUE(strokeOutline(across, nib).empty());
  const Point down[] = {pt(0, 100), pt(0, 0)};
  EXPECT_EQ(areaOf(down, nib), 100 * 40);
  // Caps and joins belong to the round nib alone.
  const Point turn[] = {pt(0, 0), pt(100, 0), pt(100, 100)};
  nib.angle = 45;
  const long swept = areaOf(turn, nib);
  nib.cap = PaintCap::kSquare;
  nib.join = PaintJoin::kMiter;
  EXPECT_EQ(areaOf(turn, nib), swept);
}

}  // namespace
}  // namespace sorvella
