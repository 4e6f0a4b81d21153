// Contour operations of a glyph: reverse, new start node, reorder, delete, connections, and
// what they do to the hint replacement program and the editor's highlight.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "glyph/glyph.h"
#include "glyph/glyph_printers.h"
#include "glyph/outline_pen.h"
#include "support/random_glyph.h"

namespace sorvella {
namespace {

std::vector<Node> nodesOf(const Outline& o) {
  std::vector<Node> nodes;
  for (int i = 0; i < o.nodeCount(); ++i) nodes.push_back(o.node(i));
  return nodes;
}

Node withFlags(Node n, uint16_t flags) {
  n.header |= flags;
  return n;
}

// A glyph with hints and a replacement program, so that renumbering can be seen to empty it.
class ContourOperationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    GlyphHints hints;
    hints.horizontal.push_back(Hint{{Stem{0, 50}}});
    hints.vertical.push_back(Hint{{Stem{10, 20}}});
    hints.replacement = {
        {hint_kind::kHorizontal, 0}, {hint_kind::kReplacementPoint, 2}, {hint_kind::kVertical, 0}};
    glyph.hints() = hints;
  }

  void add(const Node& n) { glyph.appendNode(n); }
  void expectProgramEmptiedButHintsKept() {
    ASSERT_TRUE(glyph.hints().has_value());
    EXPECT_TRUE(glyph.hints()->replacement.empty());
    EXPECT_EQ(glyph.hints()->horizontal.size(), 1u);
    EXPECT_EQ(glyph.hints()->vertical.size(), 1u);
  }
  void expectProgramKept() {
    ASSERT_TRUE(glyph.hints().has_value());
    EXPECT_EQ(glyph.hints()->replacement.size(), 3u);
  }

  Glyph glyph;
};

class ReverseContourTest : public ContourOperationTest {};

TEST_F(ReverseContourTest, ReversingClosedContourAddsNoLineNode) {
  add(Node::move({0, 0}));
  add(Node::line({100, 0}));
  add(withFlags(Node::curve({100, 100}, {120, 30}, {120, 70}), node_flag::kSmooth));
  add(Node::line({0, 0}));
  ASSERT_TRUE(glyph.reverseContour(2));
  EXPECT_EQ(
      nodesOf(glyph),
      (std::vector<Node>{Node::move({0, 0}), Node::line({100, 100}),
                         withFlags(Node::curve({100, 0}, {120, 70}, {120, 30}), node_flag::kSmooth),
                         Node::line({0, 0})}));
  expectProgramEmptiedButHintsKept();
}

