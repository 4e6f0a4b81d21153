// The packed node buffer: node access and status codes, structural edits, capacity rules,
// contour navigation, selection, control box and whole-outline copies.
#include "glyph/outline.h"

#include <gtest/gtest.h>

#include "glyph/glyph_printers.h"
#include "glyph/node.h"

namespace sorvella {
namespace {

// Move and line nodes of one master take 6 bytes, curves 14.
constexpr uint32_t kOnePointBytes = 6;

Outline linesOutline(int lines) {
  Outline o;
  o.appendNode(Node::move({0, 0}));
  for (int k = 1; k <= lines; ++k) o.appendNode(Node::line({static_cast<int16_t>(k), 0}));
  return o;
}

// Two contours: a square of lines and a cubic lobe, plus a quadratic run.
//   0 move(0,0) 1 line(100,0) 2 line(100,100)
//   3 move(200,0) 4 curve(300,0; 200,80, 300,80)
//   5 move(400,0) 6 off(450,50) 7 off(500,0) 8 line(550,0)
class OutlineNavigationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    o.appendNode(Node::move({0, 0}));
    o.appendNode(Node::line({100, 0}));
    o.appendNode(Node::line({100, 100}));
    o.appendNode(Node::move({200, 0}));
    o.appendNode(Node::curve({300, 0}, {200, 80}, {300, 80}));
    o.appendNode(Node::move({400, 0}));
    o.appendNode(Node::offCurve({450, 50}));
    o.appendNode(Node::offCurve({500, 0}));
    o.appendNode(Node::line({550, 0}));
  }
  Outline o;
};

TEST_F(OutlineNavigationTest, ContourStartIsTheMoveNodeAtOrBefore) {
  EXPECT_EQ(o.contourStart(0), 0);
  EXPECT_EQ(o.contourStart(2), 0);
  EXPECT_EQ(o.contourStart(3), 3);
  EXPECT_EQ(o.contourStart(4), 3);
  EXPECT_EQ(o.contourStart(8), 5);
}

TEST_F(OutlineNavigationTest, ContourEndIsTheNodeBeforeTheNextMoveOrTheLastNode) {
  EXPECT_EQ(o.contourEnd(0), 2);
  EXPECT_EQ(o.contourEnd(2), 2);
  EXPECT_EQ(o.contourEnd(3), 4);
  EXPECT_EQ(o.contourEnd(5), 8);
  EXPECT_EQ(o.contourEnd(8), 8);
}

TEST_F(OutlineNavigationTest, OnCurveNavigationSkipsOffCurveNodes) {
  EXPECT_EQ(o.nextOnCurve(5), 8);
  EXPECT_EQ(o.nextOnCurve(6), 8);
  EXPECT_EQ(o.previousOnCurve(8), 5);
  EXPECT_EQ(o.previousOnCurve(7), 5);
  EXPECT_EQ(o.nextOnCurve(1), 2);
  EXPECT_EQ(o.previousOnCurve(0), -1);
  EXPECT_EQ(o.nextOnCurve(8), -1);
}

TEST_F(OutlineNavigationTest, ContoursAreCountedAndNumberedByMoveNodes) {
  EXPECT_EQ(o.contourCount(), 3);
  EXPECT_EQ(o.contourNumberOf(1), 0);
  EXPECT_EQ(o.contourNumberOf(3), 1);
  EXPECT_EQ(o.contourNumberOf(4), 1);
  EXPECT_EQ(o.contourNumberOf(7), 2);
  EXPECT_EQ(o.contourNumberOf(9), -1);
  EXPECT_EQ(o.contourStartByNumber(2), 5);
  EXPECT_EQ(o.contourStartByNumber(3), -1);
}

TEST_F(OutlineNavigationTest, ControlBoxWidensTheGivenBoxByControlPointsToo) {
  Box box{-10, 20, 30, 40};
  o.widenControlBox(0, box);
  // The curve's controls reach y 80, the off-curve 50; the given xMin -10 stays.
  EXPECT_EQ(box, (Box{-10, 0, 550, 100}));
}

