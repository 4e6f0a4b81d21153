// The chart grid: a scrolling grid of equal cells, one per item, with a current item, one
// selected range, keyboard and mouse rules, auto-scroll and drag arithmetic. It knows no fonts.
#pragma once

#include <cstdint>

namespace sorvella {

struct GridRect {
  int32_t left = 0, top = 0, right = 0, bottom = 0;
  friend bool operator==(const GridRect&, const GridRect&) = default;
};

// An inclusive item range; empty when first > last.
struct ItemRange {
  int32_t first = 0;
  int32_t last = -1;
  bool empty() const { return first > last; }
  bool contains(int32_t item) const { return item >= first && item <= last; }
  int32_t length() const { return empty() ? 0 : last - first + 1; }
  friend bool operator==(const ItemRange&, const ItemRange&) = default;
};

enum class GridScroll { kLineUp, kLineDown, kPageUp, kPageDown, kThumb, kTop, kBottom };
enum class GridKey { kLeft, kRight, kUp, kDown, kHome, kEnd, kPageUp, kPageDown, kEnter, kSpace };

// What a key asks of the window beyond the grid's own state.
enum class KeyOutcome { kIgnored, kMoved, kActivate, kContextMenu };
// What a left press started.
enum class PressOutcome { kSelecting, kDragging };

// A selection being dragged: its range and where inside it the pressed cell lies.
struct DragSource {
  ItemRange range;
  int32_t offset = 0;
};

class ChartGrid {
 public:
  static constexpr int32_t kDefaultCell = 20;
  static constexpr uint32_t kMayDrag = 1;
  static constexpr uint32_t kMaySelectRanges = 2;
  static constexpr int32_t kPageRows = 5;  // rows of a scroll-bar page step
  static constexpr int32_t kAutoScrollMilliseconds = 200;

  ChartGrid(int32_t cellWidth = kDefaultCell, int32_t cellHeight = kDefaultCell);

  // Geometry. Sizes below 1 read as 1.
  void setCellSize(int32_t width, int32_t height);
  int32_t cellWidth() const { return cellWidth_; }
  int32_t cellHeight() const { return cellHeight_; }
  // A new client size; true when the first row had to be lowered (repaint all).
  bool resize(int32_t clientWidth, int32_t clientHeight);
  // A new item count; current item and selection are clamped to it.
  void setItemCount(int32_t count);
  int32_t itemCount() const { return itemCount_; }
  int32_t columns() const { return columns_; }
  int32_t visibleRows() const { return visibleRows_; }
  int32_t totalRows() const;
  int32_t firstRow() const { return firstRow_; }
  int32_t maxFirstRow() const;
  int32_t itemAt(int32_t x, int32_t y) const;
  GridRect cellRect(int32_t item) const;
  // The items whose cells meet the client area, as a range (empty without columns).
  ItemRange visibleItems() const;

  uint32_t flags() const { return flags_; }
  void setFlags(uint32_t flags) { flags_ = flags; }

  // Scrolling; each returns the rows the contents moved by (old first row - new first row).
  int32_t scrollTo(int32_t row);
  int32_t scroll(GridScroll action, int32_t thumbRow = 0);
  // Scrolls just enough for the item's row to be visible.
  int32_t ensureVisible(int32_t item);

  // Selection.
  ItemRange selection() const { return selection_; }
  void setSelection(int32_t first, int32_t last);
  void clearSelection() { selection_ = {}; }
  bool isSelected(int32_t item) const { return selection_.contains(item); }
  int32_t current() const { return current_; }
  void setCurrent(int32_t item);
  int32_t anchor() const { return anchor_; }

  // Keyboard: ignored while the mouse is down or without columns.
  KeyOutcome key(GridKey key, bool shift, bool ctrl);

  // Mouse, in client pixels. A press over no item (empty grid) starts nothing.
  PressOutcome press(int32_t x, int32_t y, bool shift, bool ctrl);
  // A move with the button held: the cell under the pointer becomes current and extends the
  // selection from the anchor; true when anything changed.
  bool moveTo(int32_t x, int32_t y);
  // The auto-scroll step for a pointer at y while selecting: -1 in the first visible row,
  // +1 in the last, 0 elsewhere or when there is nothing more to scroll to.
  int32_t autoScrollStep(int32_t y) const;
  // One timer tick: scrolls one row toward the pointer, then extends the selection to the
  // cell under it; returns the rows scrolled.
  int32_t autoScrollTick(int32_t x, int32_t y);
  void release();
  bool selecting() const { return mode_ == Mode::kSelecting; }
  bool dragging() const { return mode_ == Mode::kDragging; }
  bool mouseDown() const { return mode_ != Mode::kNone; }

  // Drag: the source side's range and offset; the target side's drop range for the pointer
  // (same length, starting at the cell under it minus the offset, clamped to the items).
  DragSource dragSource() const { return dragSource_; }
  ItemRange dropRange(int32_t x, int32_t y, const DragSource& source) const;
  ItemRange dropTarget() const { return dropTarget_; }
  void setDropTarget(ItemRange range) { dropTarget_ = range; }

 private:
  enum class Mode { kNone, kSelecting, kDragging };
  int32_t clampItem(int32_t item) const;
  void select(int32_t item, bool extend);

  int32_t cellWidth_;
  int32_t cellHeight_;
  int32_t clientWidth_ = 0;
  int32_t clientHeight_ = 0;
  int32_t columns_ = 0;
  int32_t visibleRows_ = 0;
  int32_t firstRow_ = 0;
  int32_t itemCount_ = 0;
  int32_t current_ = 0;
  int32_t anchor_ = 0;
  ItemRange selection_;
  uint32_t flags_ = kMayDrag | kMaySelectRanges;
  Mode mode_ = Mode::kNone;
  DragSource dragSource_;
  ItemRange dropTarget_;
};

}  // namespace sorvella