// Nodes before and after reversing the contour of, or starting the contour at, a node.
TEST_F(ContourOperationTest, ReverseAndNewStartNodeOnSmallContours) {
  const Node m0 = Node::move({0, 0}), l0 = Node::line({0, 0});
  const struct {
    bool reverse;  // else setStartNode
    int index;
    bool changes;
    std::vector<Node> before, after;
  } cases[] = {
      // Reversing an open-ended contour starts it at its last node.
      {true,
       0,
       true,
       {m0, Node::line({100, 0}), Node::line({100, 100})},
       {Node::move({100, 100}), Node::line({100, 0}), l0}},
      // A one-node contour stays a lone move; its neighbours are untouched.
      {true,
       2,
       false,
       {m0, Node::line({10, 0}), Node::move({5, 5}), Node::move({20, 0}), Node::line({30, 0})},
       {}},
      // Quadratic contours keep their off-curve points.
      {true,
       1,
       true,
       {m0, Node::offCurve({50, 50}), Node::line({100, 0}), Node::offCurve({50, -50}), l0},
       {m0, Node::offCurve({50, -50}), Node::line({100, 0}), Node::offCurve({50, 50}), l0}},
      // A -B-> C -D-> back to A; reversed: A -D-> C -B-> back to A. A move node at D would
      // start the contour on a control point and straighten the curve through it.
      {true,
       3,
       true,
       {m0, Node::offCurve({50, 50}), Node::line({100, 0}), Node::offCurve({50, -50})},
       {m0, Node::offCurve({50, -50}), Node::line({100, 0}), Node::offCurve({50, 50})}},
      // Two trailing off-curves are walked back from the start.
      {true,
       0,
       true,
       {m0, Node::line({100, 0}), Node::offCurve({100, 100}), Node::offCurve({0, 100})},
       {m0, Node::offCurve({0, 100}), Node::offCurve({100, 100}), Node::line({100, 0})}},
      // A contour ending on its move point gets no closing line.
      {false,
       2,
       true,
       {m0, Node::line({100, 0}), Node::line({100, 100}), l0},
       {Node::move({100, 100}), l0, Node::line({100, 0})}},
      // A curve into the new start is kept at the end.
      {false,
       1,
       true,
       {m0, Node::curve({100, 0}, {0, 50}, {100, 50}), Node::line({100, -100})},
       {Node::move({100, 0}), Node::line({100, -100}), l0,
        Node::curve({100, 0}, {0, 50}, {100, 50})}},
      {false,
       3,
       true,
       {m0, Node::line({100, 0}), Node::line({100, 100}), Node::line({0, 100})},
       {Node::move({0, 100}), l0, Node::line({100, 0}), Node::line({100, 100})}},
      // A quadratic contour stays closed through its controls.
      {false,
       2,
       true,
       {m0, Node::offCurve({50, 50}), Node::line({100, 0}), Node::offCurve({50, -50})},
       {Node::move({100, 0}), Node::offCurve({50, -50}), l0, Node::offCurve({50, 50})}},
      // An off-curve node cannot become the start; the first node changes nothing.
      {false, 1, false, {m0, Node::offCurve({50, 50}), Node::line({100, 0})}, {}},
      {false,
       0,
       false,
       {m0, Node::line({100, 0}), Node::line({100, 100}), Node::line({0, 100})},
       {}},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE("case " + std::to_string(i));
    const auto& c = cases[i];
    glyph = Glyph();
    SetUp();
    for (const Node& n : c.before) add(n);
    const bool ok = c.reverse ? glyph.reverseContour(c.index) : glyph.setStartNode(c.index);
    if (c.changes || c.reverse) {
      EXPECT_TRUE(ok);
    } else if (c.index == 1) {
      EXPECT_FALSE(ok);  // the off-curve node
    }
    EXPECT_EQ(nodesOf(glyph), c.changes ? c.after : c.before);
    if (!c.changes && !c.reverse) expectProgramKept();
  }
}

TEST_F(ReverseContourTest, EveryMasterIsReversed) {
  Glyph two(2);
  two.appendNode(Node::move({0, 0}, 2));
  Node curve;
  curve.header = node_type::kCurve;
  // end, control1, control2; master 1 is master 0 moved by 1000 in x.
  curve.points = {{90, 0}, {1090, 0}, {30, 40}, {1030, 40}, {60, 40}, {1060, 40}};
  two.appendNode(curve);
  two.setPoint(0, 0, 1, {1000, 0});
  ASSERT_TRUE(two.reverseContour(0));
  EXPECT_EQ(two.point(0, 0, 1), (Point{1090, 0}));
  EXPECT_EQ(two.point(1, 0, 1), (Point{1000, 0}));
  EXPECT_EQ(two.point(1, 1, 1), (Point{1060, 40}));
  EXPECT_EQ(two.point(1, 2, 1), (Point{1030, 40}));
  EXPECT_EQ(two.point(1, 1, 0), (Point{60, 40}));
}

TEST_F(ReverseContourTest, IndexOutOfRangeChangesNothing) {
  add(Node::move({0, 0}));
  EXPECT_FALSE(glyph.reverseContour(1));
  EXPECT_EQ(glyph.status(), kOutlineIndexOutOfRange);
  expectProgramKept();
}

// Every drawn segment as (kind, doubled coordinates...), the implicit closing line included;
// zero-length lines draw nothing and are left out.
class SegmentPen : public OutlinePen {
 public:
  using Segment = std::vector<int32_t>;

  void moveTo(Point p) override {
    closePath();
    current_ = start_ = doubled(p);
  }
  void lineTo(Point p) override { line(doubled(p)); }
  void curveTo(Point s, Point c1, Point c2, Point e) override {
    WidePoint a = doubled(s), b = doubled(c1), c = doubled(c2), d = doubled(e);
    segments.push_back({3, a.x, a.y, b.x, b.y, c.x, c.y, d.x, d.y});
    current_ = d;
  }
  void quadTo(WidePoint s, WidePoint c, WidePoint e, bool) override {
    segments.push_back({2, s.x, s.y, c.x, c.y, e.x, e.y});
    current_ = e;
  }
  void closePath() override { line(start_); }

