// Remove overlap, union and subtract on small shapes: the fill modes, nesting, duplicates,
// orientation, quadratic input, degenerate input and failures; the raster test checks curves
// cut where outlines cross.
#include "outline/overlap_engine.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "outline/overlap_removal.h"
#include "support/outline_path.h"

namespace sorvella {
namespace {

using test::contourSummary;
using test::pathGlyph;

std::string square(int x0, int y0, int x1, int y1, bool counterClockwise = true) {
  return test::rectanglePath(x0, y0, x1, y1, counterClockwise);
}

std::string removed(const std::string& shape, uint16_t mode) {
  Glyph g = pathGlyph(shape);
  OverlapStatus status = removeOverlap(g, 0, mode);
  return status == OverlapStatus::kOk ? contourSummary(g)
                                      : "error " + std::to_string(overlapCode(status));
}

constexpr uint16_t kPostScript = 0, kAtm = overlap_mode::kAtmFill;
constexpr uint16_t kCorrect = overlap_mode::kCorrectOrientation;

TEST(RemoveOverlapTest, FillModesNestingDuplicatesAndOrientation) {
  const struct {
    const char* what;
    std::string shape;
    uint16_t mode;
    std::string expected;
  } cases[] = {
      {"overlapping squares, non-zero", square(0, 0, 100, 100) + square(50, 50, 150, 150),
       kPostScript, "+(0,0)(100,0)(100,50)(150,50)(150,150)(50,150)(50,100)(0,100) "},
      // Even-odd by nesting makes their overlap a hole.
      {"overlapping squares, even-odd", square(0, 0, 100, 100) + square(50, 50, 150, 150),
       kAtm | kCorrect,
       "+(0,0)(100,0)(100,50)(150,50)(150,150)(50,150)(50,100)(0,100) "
       "-(50,50)(50,100)(100,100)(100,50) "},
      {"square in square, non-zero", square(0, 0, 100, 100) + square(20, 20, 80, 80), kCorrect,
       "+(0,0)(100,0)(100,100)(0,100) "},
      {"square in square, even-odd", square(0, 0, 100, 100) + square(20, 20, 80, 80),
       kAtm | kCorrect, "+(0,0)(100,0)(100,100)(0,100) -(20,20)(20,80)(80,80)(80,20) "},
      {"duplicate, even-odd", square(0, 0, 100, 100) + square(0, 0, 100, 100), kAtm, ""},
      {"three copies, even-odd", square(0, 0, 9, 9) + square(0, 0, 9, 9) + square(0, 0, 9, 9), kAtm,
       "+(0,0)(9,0)(9,9)(0,9) "},
      {"duplicate, non-zero", square(0, 0, 100, 100) + square(0, 0, 100, 100), kPostScript,
       "+(0,0)(100,0)(100,100)(0,100) "},
      {"figure eight", "M 0 0 L 100 100 L 100 0 L 0 100", kCorrect,
       "+(0,0)(50,50)(0,100) +(50,50)(100,0)(100,100) "},
      {"figure eight as it comes", "M 0 0 L 100 100 L 100 0 L 0 100", kPostScript,
       "+(0,0)(50,50)(0,100) -(50,50)(100,100)(100,0) "},
      // A clockwise outline with an anticlockwise hole and a clockwise island in it.
      {"island in a hole, non-zero",
       square(0, 0, 90, 90, false) + square(10, 10, 80, 80) + square(30, 30, 60, 60, false),
       kCorrect,
       "+(0,0)(90,0)(90,90)(0,90) +(30,30)(60,30)(60,60)(30,60) -(10,10)(10,80)(80,80)(80,10) "},
      {"squares sharing an edge", square(0, 0, 10, 10) + square(10, 0, 20, 10), kCorrect,
       "+(0,0)(10,0)(20,0)(20,10)(10,10)(0,10) "},
      {"degenerate contours", square(0, 0, 10, 10) + "M 5 5 L 5 5 M 7 7 C 7 7 7 7 7 7 M 1 1 L 3 3",
       kCorrect, "+(0,0)(10,0)(10,10)(0,10) "},
      {"only degenerate contours", "M 5 5 L 5 5 M 1 1 L 3 3 L 1 1", kCorrect, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(removed(c.shape, c.mode), c.expected) << c.what;
}

TEST(RemoveOverlapTest, SharpTipBetweenTwoCurvesLeavesNoSliver) {
  // Flattened to integer points, the two curves cross a few units before the tip; the loop
  // of less than a square unit beyond the crossing goes, the shape keeps its extent.
  Glyph g = pathGlyph("M 561 774 L 576 691 C 591 677 603 666 611 657 C 590 691 573 730 561 774");
  const Box before = g.boundingBox();
  ASSERT_EQ(removeOverlap(g, 0, kCorrect), OverlapStatus::kOk);
  EXPECT_EQ(g.contourCount(), 1);
  const Box after = g.boundingBox();
  EXPECT_LE(std::abs(after.xMax - before.xMax) + std::abs(after.yMin - before.yMin), 6);
  EXPECT_EQ(after.xMin, before.xMin);
  EXPECT_EQ(after.yMax, before.yMax);
}

TEST(RemoveOverlapTest, QuadraticPiecesBecomeTheirExactCubics) {
  // Quadratic (0,0)-(100,150)-(200,0): cubic controls at 2/3 of the way to (100,150).
  Glyph g = pathGlyph("M 0 0 O 100 150 L 200 0");
  ASSERT_EQ(removeOverlap(g, 0, kCorrect), OverlapStatus::kOk);
  ASSERT_EQ(g.nodeCount(), 2);
  EXPECT_EQ(g.node(1),
            Node::curve({0, 0}, {133, 100}, {67, 100}));  // reversed to run anticlockwise
}

TEST(RemoveOverlapTest, TangentJoinBecomesSmoothAfterRemoval) {
  Glyph g = pathGlyph("M 0 0 L 100 0 C 150 0 200 50 200 100 L 0 100");
  ASSERT_EQ(removeOverlap(g, 0, kCorrect), OverlapStatus::kOk);
  EXPECT_EQ(nodeConnectionOf(g.header(1)), node_flag::kSmooth);
  EXPECT_EQ(nodeConnectionOf(g.header(2)), node_flag::kSharp);
}

TEST(RemoveOverlapTest, FailureLeavesOutlineAndEmptiesReplacementProgram) {
  Glyph g = pathGlyph(square(0, 0, 100, 100) + square(50, 50, 150, 150));
  g.hints() = GlyphHints{{Hint{{Stem{0, 50}}}}, {}, {{hint_kind::kHorizontal, 0}}};
  const Glyph before = g;
  OverlapLimits limits;
  limits.maxEdges = 9;  // the two squares need 8, their two crossings 4 more
  EXPECT_EQ(removeOverlap(g, 0, kCorrect, limits), OverlapStatus::kTableLimit);
  EXPECT_TRUE(g.sameNodes(before));
  EXPECT_TRUE(g.hints()->replacement.empty());
  limits = {};
  limits.workBudget = 10;
  EXPECT_EQ(removeOverlap(g, 0, kCorrect, limits), OverlapStatus::kTooComplex);
  EXPECT_TRUE(g.sameNodes(before));

  Glyph twoMasters(2);
  twoMasters.appendNode(Node::move({0, 0}, 2));
  twoMasters.appendNode(Node::line({10, 0}, 2));
  twoMasters.appendNode(Node::line({0, 10}, 2));
  const Glyph unchanged = twoMasters;
  EXPECT_EQ(removeOverlap(twoMasters, 0, kCorrect), OverlapStatus::kSeveralMasters);
  EXPECT_TRUE(twoMasters.sameNodes(unchanged));
}

std::string combined(const std::string& first, const std::string& second, bool subtracting) {
  OverlapEngine a, b;
  pathGlyph(first).enumerate(a);
  pathGlyph(second).enumerate(b);
  OverlapStatus status = subtracting ? subtract(a, b, kCorrect) : unite(a, b, kCorrect);
  if (status != OverlapStatus::kOk) return "error " + std::to_string(overlapCode(status));
  Outline out(1);
  OutlineBuilder builder(out);
  a.writeResult(builder);
  return contourSummary(out);
}

TEST(CombineOutlinesTest, UnionAndSubtraction) {
  const std::string stem = square(0, 0, 40, 300);
  EXPECT_EQ(combined(stem, square(-20, 100, 60, 150), true),
            "+(0,0)(40,0)(40,100)(0,100) +(0,150)(40,150)(40,300)(0,300) ");
  EXPECT_EQ(combined(stem, square(100, 100, 160, 150), true), contourSummary(pathGlyph(stem)));
  EXPECT_EQ(combined(stem, square(10, 10, 30, 30, false), false), contourSummary(pathGlyph(stem)));
  EXPECT_EQ(combined(stem, square(20, 290, 60, 320), false),
            "+(0,0)(40,0)(40,290)(60,290)(60,320)(20,320)(20,300)(0,300) ");
  // Where the operands coincide, the pieces of their equal segments join up again.
  const std::string bowl = "M 640 -51 C 657 -51 666 -40 666 -18 C 666 -3 657 14 638 32 L 600 0";
  EXPECT_EQ(combined(bowl, bowl, false), contourSummary(pathGlyph(bowl)));
  // Each operand is cleaned first: the clockwise square counts as filled.
  EXPECT_EQ(combined(square(0, 0, 10, 10, false), square(20, 0, 30, 10), false),
            "+(0,0)(10,0)(10,10)(0,10) +(20,0)(30,0)(30,10)(20,10) ");
}

}  // namespace
}  // namespace sorvella
