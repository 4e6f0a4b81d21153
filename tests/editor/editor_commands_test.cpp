// The editor's std-only commands: selection transforms, view mapping, undo store, snapping,
// nodes at extremes and advanced hinting.
#include <gtest/gtest.h>

#include "editor/advanced_hinting.h"
#include "editor/nodes_at_extremes.h"
#include "editor/paint_stroke.h"
#include "editor/segment_edits.h"
#include "editor/selection_transform.h"
#include "editor/snapping.h"
#include "editor/undo_store.h"
#include "editor/view_mapping.h"

namespace sorvella {
namespace {

Point pt(int x, int y) {
  return {static_cast<int16_t>(x), static_cast<int16_t>(y)};
}

Glyph square(int size) {
  Glyph g;
  g.appendNode(Node::move(pt(0, 0)));
  g.appendNode(Node::line(pt(size, 0)));
  g.appendNode(Node::line(pt(size, size)));
  g.appendNode(Node::line(pt(0, size)));
  return g;
}

TEST(SelectionTransform, MovesSelectedEndPointsWithTheirAttachedControlsOnly) {
  Glyph g;
  g.appendNode(Node::move(pt(0, 0)));
  g.appendNode(Node::curve(pt(100, 0), pt(10, 10), pt(90, 10)));
  g.appendNode(Node::curve(pt(0, 0), pt(110, 10), pt(10, -10)));
  g.setSelected(1, true);
  EXPECT_EQ(transformSelection(g, 0, moveTransform(5, -5)), 3);
  EXPECT_EQ(g.point(1), pt(105, -5));
  EXPECT_EQ(g.point(1, 2), pt(95, 5));
  EXPECT_EQ(g.point(2, 1), pt(115, 5));
  EXPECT_EQ(g.point(1, 1), pt(10, 10));
  EXPECT_EQ(g.point(2, 2), pt(10, -10));
}

TEST(SelectionTransform, ScaleSlantAndRotateRoundHalvesDown) {
  EXPECT_EQ(scaleTransform(pt(0, 0), 0.5, 0.5)(pt(5, -5)), pt(2, -3));
  EXPECT_EQ(scaleTransform(pt(10, 10), 2, 1)(pt(15, 20)), pt(20, 20));
  EXPECT_EQ(rotateTransform(90, pt(0, 0))(pt(100, 0)), pt(0, 100));
  EXPECT_EQ(slantTransform(12, 0)(pt(0, 500)), pt(106, 500));
  EXPECT_EQ(slantTransform(89.5, 0)(pt(0, 100)), pt(900, 100));
}

TEST(ViewMapping, FitScalesAWideBoxByWindowWidthLessMarginsUpToSeven) {
  Box wide{0, 0, 1000, 500};
  EXPECT_DOUBLE_EQ(ViewMapping::make(0, wide, 400, 400, 800, -200).scale(), 370.0 / 1000);
  Box tiny{0, 0, 10, 5};
  EXPECT_DOUBLE_EQ(ViewMapping::make(0, tiny, 400, 400, 800, -200).scale(), 7.0);
  Box line{0, 0, 0, 100};  // no width: that axis takes 7
  EXPECT_DOUBLE_EQ(ViewMapping::make(0, line, 400, 400, 800, -200).scale(), 3.7);
  ViewMapping zoomed = ViewMapping::make(150, wide, 400, 500, 800, -200);
  EXPECT_DOUBLE_EQ(zoomed.scale(), 0.5 * 1.5);
  const ScreenPoint top = zoomed.toScreen(0, 800);
  EXPECT_DOUBLE_EQ(top.y, 0.0);
  EXPECT_DOUBLE_EQ(zoomed.fontY(zoomed.toScreen(3, 77).y), 77.0);
}

TEST(ViewMapping, ViewBoxTakesInOriginAndAdvance) {
  Glyph g = square(100);
  g.setAdvance(0, pt(300, 0));
  for (int k = 0; k < 4; ++k)
    g.setPoint(k, 0, 0, {static_cast<int16_t>(g.point(k).x + 50), g.point(k).y});
  EXPECT_EQ(glyphViewBox(g, 0), (Box{0, 0, 300, 100}));
}

class UndoStoreTest : public ::testing::Test {
 protected:
  UndoStore store;
  Glyph glyph = square(100);
  void edit(int x) {
    store.record(1, 7, glyph);
    glyph.setPoint(1, 0, 0, pt(x, 0));
  }
};

TEST_F(UndoStoreTest, UndoRightAfterAnEditLetsRedoReturnToIt) {
  edit(200);
  edit(300);
  ASSERT_TRUE(store.undo(7, glyph));
  EXPECT_EQ(glyph.point(1), pt(200, 0));
  ASSERT_TRUE(store.undo(7, glyph));
  EXPECT_EQ(glyph.point(1), pt(100, 0));
  EXPECT_FALSE(store.undo(7, glyph));
  ASSERT_TRUE(store.redo(7, glyph));
  ASSERT_TRUE(store.redo(7, glyph));
  EXPECT_EQ(glyph.point(1), pt(300, 0));
  EXPECT_FALSE(store.redo(7, glyph));
}

TEST_F(UndoStoreTest, EditAfterUndoDropsTheRedoBranchAndOtherGlyphEmptiesTheStore) {
  edit(200);
  edit(300);
  store.undo(7, glyph);
  edit(400);
  EXPECT_FALSE(store.canRedo(7));
  store.undo(7, glyph);
  EXPECT_EQ(glyph.point(1), pt(200, 0));
  EXPECT_FALSE(store.canUndo(8));
  store.record(2, 8, glyph);
  EXPECT_EQ(store.size(), 1u);
  EXPECT_FALSE(store.canUndo(7));
}

TEST_F(UndoStoreTest, HoldsAHundredEntriesAndDropsStaleTrueTypeData) {
  glyph.trueTypeData().emplace();
  for (int k = 0; k < 150; ++k) edit(1000 + k);
  EXPECT_FALSE(glyph.trueTypeData().has_value());
  EXPECT_EQ(store.size(), UndoStore::kCapacity);
  int undos = 0;
  while (store.undo(7, glyph)) ++undos;
  EXPECT_EQ(undos, 99);  // the current glyph took the oldest entry's place
  EXPECT_EQ(glyph.point(1), pt(1050, 0));
}

TEST(Snapping, ToleranceIsThreePixelsInUnitsWithinOneToHundred) {
  EXPECT_EQ(snapTolerance(0.5), 6);
  EXPECT_EQ(snapTolerance(0.7), 4);
  EXPECT_EQ(snapTolerance(7.0), 1);
  EXPECT_EQ(snapTolerance(0.01), 100);
}

TEST(Snapping, GridThenHintsThenGuidesWithinTolerance) {
  Glyph g = square(100);
  g.setPoint(2, 0, 0, pt(103, 96));
  g.setPoint(3, 0, 0, pt(7, 100));
  g.hints().emplace();
  g.hints()->horizontal.push_back(Hint{{Stem{90, 8}}});  // edges 90 and 98
  g.guides().emplace();
  g.guides()->vertical.push_back(Guide{{GuideValue{10, 0}}});
  SnapSettings s;
  s.viewScale = 0.5;  // tolerance 6
  s.toGrid = true;
  s.gridX = s.gridY = 50;
  s.toHints = true;
  s.toGuides = true;
  EXPECT_EQ(snapNodes(g, s), 2);
  EXPECT_EQ(g.point(2), pt(100, 98));  // grid gave (100, 100), the hint edge 98 then
  EXPECT_EQ(g.point(3), pt(10, 98));   // x to the guide, y to the hint edge
  s.toHints = s.toGuides = s.toGrid = false;
  EXPECT_EQ(snapNodes(g, s), 0);
}

TEST(NodesAtExtremes, SplitsACurveAtItsHorizontalExtreme) {
  Glyph g;
  g.appendNode(Node::move(pt(0, 0)));
  g.appendNode(Node::curve(pt(0, 100), pt(100, 0), pt(100, 100)));
  EXPECT_TRUE(addNodesAtExtremes(g));
  ASSERT_EQ(g.nodeCount(), 3);
  EXPECT_EQ(g.point(1), pt(75, 50));  // x is largest at t = 0.5
  EXPECT_EQ(g.point(1, 2).x, 75);     // a vertical tangent there
  EXPECT_EQ(g.point(2, 1).x, 75);
  EXPECT_EQ(g.point(2), pt(0, 100));
  EXPECT_FALSE(addNodesAtExtremes(g));
}

TEST(SegmentEdits, InsertSplitsCurvesExactlyAndLinesAndTheClosingSegment) {
  Glyph g;
  g.appendNode(Node::move(pt(0, 0)));
  g.appendNode(Node::curve(pt(300, 0), pt(0, 300), pt(300, 300)));
  g.appendNode(Node::line(pt(300, -100)));
  ASSERT_TRUE(insertNodeAt(g, 1, 0.5));
  ASSERT_EQ(g.nodeCount(), 4);
  EXPECT_EQ(g.node(1).points, (std::vector<Point>{pt(150, 225), pt(0, 150), pt(75, 225)}));
  EXPECT_EQ(g.node(2).points, (std::vector<Point>{pt(300, 0), pt(225, 225), pt(300, 150)}));
  EXPECT_EQ(nodeConnectionOf(g.header(1)), node_flag::kSmooth);
  ASSERT_TRUE(insertNodeAt(g, 0, 0.5));  // the closing segment from (300,-100) to (0,0)
  EXPECT_EQ(g.node(4), Node::line(pt(150, -50)));
  EXPECT_FALSE(insertNodeAt(g, 1, 1.0));
}

TEST(SegmentEdits, ConvertAndNormalizeTurnCurvesIntoLines) {
  Glyph g;
  g.appendNode(Node::move(pt(0, 0)));
  g.appendNode(Node::curve(pt(300, 0), pt(100, 0), pt(200, 0)));
  g.appendNode(Node::curve(pt(300, 300), pt(310, 100), pt(300, 200)));
  EXPECT_FALSE(normalizeCurve(g, 2));
  EXPECT_TRUE(normalizeCurve(g, 1));
  EXPECT_EQ(g.node(1), Node::line(pt(300, 0)));
  EXPECT_TRUE(convertToLine(g, 2));
  EXPECT_EQ(g.node(2), Node::line(pt(300, 300)));
  EXPECT_FALSE(convertToLine(g, 2));
  ASSERT_TRUE(convertNode(g, 2));  // back to a curve, handles on the thirds
  EXPECT_EQ(g.node(2), Node::curve(pt(300, 300), pt(300, 100), pt(300, 200)));
  EXPECT_FALSE(convertNode(g, 0));
}

TEST(Snapping, MarginsTakeXToTheOriginOrTheAdvanceAfterTheGrid) {
  Glyph g = square(100);
  g.makeRoomForAdvances();
  g.setAdvance(0, pt(497, 0));
  g.setPoint(1, 0, 0, pt(494, 0));
  g.setPoint(2, 0, 0, pt(489, 100));
  g.setPoint(3, 0, 0, pt(-4, 100));
  SnapSettings s;
  s.viewScale = 0.5;  // tolerance 6
  s.toMargins = true;
  EXPECT_EQ(snapNodes(g, s), 2);
  EXPECT_EQ(g.point(1), pt(497, 0));
  EXPECT_EQ(g.point(2), pt(489, 100));  // 8 units away
  EXPECT_EQ(g.point(3), pt(0, 100));
  // The grid comes first: 489 goes to 492, which the margin then takes to 497.
  s.toGrid = true;
  s.gridX = 12;
  s.gridY = 100;
  EXPECT_EQ(snapNodes(g, s), 1);
  EXPECT_EQ(g.point(2), pt(497, 100));
}

class AdvancedHintingTest : public ::testing::Test {
 protected:
  // Two squares with conflicting horizontal hints: 0..100 and 50..150.
  Glyph g = [] {
    Glyph g = square(100);
    g.appendNode(Node::move(pt(200, 50)));
    g.appendNode(Node::line(pt(300, 50)));
    g.appendNode(Node::line(pt(300, 150)));
    g.appendNode(Node::line(pt(200, 150)));
    g.hints().emplace();
    g.hints()->horizontal = {Hint{{Stem{0, 100}}}, Hint{{Stem{50, 100}}}};
    return g;
  }();
};

TEST_F(AdvancedHintingTest, AddOnEmptyProgramGivesTwoSetsAroundThePoint) {
  ASSERT_TRUE(addReplacePoint(g, 4));
  const std::vector<HintReplacementEntry> expected{{1, 0}, {255, 4}, {1, 1}};
  EXPECT_EQ(g.hints()->replacement, expected);
  EXPECT_FALSE(addReplacePoint(g, 4));
  EXPECT_FALSE(addReplacePoint(g, 0));
}

TEST_F(AdvancedHintingTest, AddBeforeALaterPointAndRemoveMergesTheSets) {
  g.hints()->vertical = {Hint{{Stem{0, 100}}}};
  ASSERT_TRUE(addReplacePoint(g, 6));
  ASSERT_TRUE(addReplacePoint(g, 4));
  const std::vector<HintReplacementEntry> added{{1, 0}, {2, 0},   {255, 4}, {1, 1},
                                                {2, 0}, {255, 6}, {1, 1},   {2, 0}};
  EXPECT_EQ(g.hints()->replacement, added);
  ASSERT_TRUE(removeReplacePoint(g, static_cast<std::size_t>(replacePointAt(g, 4))));
  const std::vector<HintReplacementEntry> removed{{1, 0}, {2, 0}, {255, 6}, {1, 1}, {2, 0}};
  EXPECT_EQ(g.hints()->replacement, removed);
  EXPECT_FALSE(removeReplacePoint(g, 0));  // not a replacement point
}

}  // namespace
}  // namespace sorvella