TEST_F(OutlineNavigationTest, SelectionCountsAndClearsTheSelectedBit) {
  EXPECT_FALSE(o.anySelected());
  o.setSelected(4, true);
  o.setSelected(7, true);
  EXPECT_TRUE(o.anySelected());
  EXPECT_EQ(o.countSelected(), 2);
  EXPECT_EQ(o.header(4), node_type::kCurve | node_flag::kSelected);
  o.selectAll();
  EXPECT_EQ(o.countSelected(), 9);
  o.deselectAll();
  EXPECT_FALSE(o.anySelected());
  EXPECT_EQ(o.header(4), node_type::kCurve);
}

class OutlineNodeAccessTest : public ::testing::Test {};

TEST_F(OutlineNodeAccessTest, PointsArePointMajorAcrossMasters) {
  Outline o(2);
  Node curve;
  curve.header = node_type::kCurve;
  // end m0, end m1, control1 m0, control1 m1, control2 m0, control2 m1
  curve.points = {{10, 11}, {20, 21}, {30, 31}, {40, 41}, {50, 51}, {60, 61}};
  ASSERT_TRUE(o.appendNode(Node::move({1, 2}, 2)));
  ASSERT_TRUE(o.appendNode(curve));
  EXPECT_EQ(o.point(1, 0, 1), (Point{20, 21}));
  EXPECT_EQ(o.point(1, 1, 0), (Point{30, 31}));
  EXPECT_EQ(o.point(1, 2, 1), (Point{60, 61}));
  EXPECT_EQ(o.usedSize(), 2u + 4 * 1 * 2 + 2 + 4 * 3 * 2);
  EXPECT_EQ(o.node(1), curve);
}

TEST_F(OutlineNodeAccessTest, EmptyOutlineYieldsNothingWithNoDataStatus) {
  Outline o;
  EXPECT_EQ(o.header(0), 0);
  EXPECT_EQ(o.status(), kOutlineNoData);
  EXPECT_EQ(o.node(0), Node{});
}

TEST_F(OutlineNodeAccessTest, IndexOutOfRangeYieldsNothingWithStatusOne) {
  Outline o = linesOutline(1);
  EXPECT_EQ(o.point(2), (Point{}));
  EXPECT_EQ(o.status(), kOutlineIndexOutOfRange);
  o.resetStatus();
  EXPECT_EQ(o.header(-1), 0);
  EXPECT_EQ(o.status(), kOutlineIndexOutOfRange);
  o.resetStatus();
  EXPECT_FALSE(o.setPoint(1, 1, 0, {5, 5}));  // a line has no point 1
  EXPECT_EQ(o.status(), kOutlineIndexOutOfRange);
  EXPECT_EQ(o.point(1), (Point{1, 0}));
}

TEST_F(OutlineNodeAccessTest, HeaderFlagsLeaveTypeAndPointCountAlone) {
  Outline o = linesOutline(1);
  ASSERT_TRUE(o.setHeaderFlags(1, 0xFFFF, node_flag::kFixed));
  EXPECT_EQ(o.header(1), node_type::kLine | node_flag::kFixed);
}

class OutlineEditTest : public ::testing::Test {};

TEST_F(OutlineEditTest, InsertAtOrPastTheEndAppends) {
  Outline o = linesOutline(1);
  ASSERT_TRUE(o.insertNode(1, Node::line({9, 9})));
  ASSERT_TRUE(o.insertNode(10, Node::line({7, 7})));
  ASSERT_EQ(o.nodeCount(), 4);
  EXPECT_EQ(o.point(1), (Point{9, 9}));
  EXPECT_EQ(o.point(2), (Point{1, 0}));
  EXPECT_EQ(o.point(3), (Point{7, 7}));
}

