// Change weight and Create outline on small glyphs whose results are known: squares grown,
// thinned, rounded and scaled back, outline bands, offset arcs that stay arcs, and the raw
// offset contours kept (and told) when the overlap engine fails.
#include "outline/weight_outline.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "outline/contour_offsetter.h"
#include "support/outline_geometry.h"
#include "support/path_glyph.h"

namespace sorvella {
namespace {

// Counter-clockwise, away from the origin so that scaling about the origin would show.
constexpr char kSquare[] = "M 100 100 L 200 100 L 200 200 L 100 200";
// The square with a clockwise hole 140..160, and the same drawn the other way round.
constexpr char kRing[] =
    "M 100 100 L 200 100 L 200 200 L 100 200 M 140 140 L 140 160 L 160 160 L 160 140";
constexpr char kClockwise[] =
    "M 100 100 L 100 200 L 200 200 L 200 100 M 140 140 L 160 140 L 160 160 L 140 160";
constexpr char kWide[] = "M 100 0 L 600 0 L 600 300 L 100 300";
constexpr char kBarAndSquare[] =
    "M 0 0 L 300 0 L 300 30 L 0 30 M 400 0 L 500 0 L 500 100 L 400 100";

Box controlBox(const Outline& o) {
  Box b;
  o.widenControlBox(0, b);
  return b;
}

double filledArea(const Outline& o) {
  double area = 0;
  for (double a : test::contourAreas(test::flattenOutline(o))) area += a / 2;
  return area;
}

struct WeightCase {
  const char* name;
  const char* path;
  WeightParameters parameters;
  Box box;
  int curves;
  double area;
};

class ChangeWeightTest : public ::testing::TestWithParam<WeightCase> {};

TEST_P(ChangeWeightTest, GivesTheExpectedBoxCornersAndArea) {
  const WeightCase& c = GetParam();
  Glyph glyph = test::pathGlyph(c.path);
  EXPECT_EQ(changeWeight(glyph, c.parameters).outcome, OffsetOutcome::kMerged);
  EXPECT_EQ(controlBox(glyph), c.box);
  int curves = 0;
  for (int i = 0; i < glyph.nodeCount(); ++i) curves += glyph.type(i) == node_type::kCurve;
  EXPECT_EQ(curves, c.curves);
  if (c.area > 0) {
    EXPECT_NEAR(std::abs(filledArea(glyph)), c.area, 1e-6);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChangeWeightTest,
    ::testing::Values(
        WeightCase{"Sharp", kSquare, {10, 10, false, false}, {90, 90, 210, 210}, 0, 120 * 120},
        WeightCase{"Rounded", kSquare, {10, 10, false, true}, {90, 90, 210, 210}, 4, 0},
        WeightCase{"ScaledBack", kSquare, {10, 10, true, true}, {100, 100, 200, 200}, 4, 0},
        WeightCase{"ScaledBackWide", kWide, {20, 5, true, false}, {100, 0, 600, 300}, 0, 150000},
        // Rounded corners are ignored when a weight is not positive.
        WeightCase{"Thinned", kSquare, {-10, 10, false, true}, {110, 90, 190, 210}, 0, 0},
        WeightCase{"HoleShrinks", kRing, {5, 5, false, false}, {95, 95, 205, 205}, 0, 12000},
        // Drawn clockwise, as TrueType draws outlines: it grows all the same.
        WeightCase{"Clockwise", kClockwise, {5, 5, false, false}, {95, 95, 205, 205}, 0, 12000},
        // The bar's offset turns inside out and vanishes; the square keeps a 60 x 60 core.
        WeightCase{"ThinStrokeVanishes",
                   kBarAndSquare,
                   {-20, -20, false, false},
                   {420, 20, 480, 80},
                   0,
                   3600}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ChangeWeightCornerTest, RoundedCornerLegsAreTheOffsetTimesTheArcFactor) {
  Glyph glyph = test::pathGlyph(kSquare);
  changeWeight(glyph, {10, 10, false, true});
  for (int i = 1; i < glyph.nodeCount(); ++i) {
    if (glyph.type(i) != node_type::kCurve) continue;
    const Point start = glyph.point(i - 1), c1 = glyph.point(i, 1), c2 = glyph.point(i, 2);
    EXPECT_NEAR(std::hypot(c1.x - start.x, c1.y - start.y), 6, 1e-9);
    EXPECT_NEAR(std::hypot(glyph.point(i).x - c2.x, glyph.point(i).y - c2.y), 6, 1e-9);
  }
}

TEST(OffsetArcTest, OffsetQuarterCircleStaysOnTheLargerArc) {
  const Glyph quarter = test::pathGlyph("M 0 0 L 100 0 C 100 55 55 100 0 100");
  // Round joins leave the curve's ends where the offset puts them.
  const Outline offset = ContourOffsetter(10, 10, JoinMode::kRound).offset(quarter);
  int curve = -1;
  for (int i = 1; i < offset.nodeCount(); ++i)
    if (offset.type(i) == node_type::kCurve && offset.point(i - 1) == Point{110, 0}) curve = i;
  ASSERT_GE(curve, 1);
  EXPECT_EQ(offset.point(curve), (Point{0, 110}));
  Outline arc(1);
  arc.appendNode(Node::move(offset.point(curve - 1)));
  arc.appendNode(offset.node(curve));
  for (const test::FlatPiece& p : test::flattenOutline(arc, 64)) {
    if (p.segment != 0) continue;
    EXPECT_NEAR(std::hypot(p.x0, p.y0), 110, 2.0);
  }
}

TEST(CreateOutlineTest, FilledSquareBecomesABandOfTwoContours) {
  Glyph glyph = test::pathGlyph(kSquare);
  EXPECT_EQ(createOutline(glyph, {10, 10, false, false}).outcome, OffsetOutcome::kMerged);
  // First the input reversed, then the grown square.
  EXPECT_EQ(test::contourAreas(test::flattenOutline(glyph)),
            (std::vector<double>{-2 * 100.0 * 100, 2 * 120.0 * 120}));
}

TEST(OffsetFailureTest, EngineFailureKeepsTheRawOffsetContoursAndSaysSo) {
  Glyph glyph = test::pathGlyph(kRing);
  OverlapLimits tiny;
  tiny.workBudget = 1;
  EXPECT_EQ(changeWeight(glyph, {5, 5, false, false}, tiny).outcome, OffsetOutcome::kRawOffset);
  EXPECT_EQ(controlBox(glyph), (Box{95, 95, 205, 205}));
}

TEST(OffsetFailureTest, GlyphsThatCannotBeOffsetAreLeftAlone) {
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

}  // namespace
}  // namespace sorvella
