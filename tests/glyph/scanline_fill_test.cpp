// Filling paths into a one-bit cell: which pixels are ink, the winding rule, clipping, curves
// and the packed row format. Holes, a reset between cells and the bit order are also seen in
// the thumbnail tests, which draw through this fill.
#include "glyph/scanline_fill.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "support/bit_art.h"

namespace sorvella {
namespace {

using test::PixelSpan;

class ScanlineFillTest : public ::testing::Test {
 protected:
  void SetUp() override { fill.reset(kWidth, kHeight); }

  void rect(double x0, double y0, double x1, double y1, bool clockwise = true) {
    fill.moveTo(x0, y0);
    if (clockwise) {
      fill.lineTo(x1, y0);
      fill.lineTo(x1, y1);
      fill.lineTo(x0, y1);
    } else {
      fill.lineTo(x0, y1);
      fill.lineTo(x1, y1);
      fill.lineTo(x1, y0);
    }
    fill.closePath();
  }

  std::string art() {
    std::vector<uint8_t> bits(kRowBytes * kHeight, 0xAA);
    EXPECT_TRUE(fill.packRows(bits, kRowBytes));
    return test::bitArt(bits, kWidth, kHeight, kRowBytes, true);
  }

  static std::string expected(std::initializer_list<PixelSpan> ink) {
    return test::spanArt(kWidth, kHeight, ink);
  }

