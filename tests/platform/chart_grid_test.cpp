#include "platform/chart_grid.h"

#include <gtest/gtest.h>

namespace sorvella {
namespace {

// 10 columns of 20 x 20 cells, 8 visible rows, 1000 items unless a test says otherwise.
class ChartGridTest : public ::testing::Test {
 protected:
  void SetUp() override {
    grid_.setItemCount(1000);
    grid_.resize(205, 165);
  }
  void moveTo(int32_t item) {
    grid_.setCurrent(item);
    grid_.setSelection(item, item);
    grid_.press(grid_.cellRect(item).left + 1, grid_.cellRect(item).top + 1, false, true);
    grid_.release();
  }
  ChartGrid grid_;
};

TEST_F(ChartGridTest, GeometryFollowsTheClientSize) {
  EXPECT_EQ(grid_.columns(), 10);
  EXPECT_EQ(grid_.visibleRows(), 8);
  EXPECT_EQ(grid_.totalRows(), 100);
  EXPECT_EQ(grid_.itemAt(45, 30), 12);
  EXPECT_EQ(grid_.itemAt(500, 25), 19);  // clamped column
  EXPECT_EQ(grid_.itemAt(5, -5), 0);     // clamped item
  grid_.scrollTo(3);
  EXPECT_EQ(grid_.itemAt(0, 0), 30);
  EXPECT_EQ(grid_.itemAt(0, -1), 20);
  EXPECT_EQ(grid_.cellRect(31), (GridRect{20, 0, 40, 20}));
  EXPECT_EQ(grid_.visibleItems(), (ItemRange{30, 119}));
  // Growing the window past the items lowers the first row.
  grid_.scrollTo(92);
  EXPECT_TRUE(grid_.resize(205, 400));
  EXPECT_EQ(grid_.firstRow(), 80);
}

TEST_F(ChartGridTest, ScrollingIsClampedToTheRange) {
  struct Case {
    GridScroll action;
    int32_t thumb;
    int32_t from;
    int32_t row;
  };
  const Case cases[] = {
      {GridScroll::kLineDown, 0, 0, 1},   {GridScroll::kLineUp, 0, 0, 0},
      {GridScroll::kPageDown, 0, 10, 15}, {GridScroll::kPageUp, 0, 3, 0},
      {GridScroll::kThumb, 50, 0, 50},    {GridScroll::kThumb, 500, 0, 92},
      {GridScroll::kBottom, 0, 0, 92},    {GridScroll::kTop, 0, 40, 0},
  };
  for (const Case& c : cases) {
    grid_.scrollTo(c.from);
    EXPECT_EQ(grid_.scroll(c.action, c.thumb), c.from - c.row);
    EXPECT_EQ(grid_.firstRow(), c.row);
  }
}

TEST_F(ChartGridTest, KeysMoveTheCurrentItemAndClamp) {
  struct Case {
    int32_t from;
    GridKey key;
    bool ctrl;
    int32_t to;
  };
  const Case cases[] = {
      {3, GridKey::kUp, false, 0},        {995, GridKey::kDown, false, 999},
      {5, GridKey::kPageDown, false, 65}, {65, GridKey::kPageUp, false, 5},
      {57, GridKey::kHome, false, 50},    {57, GridKey::kEnd, false, 59},
      {57, GridKey::kHome, true, 0},      {57, GridKey::kEnd, true, 999},
      {0, GridKey::kLeft, false, 0},      {999, GridKey::kRight, false, 999},
  };
  for (const Case& c : cases) {
    moveTo(c.from);
    EXPECT_EQ(grid_.key(c.key, false, c.ctrl), KeyOutcome::kMoved);
    EXPECT_EQ(grid_.current(), c.to) << c.from;
    EXPECT_EQ(grid_.selection(), (ItemRange{c.to, c.to}));
  }
  EXPECT_EQ(grid_.key(GridKey::kEnter, false, false), KeyOutcome::kActivate);
  EXPECT_EQ(grid_.key(GridKey::kSpace, false, false), KeyOutcome::kContextMenu);
}

TEST_F(ChartGridTest, ShiftExtendsFromTheAnchorAndMovesScrollIntoView) {
  moveTo(5);
  grid_.key(GridKey::kRight, true, false);
  EXPECT_EQ(grid_.selection(), (ItemRange{5, 6}));
  grid_.key(GridKey::kLeft, false, false);
  EXPECT_EQ(grid_.selection(), (ItemRange{5, 5}));
  grid_.key(GridKey::kEnd, true, true);
  EXPECT_EQ(grid_.selection(), (ItemRange{5, 999}));
  EXPECT_EQ(grid_.firstRow(), 92);
  grid_.key(GridKey::kHome, false, true);
  EXPECT_EQ(grid_.firstRow(), 0);
  for (int i = 0; i < 8; ++i) grid_.key(GridKey::kDown, false, false);
  EXPECT_EQ(grid_.firstRow(), 1);  // just enough to show row 8
}

TEST_F(ChartGridTest, WithoutColumnsOrDuringAMouseOperationKeysDoNothing) {
  grid_.resize(15, 165);
  EXPECT_EQ(grid_.key(GridKey::kRight, false, false), KeyOutcome::kIgnored);
  grid_.resize(205, 165);
  grid_.press(1, 1, false, false);
  EXPECT_EQ(grid_.key(GridKey::kRight, false, false), KeyOutcome::kIgnored);
  grid_.release();
  EXPECT_EQ(grid_.key(GridKey::kRight, false, false), KeyOutcome::kMoved);
  EXPECT_EQ(grid_.current(), 1);
}

TEST_F(ChartGridTest, MouseSelectsExtendsAndAutoScrolls) {
  EXPECT_EQ(grid_.press(45, 25, false, false), PressOutcome::kSelecting);  // item 12
  EXPECT_TRUE(grid_.moveTo(65, 45));
  EXPECT_EQ(grid_.selection(), (ItemRange{12, 23}));
  // In the last visible row each tick scrolls one row and extends the selection.
  EXPECT_EQ(grid_.autoScrollStep(150), 1);
  EXPECT_EQ(grid_.autoScrollStep(60), 0);
  EXPECT_EQ(grid_.autoScrollTick(5, 150), -1);
  EXPECT_EQ(grid_.firstRow(), 1);
  EXPECT_EQ(grid_.selection(), (ItemRange{12, 80}));
  grid_.release();
  // Shift+press selects from the previous current item.
  grid_.press(5, 5, true, false);
  EXPECT_EQ(grid_.selection(), (ItemRange{10, 80}));
  grid_.release();
  EXPECT_EQ(grid_.autoScrollStep(150), 0);  // not selecting any more
  // Without range selection a move selects just the cell.
  grid_.setFlags(ChartGrid::kMayDrag);
  grid_.clearSelection();
  grid_.press(5, 5, false, false);
  grid_.moveTo(45, 45);
  EXPECT_EQ(grid_.selection(), (ItemRange{32, 32}));
}

TEST_F(ChartGridTest, PressInsideTheSelectionDragsItWithItsOffset) {
  grid_.setSelection(5, 7);
  EXPECT_EQ(grid_.press(125, 5, false, false), PressOutcome::kDragging);  // item 6
  EXPECT_EQ(grid_.dragSource().offset, 1);
  // Dropping on CID 2 places the range at 1..3; near the ends it is clamped.
  EXPECT_EQ(grid_.dropRange(45, 5, grid_.dragSource()), (ItemRange{1, 3}));
  EXPECT_EQ(grid_.dropRange(5, 5, grid_.dragSource()), (ItemRange{0, 2}));
  grid_.setItemCount(60);
  EXPECT_EQ(grid_.dropRange(195, 125, grid_.dragSource()), (ItemRange{58, 59}));
  grid_.release();
  // Ctrl, or a chart that does not drag, selects instead.
  EXPECT_EQ(grid_.press(125, 5, false, true), PressOutcome::kSelecting);
  grid_.release();
  grid_.setFlags(ChartGrid::kMaySelectRanges);
  EXPECT_EQ(grid_.press(125, 5, false, false), PressOutcome::kSelecting);
}

}  // namespace
}  // namespace sorvella