  static Segment turned(const Segment& s) {
    Segment t{s[0]};
    // Points in reverse order, x and y kept together.
    for (auto k = static_cast<int>(s.size()) - 2; k >= 1; k -= 2) {
      t.push_back(s[static_cast<std::size_t>(k)]);
      t.push_back(s[static_cast<std::size_t>(k) + 1]);
    }
    return t;
  }

  std::vector<Segment> segments;

 private:
  static WidePoint doubled(Point p) { return {p.x * 2, p.y * 2}; }
  void line(WidePoint to) {
    if (!(to == current_)) segments.push_back({1, current_.x, current_.y, to.x, to.y});
    current_ = to;
  }
  WidePoint current_, start_;
};

std::vector<SegmentPen::Segment> sortedSegments(const Outline& o) {
  SegmentPen pen;
  o.enumerate(pen);
  std::sort(pen.segments.begin(), pen.segments.end());
  return pen.segments;
}

// Random cubic or quadratic glyphs of a few contours, some closing on their move point.
class ContourShapeTest : public ::testing::Test {
 protected:
  Glyph randomContours(std::mt19937& rng, bool quadratic) {
    auto coordinate = [&] { return static_cast<int16_t>(static_cast<int>(rng() % 200) - 100); };
    auto point = [&] { return Point{coordinate(), coordinate()}; };
    Glyph g;
    for (int c = 1 + static_cast<int>(rng() % 3); c > 0; --c) {
      Point start = point();
      g.appendNode(Node::move(start));
      for (int n = static_cast<int>(rng() % 6); n > 0; --n) {
        bool bent = rng() % 2 == 1;
        if (!bent)
          g.appendNode(Node::line(point()));
        else if (quadratic)
          g.appendNode(Node::offCurve(point()));
        else
          g.appendNode(Node::curve(point(), point(), point()));
      }
      if (rng() % 3 == 0) g.appendNode(Node::line(start));
    }
    return g;
  }
};

TEST_F(ContourShapeTest, ReversingTurnsEverySegmentOfTheContourAndNothingElse) {
  std::mt19937 rng(test::testSeed());
  SCOPED_TRACE("seed " + std::to_string(test::testSeed()));
  for (int round = 0; round < 400; ++round) {
    Glyph g = randomContours(rng, round % 2 == 1);
    int i = static_cast<int>(rng() % static_cast<unsigned>(g.nodeCount()));
    Glyph contour;
    contour.appendNodes(g, g.contourStart(i), g.contourEnd(i) - g.contourStart(i) + 1);
    std::vector<SegmentPen::Segment> expected = sortedSegments(g);
    for (const auto& s : sortedSegments(contour)) {
      auto at = std::find(expected.begin(), expected.end(), s);
      ASSERT_TRUE(at != expected.end());
      expected.erase(at);
      expected.push_back(SegmentPen::turned(s));
    }
    std::sort(expected.begin(), expected.end());
    ASSERT_TRUE(g.reverseContour(i));
    ASSERT_EQ(sortedSegments(g), expected) << "round " << round << ", node " << i;
  }
}

TEST_F(ContourShapeTest, NewStartNodeKeepsEverySegment) {
  std::mt19937 rng(test::testSeed());
  SCOPED_TRACE("seed " + std::to_string(test::testSeed()));
  for (int round = 0; round < 400; ++round) {
    Glyph g = randomContours(rng, round % 2 == 1);
    int i = static_cast<int>(rng() % static_cast<unsigned>(g.nodeCount()));
    if (g.type(i) == node_type::kOffCurve) continue;
    std::vector<SegmentPen::Segment> before = sortedSegments(g);
    ASSERT_TRUE(g.setStartNode(i));
    ASSERT_EQ(sortedSegments(g), before) << "round " << round << ", node " << i;
  }
}

class SetStartNodeTest : public ContourOperationTest {
 protected:
  // move (0,0), line (100,0), line (100,100), line (0,100): the last node is not the move point.
  void addOpenSquare() {
    add(Node::move({0, 0}));
    add(Node::line({100, 0}));
    add(Node::line({100, 100}));
    add(Node::line({0, 100}));
  }
};

TEST_F(SetStartNodeTest, LineIntoNewStartIsReplacedByTheClosingLine) {
  addOpenSquare();
  ASSERT_TRUE(glyph.setStartNode(2));
  EXPECT_EQ(nodesOf(glyph), (std::vector<Node>{Node::move({100, 100}), Node::line({0, 100}),
                                               Node::line({0, 0}), Node::line({100, 0})}));
  expectProgramEmptiedButHintsKept();
}

