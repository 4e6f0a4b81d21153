// Brush strokes as the area they paint: caps, joins, closed paths and the calligraphic nib,
// measured as the union of the stroke's contours, each filled with the non-zero rule.
#include "editor/paint_stroke.h"

#include <gtest/gtest.h>

#include <numbers>
#include <vector>

#include "support/outline_geometry.h"

namespace sorvella {
namespace {

Point pt(int x, int y) {
  return {static_cast<int16_t>(x), static_cast<int16_t>(y)};
}

// A brush 40 units wide.
class PaintStrokeTest : public ::testing::Test {
 protected:
  void paint(const std::vector<Point>& path, PaintCap cap, PaintJoin join = PaintJoin::kRound,
             BrushKind kind = BrushKind::kRound, int angle = 0) {
    stroke_ = test::flattenOutline(strokeOutline(path, {40, angle, kind, cap, join}), 64);
    area_ = test::compareFills({&stroke_}, {}, 0.25).areaA;
  }
  // Whether most of the unit square whose lower left corner is (x, y) is painted.
  bool ink(int x, int y) const {
    const auto square = test::flattenOutline(rectangleOutline(pt(x, y), pt(x + 1, y + 1)));
    const test::FillComparison c = test::compareFills({&stroke_}, square, 0.25);
    return c.difference < c.areaA;
  }

  std::vector<test::FlatPiece> stroke_;
  double area_ = 0;
};

TEST_F(PaintStrokeTest, CapsAddNothingHalfSquaresOrHalfDiscsPastTheEnds) {
  const double disc = std::numbers::pi * 20 * 20;
  for (auto [cap, extra] : {std::pair{PaintCap::kFlat, 0.0}, std::pair{PaintCap::kSquare, 1600.0},
                            std::pair{PaintCap::kRound, disc}}) {
    paint({pt(0, 0), pt(100, 0)}, cap);
    EXPECT_NEAR(area_, 100 * 40 + extra, 1 + extra * 0.01);
    EXPECT_EQ(ink(-19, 0), cap != PaintCap::kFlat);
    EXPECT_EQ(ink(-19, 18), cap == PaintCap::kSquare);
    paint({pt(5, 5)}, cap);  // a dot is the cap's whole shape
    EXPECT_NEAR(area_, cap == PaintCap::kSquare ? 1600 : extra, 12);
  }
}

// A right-angle turn at (100, 0), heading right then up: its outer corner is below right.
TEST_F(PaintStrokeTest, JoinsFillTheOuterCornerOfATurnAsTheirShapeSays) {
  struct {
    PaintJoin join;
    bool tip, nearCorner;
  } cases[] = {{PaintJoin::kRound, false, true},
               {PaintJoin::kBevel, false, false},
               {PaintJoin::kMiter, true, true}};
  for (const auto& c : cases) {
    paint({pt(0, 0), pt(100, 0), pt(100, 100)}, PaintCap::kFlat, c.join);
    EXPECT_EQ(ink(117, -18), c.tip);
    EXPECT_EQ(ink(105, -19), c.nearCorner);
    EXPECT_TRUE(ink(112, -6));
    EXPECT_FALSE(ink(121, -21));
  }
  EXPECT_NEAR(area_, 2 * 100 * 40 - 20 * 20 + 20 * 20, 1);  // the miter fills the corner square
  // Turning back almost on itself, the miter would reach far out: it is bevelled instead.
  paint({pt(-100, 0), pt(100, 0), pt(-100, 40)}, PaintCap::kFlat, PaintJoin::kMiter);
  EXPECT_FALSE(ink(125, 0));
}

TEST_F(PaintStrokeTest, APathBackAtItsStartIsJoinedThereNotCapped) {
  paint({pt(0, 0), pt(100, 0), pt(100, 100), pt(0, 100), pt(0, 0)}, PaintCap::kRound,
        PaintJoin::kMiter);
  EXPECT_NEAR(area_, 140 * 140 - 60 * 60, 1);
  EXPECT_TRUE(ink(-20, -20));
}

TEST_F(PaintStrokeTest, TheCalligraphicNibSweepsItsWidthAtItsAngleWithoutCaps) {
  paint({pt(0, 0), pt(100, 0)}, PaintCap::kSquare, PaintJoin::kRound, BrushKind::kCalligraphic, 90);
  EXPECT_NEAR(area_, 100 * 40, 1);
  paint({pt(0, 0), pt(100, 0)}, PaintCap::kRound, PaintJoin::kRound, BrushKind::kCalligraphic, 30);
  EXPECT_NEAR(area_, 100 * 40 / 2, 1);  // the nib's upright part, 40 x sin 30
  EXPECT_TRUE(ink(-16, -10) && ink(115, 9));
  EXPECT_FALSE(ink(-17, 8));
  EXPECT_TRUE(strokeOutline(std::vector{pt(0, 0), pt(100, 0)},
                            {40, 0, BrushKind::kCalligraphic, PaintCap::kRound})
                  .empty());
}

}  // namespace
}  // namespace sorvella