TEST_F(OutlineEditTest, SingleInsertsAndDeletesKeepLaterNodesReachable) {
  Outline o;
  o.appendNode(Node::move({0, 0}));
  o.appendNode(Node::curve({30, 0}, {10, 10}, {20, 10}));
  o.appendNode(Node::line({40, 0}));
  ASSERT_EQ(o.point(2), (Point{40, 0}));  // the offsets are known from here on
  o.insertNode(1, Node::curve({5, 5}, {1, 1}, {2, 2}));
  EXPECT_EQ(o.point(2, 2), (Point{20, 10}));
  EXPECT_EQ(o.point(3), (Point{40, 0}));
  o.deleteNode(1);
  EXPECT_EQ(o.point(1, 1), (Point{10, 10}));
  EXPECT_EQ(o.point(2), (Point{40, 0}));
  EXPECT_EQ(o.usedSize(), 6u + 14 + 6);
}

TEST_F(OutlineEditTest, DeleteRangeIsClampedToTheEnd) {
  Outline o = linesOutline(4);
  ASSERT_TRUE(o.deleteNodes(3, 100));
  ASSERT_EQ(o.nodeCount(), 3);
  EXPECT_EQ(o.point(2), (Point{2, 0}));
  EXPECT_EQ(o.usedSize(), 3 * kOnePointBytes);
}

TEST_F(OutlineEditTest, NodeOfTheWrongShapeIsRefused) {
  Outline o(2);
  EXPECT_FALSE(o.appendNode(Node::move({0, 0}, 1)));
  EXPECT_TRUE(o.empty());
}

TEST_F(OutlineEditTest, AppendNodesIntoAnEmptyOutlineStartsWithTheFirstCopiedNode) {
  Outline source = linesOutline(3);
  Outline o;
  ASSERT_TRUE(o.appendNodes(source, 1, 2));
  ASSERT_EQ(o.nodeCount(), 2);
  EXPECT_EQ(o.node(0), Node::line({1, 0}));
  EXPECT_EQ(o.node(1), Node::line({2, 0}));
}

TEST_F(OutlineEditTest, InsertNodesPlacesTheCopiedRangeBeforeNodeI) {
  Outline source = linesOutline(3);
  Outline o = linesOutline(1);
  ASSERT_TRUE(o.insertNodes(1, source, 2, 5));  // only nodes 2 and 3 exist
  ASSERT_EQ(o.nodeCount(), 4);
  EXPECT_EQ(o.point(1), (Point{2, 0}));
  EXPECT_EQ(o.point(2), (Point{3, 0}));
  EXPECT_EQ(o.point(3), (Point{1, 0}));
}

TEST_F(OutlineEditTest, InsertNodesFromItselfCopiesTheOldNodes) {
  Outline o = linesOutline(2);
  ASSERT_TRUE(o.insertNodes(0, o, 1, 2));
  ASSERT_EQ(o.nodeCount(), 5);
  EXPECT_EQ(o.point(0), (Point{1, 0}));
  EXPECT_EQ(o.point(1), (Point{2, 0}));
  EXPECT_EQ(o.type(2), node_type::kMove);
  EXPECT_EQ(o.point(4), (Point{2, 0}));
}

TEST_F(OutlineEditTest, CombiningDifferentMasterCountsCopiesNothing) {
  Outline two(2);
  two.appendNode(Node::move({0, 0}, 2));
  Outline o = linesOutline(1);
  EXPECT_FALSE(o.appendNodes(two, 0, 1));
  EXPECT_EQ(o.status(), kOutlineMasterCountsDiffer);
  o.resetStatus();
  EXPECT_FALSE(o.insertNodes(0, two, 0, 1));
  EXPECT_EQ(o.status(), kOutlineMasterCountsDiffer);
  EXPECT_EQ(o.nodeCount(), 2);
}

TEST_F(OutlineEditTest, ReplaceNodesSwapsARangeForAnotherOutline) {
  Outline o = linesOutline(3);
  Outline replacement;
  replacement.appendNode(Node::curve({7, 7}, {5, 5}, {6, 6}));
  ASSERT_TRUE(o.replaceNodes(1, 2, replacement));
  ASSERT_EQ(o.nodeCount(), 3);
  EXPECT_EQ(o.type(1), node_type::kCurve);
  EXPECT_EQ(o.point(2), (Point{3, 0}));
}

class OutlineCapacityTest : public ::testing::Test {};