TEST_F(SetStartNodeTest, ClosingLineIsAddedWhenAnyMasterDiffers) {
  Glyph two(2);
  two.appendNode(Node::move({0, 0}, 2));
  two.appendNode(Node::line({100, 0}, 2));
  two.appendNode(Node::line({0, 0}, 2));
  two.setPoint(2, 0, 1, {0, 5});  // closes on the move point in master 0 only
  ASSERT_TRUE(two.setStartNode(1));
  ASSERT_EQ(two.nodeCount(), 3);
  EXPECT_EQ(two.type(2), node_type::kLine);
  EXPECT_EQ(two.point(1, 0, 1), (Point{0, 5}));
  EXPECT_EQ(two.point(2, 0, 1), (Point{0, 0}));
}

// Four contours told apart by their move point's x: 0 (1 node), 10 (2), 20 (1), 30 (3).
class MoveContourTest : public ContourOperationTest {
 protected:
  void SetUp() override {
    ContourOperationTest::SetUp();
    add(Node::move({0, 0}));
    add(Node::move({10, 0}));
    add(Node::line({11, 0}));
    add(Node::move({20, 0}));
    add(Node::move({30, 0}));
    add(Node::line({31, 0}));
    add(Node::line({32, 0}));
  }

  std::vector<int> order() const {
    std::vector<int> xs;
    for (int i = 0; i < glyph.nodeCount(); ++i)
      if (glyph.type(i) == node_type::kMove) xs.push_back(glyph.point(i).x);
    return xs;
  }
};

TEST_F(MoveContourTest, MovedTowardsTheEndGoesAfterTheContourThatHeldTheNumber) {
  ASSERT_TRUE(glyph.moveContour(2, 2));
  EXPECT_EQ(order(), (std::vector<int>{0, 20, 10, 30}));
  EXPECT_EQ(glyph.nodeCount(), 7);
  expectProgramEmptiedButHintsKept();
}

TEST_F(MoveContourTest, MovedTowardsTheStartGoesBeforeTheContourThatHeldTheNumber) {
  ASSERT_TRUE(glyph.moveContour(3, 1));
  EXPECT_EQ(order(), (std::vector<int>{0, 20, 10, 30}));
  ASSERT_TRUE(glyph.moveContour(6, 0));
  EXPECT_EQ(order(), (std::vector<int>{30, 0, 20, 10}));
  // The moved contour keeps its nodes in order.
  EXPECT_EQ(glyph.point(1).x, 31);
  EXPECT_EQ(glyph.point(2).x, 32);
}

TEST_F(MoveContourTest, MinusOneAndTheLastNumberMakeItTheLastContour) {
  ASSERT_TRUE(glyph.moveContour(0, -1));
  EXPECT_EQ(order(), (std::vector<int>{10, 20, 30, 0}));
  ASSERT_TRUE(glyph.moveContour(1, 3));
  EXPECT_EQ(order(), (std::vector<int>{20, 30, 0, 10}));
  EXPECT_EQ(glyph.point(6).x, 11);
}

TEST_F(MoveContourTest, ContourAlreadyAtThePositionStaysAndKeepsTheProgram) {
  ASSERT_TRUE(glyph.moveContour(3, 2));
  EXPECT_EQ(order(), (std::vector<int>{0, 10, 20, 30}));
  expectProgramKept();
}

TEST_F(MoveContourTest, DeleteContourRemovesAllItsNodes) {
  ASSERT_TRUE(glyph.deleteContour(5));
  EXPECT_EQ(order(), (std::vector<int>{0, 10, 20}));
  EXPECT_EQ(glyph.nodeCount(), 4);
  expectProgramEmptiedButHintsKept();
  ASSERT_TRUE(glyph.deleteContour(2));
  EXPECT_EQ(order(), (std::vector<int>{0, 20}));
}

TEST_F(MoveContourTest, StructuralEditsResetTheHighlight) {
  glyph.setHighlight(4, 2);
  glyph.setPoint(4, 0, 0, {25, 5});  // dragging a point keeps it
  EXPECT_EQ(glyph.highlightedNode(), 4);
  glyph.moveContour(4, 0);
  EXPECT_EQ(glyph.highlightedNode(), -1);
  EXPECT_EQ(glyph.highlightedPart(), 0);
  glyph.setHighlight(1, 1);
  glyph.reverseContour(1);
  EXPECT_EQ(glyph.highlightedNode(), -1);
  glyph.setHighlight(1, 1);
  glyph.deleteContour(0);
  EXPECT_EQ(glyph.highlightedNode(), -1);
}

