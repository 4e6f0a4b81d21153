// The Edit tool's grabs and drags, checked on small outlines through the points they leave.
#include "editor/edit_geometry.h"

#include <gtest/gtest.h>

#include <cmath>

namespace sorvella {
namespace {

Point pt(int x, int y) {
  return {static_cast<int16_t>(x), static_cast<int16_t>(y)};
}

double bezierAt(double a, double b, double c, double d, double t) {
  const double u = 1 - t;
  return u * u * u * a + 3 * u * u * t * b + 3 * u * t * t * c + t * t * t * d;
}

class EditDragTest : public ::testing::Test {
 protected:
  // move (0,0), line (100,0), curve to (200,100), line (0,100).
  Glyph lineThenCurve(uint16_t lineConnection) {
    Glyph g;
    g.appendNode(Node::move(pt(0, 0)));
    g.appendNode(Node::line(pt(100, 0)));
    g.appendNode(Node::curve(pt(200, 100), pt(150, 0), pt(200, 50)));
    g.appendNode(Node::line(pt(0, 100)));
    g.setConnection(1, lineConnection);
    return g;
  }
  std::vector<int> drag(Glyph& g, Grab grab, PointerPosition from, PointerPosition to) {
    EditDrag d;
    EXPECT_TRUE(d.begin(g, 0, grab, from));
    return d.dragTo(g, to);
  }
};

TEST_F(EditDragTest, SmoothLineJointKeepsFollowingControlOnTheLineExtension) {
  Glyph g = lineThenCurve(node_flag::kSmooth);
  drag(g, {1, GrabPart::kEndPoint, 1.0}, {100, 0}, {100, 100});
  EXPECT_EQ(g.point(1), pt(100, 100));
  // The line now runs along (1, 1); the control keeps its distance 50 on that direction.
  EXPECT_EQ(g.point(2, 1), pt(135, 135));
}

TEST_F(EditDragTest, SharpLineJointMovesFollowingControlWithTheEndPoint) {
  Glyph g = lineThenCurve(node_flag::kSharp);
  drag(g, {1, GrabPart::kEndPoint, 1.0}, {100, 0}, {100, 100});
  EXPECT_EQ(g.point(2, 1), pt(150, 100));
  EXPECT_EQ(g.point(2, 2), pt(200, 50));
}

TEST_F(EditDragTest, CurveEndBeforeCurveMovesBothAdjacentControlsWhateverTheConnection) {
  for (uint16_t connection : {node_flag::kSharp, node_flag::kSmooth, node_flag::kFixed}) {
    Glyph g;
    g.appendNode(Node::move(pt(0, 0)));
    g.appendNode(Node::curve(pt(100, 100), pt(0, 50), pt(50, 100)));
    g.appendNode(Node::curve(pt(200, 0), pt(150, 100), pt(200, 50)));
    g.setConnection(1, connection);
    drag(g, {1, GrabPart::kEndPoint, 1.0}, {100, 100}, {110, 90});
    EXPECT_EQ(g.point(1), pt(110, 90));
    EXPECT_EQ(g.point(1, 2), pt(60, 90));
    EXPECT_EQ(g.point(2, 1), pt(160, 90));
    EXPECT_EQ(g.point(1, 1), pt(0, 50));
  }
}

TEST_F(EditDragTest, FirstControlAfterSmoothLineJointSlidesAlongTheLine) {
  Glyph g = lineThenCurve(node_flag::kSmooth);
  drag(g, {2, GrabPart::kFirstControl, 1.0}, {150, 0}, {170, 40});
  EXPECT_EQ(g.point(2, 1), pt(170, 0));
  Glyph sharp = lineThenCurve(node_flag::kSharp);
  drag(sharp, {2, GrabPart::kFirstControl, 1.0}, {150, 0}, {170, 40});
  EXPECT_EQ(sharp.point(2, 1), pt(170, 40));
}

TEST_F(EditDragTest, SecondControlBeforeSetLineJointIsProjectedOntoTheLine) {
  Glyph g = lineThenCurve(node_flag::kSharp);
  g.setConnection(2, node_flag::kFixed);  // joint at (200,100) into the line to (0,100)
  drag(g, {2, GrabPart::kSecondControl, 1.0}, {200, 50}, {230, 80});
  EXPECT_EQ(g.point(2, 2), pt(230, 100));
}

TEST_F(EditDragTest, ReshapeAtHalfWithSharpJointsMovesMidpointByExactlyDelta) {
  Glyph g;
  g.appendNode(Node::move(pt(0, 0)));
  g.appendNode(Node::curve(pt(300, 0), pt(0, 300), pt(300, 300)));
  const PointerPosition grab{150, 225};  // the curve's point at t = 0.5
  auto changed = drag(g, {1, GrabPart::kSegment, 0.5}, grab, {180, 255});
  EXPECT_EQ(changed, std::vector<int>{1});
  EXPECT_EQ(g.point(1, 1), pt(40, 340));  // (30, 30) x 4 / 3
  EXPECT_EQ(g.point(1, 2), pt(340, 340));
  EXPECT_EQ(g.point(1), pt(300, 0));
  EXPECT_DOUBLE_EQ(bezierAt(0, 40, 340, 300, 0.5), 180);
  EXPECT_DOUBLE_EQ(bezierAt(0, 340, 340, 0, 0.5), 255);
}

TEST_F(EditDragTest, ReshapeWithBothJointsConfinedKeepsControlsOnTheirTangents) {
  // Lines come in along x at both ends of the curve; both joints fixed.
  Glyph g;
  g.appendNode(Node::move(pt(-100, 0)));
  g.appendNode(Node::line(pt(0, 0)));
  g.appendNode(Node::curve(pt(300, 100), pt(100, 0), pt(200, 100)));
  g.appendNode(Node::line(pt(400, 100)));
  g.setConnection(1, node_flag::kFixed);
  g.setConnection(2, node_flag::kFixed);
  drag(g, {2, GrabPart::kSegment, 0.5}, {150, 50}, {180, 70});
  // Parallel tangents: only the along-tangent part of the move counts, 30 x 4 / 3.
  EXPECT_EQ(g.point(2, 1), pt(140, 0));
  EXPECT_EQ(g.point(2, 2), pt(240, 100));
}

TEST_F(EditDragTest, StraightSegmentAtQuarterMovesOnlyItsStartByFourThirds) {
  Glyph g = lineThenCurve(node_flag::kSharp);
  auto changed = drag(g, {1, GrabPart::kSegment, 0.25}, {25, 0}, {25, 30});
  EXPECT_EQ(g.point(0), pt(0, 40));
  EXPECT_EQ(g.point(1), pt(100, 0));
  EXPECT_EQ(changed.front(), 0);
  Glyph late = lineThenCurve(node_flag::kSharp);
  drag(late, {1, GrabPart::kSegment, 0.75}, {75, 0}, {75, 30});
  EXPECT_EQ(late.point(1), pt(100, 40));
  EXPECT_EQ(late.point(0), pt(0, 0));
}

TEST_F(EditDragTest, CurveGrabbedNearItsEndDragsThatEndWithItsOffset) {
  Glyph g = lineThenCurve(node_flag::kSharp);
  EditDrag d;
  ASSERT_TRUE(d.begin(g, 0, {2, GrabPart::kSegment, 0.05}, {103, 1}));
  EXPECT_EQ(d.rule(), EditDrag::Rule::kCurveEnd);
  d.dragTo(g, {113, 11});
  EXPECT_EQ(g.point(1), pt(110, 10));
}

TEST_F(EditDragTest, EveryPositionStartsFromTheStartingPoints) {
  Glyph g = lineThenCurve(node_flag::kSmooth);
  EditDrag d;
  ASSERT_TRUE(d.begin(g, 0, {1, GrabPart::kEndPoint, 1.0}, {100, 0}));
  d.dragTo(g, {100, 100});
  d.dragTo(g, {100, 0});
  EXPECT_EQ(g.point(2, 1), pt(150, 0));
  EXPECT_FALSE(d.begin(g, 0, {1, GrabPart::kFirstControl, 1.0}, {0, 0}));  // a line has none
}

class HitTestTest : public ::testing::Test {
 protected:
  Glyph g = [] {
    Glyph g;
    g.appendNode(Node::move(pt(0, 0)));
    g.appendNode(Node::curve(pt(300, 0), pt(0, 300), pt(300, 300)));
    g.appendNode(Node::move(pt(500, 0)));
    g.appendNode(Node::line(pt(600, 0)));
    g.appendNode(Node::line(pt(600, 100)));
    return g;
  }();
};

TEST_F(HitTestTest, PointsWithinThreeUnitsAndControlsOnlyWhenShown) {
  HitTestView view;
  EXPECT_EQ(hitTest(g, view, {603, -3}), (Grab{3, GrabPart::kEndPoint, 1.0}));
  EXPECT_FALSE(hitTest(g, view, {604, -4}).has_value());
  auto hidden = hitTest(g, view, {0, 300});
  EXPECT_FALSE(hidden && hidden->part == GrabPart::kFirstControl);
  view.controlVectorsShown = true;
  EXPECT_EQ(hitTest(g, view, {0, 300}), (Grab{1, GrabPart::kFirstControl, 1.0}));
}

TEST_F(HitTestTest, SegmentsGiveTheirParameterAndTheClosingSegmentGrabsTheMoveNode) {
  HitTestView view;
  view.testPoints = false;
  auto curve = hitTest(g, view, {150, 225});
  ASSERT_TRUE(curve);
  EXPECT_EQ(curve->node, 1);
  EXPECT_NEAR(curve->t, 0.5, 0.02);
  auto closing = hitTest(g, view, {550, 50});  // from (600,100) back to (500,0)
  ASSERT_TRUE(closing);
  EXPECT_EQ(closing->node, 2);
  EXPECT_NEAR(closing->t, 0.5, 1e-9);
  auto line = hitTest(g, view, {575, 1});
  ASSERT_TRUE(line);
  EXPECT_EQ(line->node, 3);
  EXPECT_EQ(line->part, GrabPart::kSegment);
  EXPECT_NEAR(line->t, 0.75, 1e-9);
}

TEST_F(HitTestTest, HighlightedNodeIsTestedFirst) {
  g.appendNode(Node::line(pt(302, 2)));  // would otherwise lose to node 1 at (300, 0)
  g.setHighlight(5, 0);
  HitTestView view;
  EXPECT_EQ(hitTest(g, view, {300, 0})->node, 5);
  view.controlVectorsShown = true;  // with both layers shown the order is plain
  EXPECT_EQ(hitTest(g, view, {300, 0})->node, 1);
}

}  // namespace
}  // namespace sorvella