TEST_F(OutlineCapacityTest, GrowthStepIsThirtyTwoBytesPerMasterPlusEight) {
  EXPECT_EQ(Outline(1).growthStep(), 40u);
  EXPECT_EQ(Outline(3).growthStep(), 104u);
}

TEST_F(OutlineCapacityTest, SmallAppendsGrowByOneStep) {
  Outline o = linesOutline(5);  // 36 bytes
  EXPECT_EQ(o.capacity(), 40u);
  o.appendNode(Node::line({0, 1}));  // 42 bytes
  EXPECT_EQ(o.capacity(), 80u);
}

TEST_F(OutlineCapacityTest, LargeRequestGrowsByTheRequestedAmount) {
  Outline source = linesOutline(19);  // 120 bytes
  Outline o;
  ASSERT_TRUE(o.appendNodes(source, 0, 20));
  EXPECT_EQ(o.capacity(), 120u);
}

TEST_F(OutlineCapacityTest, DeletionsShrinkOnlyWhenSlackExceedsOneStep) {
  Outline source = linesOutline(19);
  Outline o;
  o.appendNodes(source, 0, 20);  // 120 of 120 bytes
  o.deleteNodes(14, 6);          // 84 used: 36 slack
  EXPECT_EQ(o.capacity(), 120u);
  o.deleteNodes(12, 2);  // 72 used: 48 slack, shrinks to two steps
  EXPECT_EQ(o.capacity(), 80u);
  o.deleteNode(0);  // 66 used: 14 slack
  EXPECT_EQ(o.capacity(), 80u);
  o.deleteNodes(0, 11);  // 0 used
  EXPECT_EQ(o.capacity(), 0u);
}

TEST_F(OutlineCapacityTest, SlackOfExactlyOneStepIsKept) {
  Outline source;  // 80 bytes to keep, then 40 to delete
  source.appendNode(Node::move({0, 0}));
  for (int k = 0; k < 3; ++k) source.appendNode(Node::line({1, 1}));
  for (int k = 0; k < 6; ++k) source.appendNode(Node::curve({2, 2}, {3, 3}, {4, 4}));
  for (int k = 0; k < 2; ++k) source.appendNode(Node::line({5, 5}));
  Outline o;
  ASSERT_TRUE(o.appendNodes(source, 0, source.nodeCount()));
  ASSERT_EQ(o.capacity(), 120u);
  o.deleteNodes(8, 4);
  ASSERT_EQ(o.usedSize(), 80u);
  EXPECT_EQ(o.capacity(), 120u);
  o.deleteNode(7);  // 66 used
  EXPECT_EQ(o.capacity(), 80u);
}

TEST_F(OutlineCapacityTest, ShrinkToFitLeavesOnlyTheUsedSize) {
  Outline o = linesOutline(2);
  o.shrinkToFit();
  EXPECT_EQ(o.capacity(), 3 * kOnePointBytes);
}

class OutlineCopyTest : public ::testing::Test {};

TEST_F(OutlineCopyTest, AssignCopiesMasterCountAndNodes) {
  Outline source(2);
  source.appendNode(Node::move({3, 4}, 2));
  source.setPoint(0, 0, 1, {5, 6});
  Outline o = linesOutline(3);
  o.assign(source);
  EXPECT_EQ(o.masterCount(), 2);
  EXPECT_TRUE(o.sameNodes(source));
  o.setPoint(0, 0, 1, {0, 0});
  EXPECT_EQ(source.point(0, 0, 1), (Point{5, 6}));
}

TEST_F(OutlineCopyTest, TakeOverAdoptsTheBufferAndEmptiesTheSource) {
  Outline source = linesOutline(7);  // 48 bytes in an 80-byte buffer
  Outline o(2);
  o.takeOver(std::move(source));
  EXPECT_EQ(o.masterCount(), 1);
  EXPECT_EQ(o.nodeCount(), 8);
  EXPECT_EQ(o.capacity(), 80u);
  EXPECT_EQ(o.point(7), (Point{7, 0}));
  EXPECT_TRUE(source.empty());  // NOLINT(bugprone-use-after-move): emptied by design
  EXPECT_EQ(source.capacity(), 0u);
}

}  // namespace
}  // namespace sorvella