// 0 move, 1 curve, 2 curve, 3 line, 4 line, 5 curve | 6 move, 7 line
class ConnectionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    glyph.appendNode(Node::move({0, 0}));
    glyph.appendNode(Node::curve({10, 0}, {1, 1}, {9, 1}));
    glyph.appendNode(Node::curve({20, 0}, {11, 1}, {19, 1}));
    glyph.appendNode(Node::line({30, 0}));
    glyph.appendNode(Node::line({40, 0}));
    glyph.appendNode(Node::curve({0, 0}, {41, 1}, {1, 1}));
    glyph.appendNode(Node::move({100, 0}));
    glyph.appendNode(Node::line({110, 0}));
  }

  uint16_t connectionAfterToggle(int i) {
    EXPECT_TRUE(glyph.toggleConnection(i));
    return nodeConnectionOf(glyph.header(i));
  }

  Glyph glyph;
};

TEST_F(ConnectionTest, BetweenTwoCurvesTogglesSharpSmoothFixedSharp) {
  EXPECT_EQ(connectionAfterToggle(1), node_flag::kSmooth);
  EXPECT_EQ(connectionAfterToggle(1), node_flag::kFixed);
  EXPECT_EQ(connectionAfterToggle(1), node_flag::kSharp);
}

TEST_F(ConnectionTest, NextToOneCurveTogglesSharpAndSmooth) {
  EXPECT_EQ(connectionAfterToggle(2), node_flag::kSmooth);  // curve then line
  EXPECT_EQ(connectionAfterToggle(2), node_flag::kSharp);
  EXPECT_EQ(connectionAfterToggle(4), node_flag::kSmooth);  // line then curve
  EXPECT_EQ(connectionAfterToggle(0), node_flag::kSmooth);  // move then curve
  ASSERT_TRUE(glyph.setConnection(2, node_flag::kFixed));
  EXPECT_EQ(connectionAfterToggle(2), node_flag::kSharp);
}

TEST_F(ConnectionTest, AwayFromCurvesAlwaysBecomesSharp) {
  glyph.setHeaderFlags(3, node_flag::kConnectionMask, node_flag::kSmooth);
  EXPECT_EQ(connectionAfterToggle(3), node_flag::kSharp);
  EXPECT_EQ(connectionAfterToggle(3), node_flag::kSharp);
  EXPECT_EQ(connectionAfterToggle(7), node_flag::kSharp);
}

TEST_F(ConnectionTest, LastNodeOfAContourIsItsOwnNextNode) {
  // Node 5 is a curve followed by the next contour's move: it counts as between two curves.
  EXPECT_EQ(connectionAfterToggle(5), node_flag::kSmooth);
  EXPECT_EQ(connectionAfterToggle(5), node_flag::kFixed);
  EXPECT_TRUE(glyph.canSetConnection(5));
}

TEST_F(ConnectionTest, ToggleKeepsTypeAndSelection) {
  glyph.setSelected(1, true);
  glyph.toggleConnection(1);
  EXPECT_EQ(glyph.header(1), node_type::kCurve | node_flag::kSelected | node_flag::kSmooth);
}

TEST_F(ConnectionTest, SettingIsOfferedOnlyNextToACurve) {
  EXPECT_TRUE(glyph.canSetConnection(0));
  EXPECT_TRUE(glyph.canSetConnection(4));
  EXPECT_FALSE(glyph.canSetConnection(3));
  EXPECT_FALSE(glyph.canSetConnection(7));
  EXPECT_FALSE(glyph.setConnection(3, node_flag::kSmooth));
  EXPECT_EQ(nodeConnectionOf(glyph.header(3)), node_flag::kSharp);
}

TEST_F(ConnectionTest, SettingReplacesTheWholeConnectionField) {
  ASSERT_TRUE(glyph.setConnection(4, node_flag::kFixed));
  EXPECT_EQ(glyph.header(4), node_type::kLine | node_flag::kFixed);
  ASSERT_TRUE(glyph.setConnection(4, node_flag::kSmooth));
  EXPECT_EQ(glyph.header(4), node_type::kLine | node_flag::kSmooth);
  ASSERT_TRUE(glyph.setConnection(4, node_flag::kSharp));
  EXPECT_EQ(glyph.header(4), node_type::kLine);
}

}  // namespace
}  // namespace sorvella
