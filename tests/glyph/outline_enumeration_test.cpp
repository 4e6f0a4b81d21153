// Walking outlines through a pen: cubic and quadratic segments, implied midpoints, the order of
// begin/moveTo/closePath/end, and rebuilding an outline with OutlineBuilder.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "glyph/glyph_printers.h"
#include "glyph/outline.h"
#include "glyph/outline_pen.h"

namespace sorvella {
namespace {

std::string text(Point p) {
  return std::to_string(p.x) + "," + std::to_string(p.y);
}
std::string text(WidePoint p) {
  return std::to_string(p.x) + "," + std::to_string(p.y);
}

// Writes every call as one line of text, quadratic coordinates as received (doubled).
class RecordingPen : public OutlinePen {
 public:
  void begin() override { calls.push_back("begin"); }
  void moveTo(Point p) override { calls.push_back("move " + text(p)); }
  void quadTo(WidePoint s, WidePoint c, WidePoint e, bool onCurve) override {
    calls.push_back("quad " + text(s) + " " + text(c) + " " + text(e) + (onCurve ? " on" : " mid"));
  }
  void curveTo(Point s, Point c1, Point c2, Point e) override {
    calls.push_back("curve " + text(s) + " " + text(c1) + " " + text(c2) + " " + text(e));
  }
  void lineTo(Point p) override { calls.push_back("line " + text(p)); }
  void closePath() override { calls.push_back("close"); }
  void end() override { calls.push_back("end"); }

  std::vector<std::string> calls;
};

using Calls = std::vector<std::string>;

class CubicEnumerationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    o.appendNode(Node::move({0, 0}));
    o.appendNode(Node::curve({100, 0}, {10, 50}, {90, 50}));
    o.appendNode(Node::line({100, -100}));
    o.appendNode(Node::move({300, 300}));
    o.appendNode(Node::line({400, 300}));
  }
  Outline o;
  RecordingPen pen;
};

TEST_F(CubicEnumerationTest, CurveStartsAtThePreviousEndPointWithControlsInOrder) {
  o.enumerate(pen);
  EXPECT_EQ(pen.calls, (Calls{"begin", "move 0,0", "curve 0,0 10,50 90,50 100,0", "line 100,-100",
                              "close", "move 300,300", "line 400,300", "close", "end"}));
}

TEST_F(CubicEnumerationTest, EachMasterIsWalkedOnItsOwn) {
  Outline two(2);
  two.appendNode(Node::move({0, 0}, 2));
  two.appendNode(Node::line({10, 10}, 2));
  two.setPoint(1, 0, 1, {20, 30});
  two.enumerate(pen, 1);
  EXPECT_EQ(pen.calls, (Calls{"begin", "move 0,0", "line 20,30", "close", "end"}));
}

TEST_F(CubicEnumerationTest, StartingPastNodeZeroNeitherBeginsNorEnds) {
  o.enumerate(pen, 0, 3);
  EXPECT_EQ(pen.calls, (Calls{"move 300,300", "line 400,300"}));
}

TEST_F(CubicEnumerationTest, EmptyOutlineOnlyBeginsAndEnds) {
  Outline empty;
  empty.enumerate(pen);
  EXPECT_EQ(pen.calls, (Calls{"begin", "end"}));
}

class QuadraticEnumerationTest : public ::testing::Test {
 protected:
  RecordingPen pen;
};

TEST_F(QuadraticEnumerationTest, OffCurveThenLineIsOneQuadraticSegment) {
  Outline o;
  o.appendNode(Node::move({0, 0}));
  o.appendNode(Node::offCurve({50, 100}));
  o.appendNode(Node::line({100, 0}));
  o.enumerate(pen);
  EXPECT_EQ(pen.calls, (Calls{"begin", "move 0,0", "quad 0,0 100,200 200,0 on", "close", "end"}));
}

TEST_F(QuadraticEnumerationTest, ConsecutiveOffCurvesMeetAtTheirExactMidpoint) {
  Outline o;
  o.appendNode(Node::move({0, 0}));
  o.appendNode(Node::offCurve({0, 101}));
  o.appendNode(Node::offCurve({101, 101}));
  o.appendNode(Node::line({101, 0}));
  o.enumerate(pen);
  // The midpoint (50.5, 101) is exact in doubled units: (101, 202).
  EXPECT_EQ(pen.calls, (Calls{"begin", "move 0,0", "quad 0,0 0,202 101,202 mid",
                              "quad 101,202 202,202 202,0 on", "close", "end"}));
}

TEST_F(QuadraticEnumerationTest, TrailingOffCurvesCloseTowardsTheMovePoint) {
  Outline o;
  o.appendNode(Node::move({0, 0}));
  o.appendNode(Node::offCurve({100, 0}));
  o.appendNode(Node::offCurve({100, 100}));
  o.enumerate(pen);
  EXPECT_EQ(pen.calls, (Calls{"begin", "move 0,0", "quad 0,0 200,0 200,100 mid",
                              "quad 200,100 200,200 0,0 on", "close", "end"}));
}

TEST_F(QuadraticEnumerationTest, PendingControlClosesBeforeTheNextContourBegins) {
  Outline o;
  o.appendNode(Node::move({10, 10}));
  o.appendNode(Node::line({60, 10}));
  o.appendNode(Node::offCurve({60, 60}));
  o.appendNode(Node::move({-5, -5}));
  o.appendNode(Node::line({-5, 5}));
  o.enumerate(pen);
  EXPECT_EQ(pen.calls, (Calls{"begin", "move 10,10", "line 60,10", "quad 120,20 120,120 20,20 on",
                              "close", "move -5,-5", "line -5,5", "close", "end"}));
}

class OutlineBuilderTest : public ::testing::Test {
 protected:
  Outline built;
};

TEST_F(OutlineBuilderTest, ReservesRoomFirstAndShrinksAtTheEnd) {
  OutlineBuilder builder(built);
  EXPECT_GE(built.capacity(), OutlineBuilder::kReserveBytes);
  builder.moveTo({1, 2});
  builder.lineTo({3, 4});
  builder.end();
  EXPECT_EQ(built.capacity(), built.usedSize());
  EXPECT_EQ(built.usedSize(), 12u);
}

TEST_F(OutlineBuilderTest, CubicOutlineRebuildsNodeForNode) {
  Outline source;
  source.appendNode(Node::move({0, 0}));
  source.appendNode(Node::curve({100, 0}, {10, 50}, {90, 50}));
  source.appendNode(Node::line({100, -100}));
  source.appendNode(Node::move({300, 300}));
  source.appendNode(Node::line({400, 300}));
  OutlineBuilder builder(built);
  source.enumerate(builder);
  EXPECT_TRUE(built.sameNodes(source));
}

TEST_F(OutlineBuilderTest, QuadraticOutlineGetsItsImpliedClosingPointAsALine) {
  Outline source;
  source.appendNode(Node::move({0, 0}));
  source.appendNode(Node::offCurve({0, 101}));
  source.appendNode(Node::offCurve({101, 101}));
  OutlineBuilder builder(built);
  source.enumerate(builder);
  ASSERT_EQ(built.nodeCount(), 4);
  EXPECT_EQ(built.node(0), Node::move({0, 0}));
  EXPECT_EQ(built.node(1), Node::offCurve({0, 101}));
  EXPECT_EQ(built.node(2), Node::offCurve({101, 101}));
  EXPECT_EQ(built.node(3), Node::line({0, 0}));
}

}  // namespace
}  // namespace sorvella