  static constexpr int kWidth = 20;
  static constexpr int kHeight = 12;
  static constexpr std::size_t kRowBytes = 3;
  ScanlineFill fill;
};

using PixelCentreRule = ScanlineFillTest;

TEST_F(PixelCentreRule, CentresOnLeftAndTopEdgesAreInsideOnRightAndBottomOutside) {
  // Centres 2.5 and 4.5 lie on the vertical edges, 1.5 and 3.5 on the horizontal ones.
  rect(2.5, 1.5, 4.5, 3.5);
  EXPECT_EQ(art(), expected({{2, 3, 1, 2}}));
}

TEST_F(PixelCentreRule, AbuttingShapesNeitherOverlapNorLeaveAGap) {
  // Drawn in opposite directions, a shared pixel would cancel to background.
  rect(0.5, 0.5, 3.5, 2.5, true);
  rect(3.5, 0.5, 6.5, 2.5, false);
  EXPECT_EQ(art(), expected({{0, 5, 0, 1}}));
}

using NonZeroWinding = ScanlineFillTest;

TEST_F(NonZeroWinding, PathWoundTwiceStaysInk) {
  fill.moveTo(1, 1);
  for (int turn = 0; turn < 2; ++turn) {
    fill.lineTo(5, 1);
    fill.lineTo(5, 5);
    fill.lineTo(1, 5);
    fill.lineTo(1, 1);
  }
  EXPECT_EQ(art(), expected({{1, 4, 1, 4}}));
}

using Clipping = ScanlineFillTest;

TEST_F(Clipping, ShapeReachingFarLeftIsCutAtTheSide) {
  rect(-1e12, 2, 7.2, 5);
  EXPECT_EQ(art(), expected({{0, 6, 2, 4}}));
}

TEST_F(Clipping, ShapesBesideTheCellLeaveItBlank) {
  rect(-50, 2, -1, 5);        // left
  rect(kWidth, 2, 1e9, 5);    // right
  rect(2, -1e9, 9, 0);        // above
  rect(2, kHeight, 9, 1e15);  // below
  EXPECT_EQ(art(), expected({}));
}

TEST_F(Clipping, FarReachingCurveCrossesTheCellAccurately) {
  // y = 10 + x^2 / L: within the cell it stays between 10 and 10.001.
  const double L = 1e6;
  fill.moveTo(-L, 10 + L);
  fill.quadTo(0, 10 - L, L, 10 + L);
  fill.lineTo(L, -L);
  fill.lineTo(-L, -L);
  fill.closePath();
  EXPECT_EQ(art(), expected({{0, kWidth - 1, 0, 9}}));
}

using CurveFlattening = ScanlineFillTest;

TEST_F(CurveFlattening, DiscFollowsTheTrueCircle) {
  // Four cubic quarter arcs; pixels clearly inside or outside must match the circle.
  fill.reset(32, 32);
  const double cx = 15.7, cy = 16.2, r = 14.3, k = 0.5522847498 * r;
  fill.moveTo(cx + r, cy);
  fill.cubicTo(cx + r, cy + k, cx + k, cy + r, cx, cy + r);
  fill.cubicTo(cx - k, cy + r, cx - r, cy + k, cx - r, cy);
  fill.cubicTo(cx - r, cy - k, cx - k, cy - r, cx, cy - r);
  fill.cubicTo(cx + k, cy - r, cx + r, cy - k, cx + r, cy);
  std::vector<uint8_t> bits(4 * 32);
  ASSERT_TRUE(fill.packRows(bits, 4));
  int compared = 0;
  for (int row = 0; row < 32; ++row) {
    for (int c = 0; c < 32; ++c) {
      double d = std::hypot(c + 0.5 - cx, row + 0.5 - cy);
      if (std::abs(d - r) < 0.1) continue;
      bool ink = (bits[row * 4 + c / 8] >> (7 - c % 8)) & 1;
      EXPECT_EQ(ink, d < r) << "pixel " << c << ", " << row;
      ++compared;
    }
  }
  EXPECT_GT(compared, 32 * 32 - 60);
}

TEST_F(CurveFlattening, DegenerateCurvesDrawNothing) {
  fill.moveTo(5, 5);
  fill.cubicTo(5, 5, 5, 5, 5, 5);
  fill.quadTo(5, 5, 5, 5);
  fill.cubicTo(9, 5, 1, 5, 5, 5);  // folds back on a horizontal line
  fill.closePath();
  EXPECT_EQ(art(), expected({}));
}

using PathState = ScanlineFillTest;

TEST_F(PathState, OpenSubpathIsClosedWhenRead) {
  fill.moveTo(1, 1);
  fill.lineTo(6, 1);
  fill.lineTo(6, 4);
  fill.lineTo(1, 4);
  EXPECT_EQ(art(), expected({{1, 5, 1, 3}}));
}

TEST_F(PathState, MoveClosesThePreviousSubpath) {
  fill.moveTo(1, 1);
  fill.lineTo(4, 1);
  fill.lineTo(4, 4);
  fill.lineTo(1, 4);
  rect(10, 5, 12, 7);
  EXPECT_EQ(art(), expected({{1, 3, 1, 3}, {10, 11, 5, 6}}));
}

TEST_F(PathState, InfiniteCoordinatesActAsVeryFarOnes) {
  const double inf = std::numeric_limits<double>::infinity();
  rect(-inf, 2, 7.2, 5);
  // A bulge out to the right, closed by the line from (15, 10) back to (10, 8), which
  // crosses row centre 8.5 at x = 11.25 and 9.5 at x = 13.75.
  fill.moveTo(10, 8);
  fill.cubicTo(inf, 8, inf, 10, 15, 10);
  fill.closePath();
  // A bulge out to the left, closed by the line x = 5.
  fill.moveTo(5, 8);
  fill.quadTo(-inf, 9, 5, 10);
  EXPECT_EQ(art(),
            expected({{0, 6, 2, 4}, {11, kWidth - 1, 8, 8}, {14, kWidth - 1, 9, 9}, {0, 4, 8, 9}}));
}

TEST_F(PathState, NanCoordinatesReadAsZero) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  rect(nan, nan, 4, 3);
  EXPECT_EQ(art(), expected({{0, 3, 0, 2}}));
}

using PackedRows = ScanlineFillTest;

TEST_F(PackedRows, BitsPastTheWidthAndSpareBytesAreClear) {
  fill.reset(10, 2);
  rect(-1, -1, 11, 3);
  std::vector<uint8_t> bits(6, 0x55);
  ASSERT_TRUE(fill.packRows(bits, 3));
  EXPECT_EQ(bits, (std::vector<uint8_t>{0xFF, 0xC0, 0x00, 0xFF, 0xC0, 0x00}));
}

TEST_F(PackedRows, TooSmallBufferOrRowIsRefusedUntouched) {
  rect(0, 0, kWidth, kHeight);
  std::vector<uint8_t> shortBuffer(kRowBytes * kHeight - 1, 0x5A);
  EXPECT_FALSE(fill.packRows(shortBuffer, kRowBytes));
  EXPECT_EQ(shortBuffer, std::vector<uint8_t>(kRowBytes * kHeight - 1, 0x5A));
  std::vector<uint8_t> narrowRows(100, 0x5A);
  EXPECT_FALSE(fill.packRows(narrowRows, 2));  // 20 pixels need 3 bytes
  EXPECT_EQ(narrowRows, std::vector<uint8_t>(100, 0x5A));
  EXPECT_FALSE(fill.packRows(narrowRows, std::numeric_limits<std::size_t>::max()));
}

TEST_F(PackedRows, EmptyAndNegativeSizesGiveAnEmptyCell) {
  fill.reset(-5, 7);
  rect(0, 0, 10, 10);
  std::vector<uint8_t> none;
  EXPECT_TRUE(fill.packRows(none, 0));
  EXPECT_EQ(fill.width(), 0);
  fill.reset(8, -1);
  EXPECT_EQ(fill.height(), 0);
  EXPECT_TRUE(fill.packRows(none, 1));
}

}  // namespace
}  // namespace sorvella
