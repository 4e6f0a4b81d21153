// The DerevoZorov objects as outlines: polygons and pen contours closed and clockwise whichever
// way they were drawn, degenerate input giving nothing, and the brush trace of a polygon.
#include "editor/paint_objects.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "editor/paint_settings.h"

namespace sorvella {
namespace {

Point pt(int x, int y) {
  return {static_cast<int16_t>(x), static_cast<int16_t>(y)};
}

// Twice the signed area of the first contour; negative is clockwise with y up.
long long signedArea(const Outline& o) {
  long long sum = 0;
  const int n = o.contourEnd(0) + 1;
  for (int i = 0; i < n; ++i) {
    const Point a = o.point(i), b = o.point((i + 1) % n);
    sum += static_cast<long long>(a.x) * b.y - static_cast<long long>(b.x) * a.y;
  }
  return sum;
}

TEST(PaintObjects, PolygonIsOneClockwiseContourWhicheverWayItWasDrawn) {
  const std::vector<Point> counter = {pt(0, 0), pt(100, 0), pt(100, 100), pt(0, 100)};
  const std::vector<Point> clockwise(counter.rbegin(), counter.rend());
  for (const auto& drawn : {counter, clockwise}) {
    const Outline o = polygonOutline(drawn);
    ASSERT_EQ(o.nodeCount(), 4);
    EXPECT_EQ(o.contourCount(), 1);
    EXPECT_EQ(signedArea(o), -2 * 100 * 100);
    EXPECT_EQ(o.point(0), drawn.front());
  }
  // The rectangle and ellipse turn the same way.
  EXPECT_LT(signedArea(rectangleOutline(pt(50, 80), pt(0, 0))), 0);
  EXPECT_LT(signedArea(ellipseOutline(pt(0, 0), pt(60, 40))), 0);
}

TEST(PaintObjects, RepeatedAndCollinearPointsGiveNoPolygon) {
  const std::vector<Point> repeated = {pt(0, 0),   pt(0, 0),   pt(50, 0),
                                       pt(50, 50), pt(50, 50), pt(0, 0)};
  EXPECT_EQ(polygonOutline(repeated).nodeCount(), 3);  // the closing repeat is dropped
  const std::vector<Point> line = {pt(0, 0), pt(10, 10), pt(20, 20)};
  EXPECT_TRUE(polygonOutline(line).empty());
  const std::vector<Point> two = {pt(0, 0), pt(10, 0)};
  EXPECT_TRUE(polygonOutline(two).empty());
  EXPECT_TRUE(ellipseOutline(pt(7, 0), pt(7, 40)).empty());
}

TEST(PaintObjects, PenThinsTheFreehandPathBeforeClosingIt) {
  std::vector<Point> path;
  for (int x = 0; x <= 100; ++x) path.push_back(pt(x, 0));  // a step of one unit each
  path.push_back(pt(100, 100));
  path.push_back(pt(0, 100));
  const Outline o = penOutline(path);
  ASSERT_FALSE(o.empty());
  for (int i = 1; i < o.nodeCount(); ++i) {
    const Point a = o.point(i - 1), b = o.point(i);
    EXPECT_GE(std::max(std::abs(a.x - b.x), std::abs(a.y - b.y)), kPenMinimumStep);
  }
  EXPECT_EQ(signedArea(o), -2 * 100 * 100);
}

TEST(PaintObjects, BrushTraceStrokesEverySideIncludingTheClosingOne) {
  const std::vector<Point> triangle = {pt(0, 0), pt(200, 0), pt(0, 200)};
  const PaintOptions brush{20, 0, BrushKind::kRound, PaintCap::kFlat, PaintJoin::kBevel};
  const Outline traced = polygonTrace(triangle, brush);
  // Three sides and a bevel at each corner, the first one included.
  ASSERT_EQ(traced.contourCount(), 6);
  // The third piece runs down the closing side from (0, 200) to (0, 0).
  Box closing;
  for (int i = traced.contourStartByNumber(2); i < traced.contourStartByNumber(3); ++i)
    closing.include(traced.point(i));
  EXPECT_EQ(closing, (Box{-10, 0, 10, 200}));
  // An open run of two points is only one side.
  EXPECT_EQ(polygonTrace(std::vector<Point>{pt(0, 0), pt(50, 0)}, brush).contourCount(), 1);
}

TEST(PaintObjects, NodesOnThePolygonsSidesAloneAreSelected) {
  Outline joined = polygonOutline(std::vector<Point>{pt(0, 0), pt(100, 0), pt(100, 100)});
  joined.appendNode(Node::move(pt(50, 1)));  // on the bottom side, within a unit
  joined.appendNode(Node::line(pt(50, 2)));  // two units off it
  joined.appendNode(Node::line(pt(300, 300)));
  joined.setSelected(5, true);
  const Outline side = polygonOutline(std::vector<Point>{pt(0, 0), pt(100, 0), pt(100, 100)});
  EXPECT_EQ(selectNodesOn(joined, side), 4);
  EXPECT_TRUE(joined.isSelected(3));
  EXPECT_FALSE(joined.isSelected(4));
  EXPECT_FALSE(joined.isSelected(5));
}

TEST(PaintOptionsRecord, KeepsEveryChoiceAndReadsStrayValuesAsTheFirst) {
  Options record;
  const PaintOptions defaults{.width = 40, .angle = 34};  // 34 degrees: the direction 3:2
  EXPECT_EQ(paintOptionsFrom(record), defaults);
  PaintOptions chosen{12, -45, BrushKind::kCalligraphic, PaintCap::kFlat, PaintJoin::kMiter};
  chosen.polygon = PolygonMode::kBrushTrace;
  chosen.autoTransform = true;
  storePaintOptions(chosen, record);
  EXPECT_EQ(paintOptionsFrom(record), chosen);
  // Whatever else sits in the tool fields reads as the first choice, never past the lists.
  storePaintOptions(defaults, record);
  for (int32_t& mode : record.toolModes) mode = -7;
  EXPECT_EQ(paintOptionsFrom(record), defaults);
}

}  // namespace
}  // namespace sorvella
