// Change weight and Create outline on small glyphs whose results are known: squares grown,
// thinned, rounded and scaled back, outline bands, offset arcs that stay arcs, and the raw
// offset contours kept (and told) when the overlap engine fails.
#include "outline/weight_outline.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "glyph/outline_pen.h"
#include "outline/contour_offsetter.h"
#include "support/outline_geometry.h"
#include "support/path_glyph.h"

namespace sorvella {
namespace {

// Counter-clockwise, away from the origin so that scaling about the origin would show.
constexpr char kSquare[] = "M 100 100 L 200 100 L 200 200 L 100 200";
// A ring: the square with a clockwise hole 140..160.
constexpr char kRing[] =
    "M 100 100 L 200 100 L 200 200 L 100 200 M 140 140 L 140 160 L 160 160 L 160 140";
// A circle of radius 100 about (300, 300) in four counter-clockwise arcs.
constexpr char kCircle[] =
    "M 400 300 C 400 355 355 400 300 400 C 245 400 200 355 200 300 "
    "C 200 245 245 200 300 200 C 355 200 400 245 400 300";

Box controlBox(const Outline& o) {
  Box b;
  o.widenControlBox(0, b);
  return b;
}

int countType(const Outline& o, uint8_t type) {
  int n = 0;
  for (int i = 0; i < o.nodeCount(); ++i) n += o.type(i) == type;
  return n;
}

double filledArea(const Outline& o) {
  double area = 0;
  for (double a : test::contourAreas(test::flattenOutline(o))) area += a / 2;
  return area;
}

// Largest distance of the flattened outline's points from the circle about c with radius r.
double worstRadialError(const Outline& o, double cx, double cy, double r) {
  double worst = 0;
  for (const test::FlatPiece& p : test::flattenOutline(o, 64))
    worst = std::max(worst, std::abs(std::hypot(p.x0 - cx, p.y0 - cy) - r));
  return worst;
}

struct WeightCase {
  const char* name;
  WeightParameters parameters;
  Box box;
  int curves;
};

class ChangeWeightSquareTest : public ::testing::TestWithParam<WeightCase> {};

TEST_P(ChangeWeightSquareTest, GivesTheExpectedBoxAndCorners) {
  Glyph glyph = test::pathGlyph(kSquare);
  const OffsetResult result = changeWeight(glyph, GetParam().parameters);
  EXPECT_EQ(result.outcome, OffsetOutcome::kMerged);
  EXPECT_EQ(controlBox(glyph), GetParam().box);
  EXPECT_EQ(glyph.contourCount(), 1);
  EXPECT_EQ(countType(glyph, node_type::kCurve), GetParam().curves);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChangeWeightSquareTest,
    ::testing::Values(
        WeightCase{"GrownSharp", {10, 10, false, false}, {90, 90, 210, 210}, 0},
        WeightCase{"GrownRounded", {10, 10, false, true}, {90, 90, 210, 210}, 4},
        WeightCase{"ScaledBack", {10, 10, true, false}, {100, 100, 200, 200}, 0},
        WeightCase{"ScaledBackRounded", {10, 10, true, true}, {100, 100, 200, 200}, 4},
        WeightCase{"WiderThanTall", {20, 5, false, false}, {80, 95, 220, 205}, 0},
        // Rounded corners are ignored when a weight is not positive.
        WeightCase{"Thinned", {-10, -10, false, true}, {110, 110, 190, 190}, 0},
        WeightCase{"ThinnedHorizontally", {-10, 10, false, true}, {110, 90, 190, 210}, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ChangeWeightCornerTest, RoundedCornerLegsAreTheOffsetTimesTheArcFactor) {
  Glyph glyph = test::pathGlyph(kSquare);
  changeWeight(glyph, {10, 10, false, true});
  int curves = 0;
  for (int i = 0; i < glyph.nodeCount(); ++i) {
    if (glyph.type(i) != node_type::kCurve) continue;
    ++curves;
    const int prev = i == 0 ? glyph.contourEnd(i) : i - 1;
    const Point start = glyph.point(prev), c1 = glyph.point(i, 1), c2 = glyph.point(i, 2);
    const Point end = glyph.point(i);
    EXPECT_NEAR(std::hypot(c1.x - start.x, c1.y - start.y), 6, 1e-9);
    EXPECT_NEAR(std::hypot(end.x - c2.x, end.y - c2.y), 6, 1e-9);
    // A quarter turn about the square's corner, 10 units out.
    EXPECT_EQ(std::abs(end.x - start.x), 10);
    EXPECT_EQ(std::abs(end.y - start.y), 10);
  }
  EXPECT_EQ(curves, 4);
}

TEST(ChangeWeightCornerTest, SaveDimensionsKeepsTheBoxOfAGlyphAwayFromTheOrigin) {
  Glyph glyph = test::pathGlyph("M 100 0 L 600 0 L 600 300 L 100 300");
  changeWeight(glyph, {20, 20, true, false});
  EXPECT_EQ(controlBox(glyph), (Box{100, 0, 600, 300}));
}

TEST(ChangeWeightCornerTest, ClockwiseOutlinesGrowToo) {
  // The ring drawn the other way round, as TrueType draws outlines.
  Glyph glyph = test::pathGlyph(
      "M 100 100 L 100 200 L 200 200 L 200 100 M 140 140 L 160 140 L 160 160 L 140 160");
  changeWeight(glyph, {5, 5, false, false});
  EXPECT_EQ(controlBox(glyph), (Box{95, 95, 205, 205}));
  EXPECT_NEAR(std::abs(filledArea(glyph)), 110.0 * 110 - 10 * 10, 1e-6);
}

TEST(ChangeWeightCornerTest, HolesShrinkWhileTheOuterContourGrows) {
  Glyph glyph = test::pathGlyph(kRing);
  const double before = filledArea(glyph);
  changeWeight(glyph, {5, 5, false, false});
  ASSERT_EQ(glyph.contourCount(), 2);
  // Outer 110 x 110 less a 10 x 10 hole.
  EXPECT_NEAR(filledArea(glyph), 110.0 * 110 - 10 * 10, 1e-6);
  EXPECT_GT(filledArea(glyph), before);
}

TEST(ChangeWeightCornerTest, StrokesThickerThanTheirCounterCloseIt) {
  Glyph glyph = test::pathGlyph(kRing);
  changeWeight(glyph, {15, 15, false, false});
  EXPECT_EQ(glyph.contourCount(), 1);
  EXPECT_NEAR(filledArea(glyph), 130.0 * 130, 1e-6);
}

TEST(ChangeWeightCornerTest, StrokesThinnerThanTwiceTheWeightVanish) {
  // A bar 30 high and a square 100 high: the bar's offset turns inside out.
  Glyph glyph =
      test::pathGlyph("M 0 0 L 300 0 L 300 30 L 0 30 M 400 0 L 500 0 L 500 100 L 400 100");
  changeWeight(glyph, {-20, -20, false, false});
  EXPECT_EQ(glyph.contourCount(), 1);
  EXPECT_EQ(controlBox(glyph), (Box{420, 20, 480, 80}));
}

TEST(PositiveFillTest, OnlyCounterClockwiseWindingIsFilled) {
  // A figure eight: the left lobe counter-clockwise, the right one clockwise.
  const Glyph eight = test::pathGlyph("M 0 0 L 200 100 L 200 0 L 0 100");
  auto kept = [&](uint16_t mode) {
    OverlapEngine engine;
    eight.enumerate(engine, 0);
    EXPECT_EQ(engine.run(mode), OverlapStatus::kOk);
    Outline result(1);
    OutlineBuilder builder(result);
    engine.writeResult(builder);
    return result;
  };
  EXPECT_EQ(kept(overlap_mode::kCorrectOrientation).contourCount(), 2);
  const Outline positive = kept(overlap_mode::kCorrectOrientation | overlap_mode::kPositiveFill);
  EXPECT_EQ(positive.contourCount(), 1);
  EXPECT_EQ(controlBox(positive), (Box{0, 0, 100, 100}));
}

class OffsetArcTest : public ::testing::Test {
 protected:
  // A quarter disc of radius 100: along the x axis, the arc, down the y axis.
  Glyph quarter_ = test::pathGlyph("M 0 0 L 100 0 C 100 55 55 100 0 100");
};

TEST_F(OffsetArcTest, OffsetQuarterCircleStaysOnTheLargerArc) {
  // Round joins leave the curve's ends where the offset puts them.
  const Outline offset = ContourOffsetter(10, 10, JoinMode::kRound).offset(quarter_);
  int curve = -1;
  for (int i = 1; i < offset.nodeCount(); ++i)
    if (offset.type(i) == node_type::kCurve && offset.point(i - 1) == Point{110, 0}) curve = i;
  ASSERT_GE(curve, 1);
  EXPECT_EQ(offset.point(curve), (Point{0, 110}));
  // Sample the offset curve alone against the radius-110 arc.
  Outline arc(1);
  arc.appendNode(Node::move(offset.point(curve - 1)));
  arc.appendNode(offset.node(curve));
  double worst = 0;
  for (const test::FlatPiece& p : test::flattenOutline(arc, 64))
    if (p.segment == 0) worst = std::max(worst, std::abs(std::hypot(p.x0, p.y0) - 110));
  EXPECT_LT(worst, 2.0);
}

TEST_F(OffsetArcTest, CircleGrowsRoundNotSquare) {
  Glyph circle = test::pathGlyph(kCircle);
  changeWeight(circle, {10, 10, false, true});
  EXPECT_LT(worstRadialError(circle, 300, 300, 110), 2.0);
  Glyph thinner = test::pathGlyph(kCircle);
  changeWeight(thinner, {-10, -10, false, false});
  EXPECT_LT(worstRadialError(thinner, 300, 300, 90), 2.0);
}

TEST_F(OffsetArcTest, QuadraticContoursAreOffsetLikeTheirCubics) {
  // The quarter arc as a quadratic piece.
  Glyph quadratic = test::pathGlyph("M 0 0 L 100 0 O 100 100 L 0 100");
  const Outline offset = ContourOffsetter(10, 10, JoinMode::kMiterOrSquare).offset(quadratic);
  EXPECT_EQ(countType(offset, node_type::kOffCurve), 0);
  EXPECT_EQ(countType(offset, node_type::kCurve), 1);
  EXPECT_EQ(controlBox(offset), (Box{-10, -10, 110, 110}));
}

class CreateOutlineTest : public ::testing::Test {};

TEST_F(CreateOutlineTest, FilledSquareBecomesABandOfTwoContours) {
  Glyph glyph = test::pathGlyph(kSquare);
  const OffsetResult result = createOutline(glyph, {10, 10, false, false});
  EXPECT_EQ(result.outcome, OffsetOutcome::kMerged);
  ASSERT_EQ(glyph.contourCount(), 2);
  const std::vector<double> areas = test::contourAreas(test::flattenOutline(glyph));
  ASSERT_EQ(areas.size(), 2u);
  // First the input reversed, then the grown square.
  EXPECT_NEAR(areas[0], -2 * 100.0 * 100, 1e-6);
  EXPECT_NEAR(areas[1], 2 * 120.0 * 120, 1e-6);
  EXPECT_NEAR(filledArea(glyph), 120.0 * 120 - 100 * 100, 1e-6);
}

TEST_F(CreateOutlineTest, RingKeepsItsContoursReversedInReverseOrder) {
  Glyph glyph = test::pathGlyph(kRing);
  createOutline(glyph, {5, 5, false, false});
  const std::vector<double> areas = test::contourAreas(test::flattenOutline(glyph));
  ASSERT_EQ(areas.size(), 4u);
  EXPECT_NEAR(areas[0], 2 * 20.0 * 20, 1e-6);     // the hole, now counter-clockwise
  EXPECT_NEAR(areas[1], -2 * 100.0 * 100, 1e-6);  // the outer contour, now clockwise
}

class OffsetFailureTest : public ::testing::Test {};

TEST_F(OffsetFailureTest, EngineFailureKeepsTheRawOffsetContoursAndSaysSo) {
  Glyph glyph = test::pathGlyph(kRing);
  OverlapLimits tiny;
  tiny.workBudget = 1;
  const OffsetResult result = changeWeight(glyph, {5, 5, false, false}, tiny);
  EXPECT_EQ(result.outcome, OffsetOutcome::kRawOffset);
  EXPECT_NE(result.engineStatus, OverlapStatus::kOk);
  EXPECT_TRUE(result.changed());
  EXPECT_EQ(glyph.contourCount(), 2);
  EXPECT_EQ(controlBox(glyph), (Box{95, 95, 205, 205}));
}

TEST_F(OffsetFailureTest, GlyphsThatCannotBeOffsetAreLeftAlone) {
  Glyph empty;
  EXPECT_EQ(changeWeight(empty, {10, 10, true, false}).outcome, OffsetOutcome::kNoNodes);
  Glyph twoMasters(2);
  twoMasters.appendNode(Node::move({0, 0}, 2));
  twoMasters.appendNode(Node::line({100, 0}, 2));
  twoMasters.appendNode(Node::line({0, 100}, 2));
  const Glyph before = twoMasters;
  EXPECT_EQ(createOutline(twoMasters, {10, 10, true, false}).outcome,
            OffsetOutcome::kSeveralMasters);
  EXPECT_TRUE(twoMasters.sameContent(before));
}

TEST_F(OffsetFailureTest, FarOffsetsSaturateInsteadOfWrapping) {
  Glyph glyph = test::pathGlyph("M 32000 32000 L 32700 32000 L 32700 32700 L 32000 32700");
  const OffsetResult result = changeWeight(glyph, {200, 200, false, true});
  EXPECT_TRUE(result.changed());
  const Box box = controlBox(glyph);
  EXPECT_EQ(box.xMax, 32767);
  EXPECT_EQ(box.xMin, 31800);
}

}  // namespace
}  // namespace sorvella
