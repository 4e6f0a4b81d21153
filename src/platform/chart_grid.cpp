#include "platform/chart_grid.h"

#include <algorithm>

namespace sorvella {

ChartGrid::ChartGrid(int32_t cellWidth, int32_t cellHeight)
    : cellWidth_(std::max(cellWidth, 1)), cellHeight_(std::max(cellHeight, 1)) {}

void ChartGrid::setCellSize(int32_t width, int32_t height) {
  cellWidth_ = std::max(width, 1);
  cellHeight_ = std::max(height, 1);
  resize(clientWidth_, clientHeight_);
}

bool ChartGrid::resize(int32_t clientWidth, int32_t clientHeight) {
  clientWidth_ = std::max(clientWidth, 0);
  clientHeight_ = std::max(clientHeight, 0);
  columns_ = clientWidth_ / cellWidth_;
  visibleRows_ = clientHeight_ / cellHeight_;
  if (firstRow_ > maxFirstRow()) {
    firstRow_ = maxFirstRow();
    return true;
  }
  return false;
}

void ChartGrid::setItemCount(int32_t count) {
  itemCount_ = std::max(count, 0);
  current_ = clampItem(current_);
  anchor_ = clampItem(anchor_);
  if (!selection_.empty()) {
    if (selection_.first >= itemCount_) {
      selection_ = {};
    } else {
      selection_.last = std::min(selection_.last, itemCount_ - 1);
    }
  }
  firstRow_ = std::min(firstRow_, maxFirstRow());
}

int32_t ChartGrid::totalRows() const {
  if (columns_ <= 0) return 0;
  return static_cast<int32_t>((int64_t{itemCount_} + columns_ - 1) / columns_);
}

int32_t ChartGrid::maxFirstRow() const {
  return std::max(totalRows() - visibleRows_, 0);
}

int32_t ChartGrid::clampItem(int32_t item) const {
  return std::clamp(item, 0, std::max(itemCount_ - 1, 0));
}

int32_t ChartGrid::itemAt(int32_t x, int32_t y) const {
  if (columns_ <= 0) return 0;
  const int32_t column = std::clamp(x / cellWidth_, 0, columns_ - 1);
  // Floor, so that a point above the window lies in the row above the first.
  const int32_t rowInWindow = y >= 0 ? y / cellHeight_ : -((-y + cellHeight_ - 1) / cellHeight_);
  const int64_t item = (int64_t{rowInWindow} + firstRow_) * columns_ + column;
  return clampItem(static_cast<int32_t>(std::clamp<int64_t>(item, 0, INT32_MAX)));
}

GridRect ChartGrid::cellRect(int32_t item) const {
  if (columns_ <= 0) return {};
  const int32_t column = item % columns_;
  const int32_t row = item / columns_ - firstRow_;
  return {column * cellWidth_, row * cellHeight_, (column + 1) * cellWidth_,
          (row + 1) * cellHeight_};
}

ItemRange ChartGrid::visibleItems() const {
  if (columns_ <= 0 || itemCount_ <= 0) return {};
  const int32_t rows = (clientHeight_ + cellHeight_ - 1) / cellHeight_;
  const int64_t first = int64_t{firstRow_} * columns_;
  const int64_t last = std::min<int64_t>(first + int64_t{rows} * columns_, itemCount_) - 1;
  if (first > last) return {};
  return {static_cast<int32_t>(first), static_cast<int32_t>(last)};
}

int32_t ChartGrid::scrollTo(int32_t row) {
  const int32_t old = firstRow_;
  firstRow_ = std::clamp(row, 0, maxFirstRow());
  return old - firstRow_;
}

int32_t ChartGrid::scroll(GridScroll action, int32_t thumbRow) {
  switch (action) {
    case GridScroll::kLineUp:
      return scrollTo(firstRow_ - 1);
    case GridScroll::kLineDown:
      return scrollTo(firstRow_ + 1);
    case GridScroll::kPageUp:
      return scrollTo(firstRow_ - kPageRows);
    case GridScroll::kPageDown:
      return scrollTo(firstRow_ + kPageRows);
    case GridScroll::kThumb:
      return scrollTo(thumbRow);
    case GridScroll::kTop:
      return scrollTo(0);
    case GridScroll::kBottom:
      return scrollTo(maxFirstRow());
  }
  return 0;
}

int32_t ChartGrid::ensureVisible(int32_t item) {
  if (columns_ <= 0) return 0;
  const int32_t row = clampItem(item) / columns_;
  if (row < firstRow_) return scrollTo(row);
  const int32_t lastVisible = firstRow_ + std::max(visibleRows_, 1) - 1;
  if (row > lastVisible) return scrollTo(row - std::max(visibleRows_, 1) + 1);
  return 0;
}

void ChartGrid::setSelection(int32_t first, int32_t last) {
  if (first > last || itemCount_ <= 0) {
    selection_ = {};
    return;
  }
  selection_ = {clampItem(first), clampItem(last)};
}

void ChartGrid::setCurrent(int32_t item) {
  current_ = clampItem(item);
}

void ChartGrid::select(int32_t item, bool extend) {
  current_ = clampItem(item);
  if (itemCount_ <= 0) return;
  if (extend && (flags_ & kMaySelectRanges)) {
    selection_ = {std::min(anchor_, current_), std::max(anchor_, current_)};
  } else {
    anchor_ = current_;
    selection_ = {current_, current_};
  }
}

KeyOutcome ChartGrid::key(GridKey key, bool shift, bool ctrl) {
  if (mode_ != Mode::kNone || columns_ <= 0 || itemCount_ <= 0) return KeyOutcome::kIgnored;
  // A window of one or two rows still pages by one row.
  const int64_t page = int64_t{std::max(visibleRows_ - 2, 1)} * columns_;
  int64_t next = current_;
  switch (key) {
    case GridKey::kLeft:
      next = current_ - 1;
      break;
    case GridKey::kRight:
      next = current_ + 1;
      break;
    case GridKey::kUp:
      next = current_ - columns_;
      break;
    case GridKey::kDown:
      next = int64_t{current_} + columns_;
      break;
    case GridKey::kHome:
      next = ctrl ? 0 : (current_ / columns_) * columns_;
      break;
    case GridKey::kEnd:
      next = ctrl ? itemCount_ - 1 : (int64_t{current_} / columns_ + 1) * columns_ - 1;
      break;
    case GridKey::kPageUp:
      next = current_ - page;
      break;
    case GridKey::kPageDown:
      next = current_ + page;
      break;
    case GridKey::kEnter:
      return KeyOutcome::kActivate;
    case GridKey::kSpace:
      return KeyOutcome::kContextMenu;
  }
  select(static_cast<int32_t>(std::clamp<int64_t>(next, 0, itemCount_ - 1)), shift);
  ensureVisible(current_);
  return KeyOutcome::kMoved;
}

PressOutcome ChartGrid::press(int32_t x, int32_t y, bool shift, bool ctrl) {
  const int32_t item = itemAt(x, y);
  if (itemCount_ > 0 && columns_ > 0 && selection_.contains(item) && (flags_ & kMayDrag) &&
      !shift && !ctrl) {
    mode_ = Mode::kDragging;
    dragSource_ = {selection_, item - selection_.first};
    dropTarget_ = {};
    return PressOutcome::kDragging;
  }
  mode_ = Mode::kSelecting;
  if (shift && (flags_ & kMaySelectRanges)) anchor_ = current_;
  select(item, shift);
  return PressOutcome::kSelecting;
}

bool ChartGrid::moveTo(int32_t x, int32_t y) {
  if (mode_ != Mode::kSelecting || columns_ <= 0 || itemCount_ <= 0) return false;
  const int32_t item = itemAt(x, y);
  const ItemRange before = selection_;
  const int32_t currentBefore = current_;
  select(item, true);
  return before != selection_ || currentBefore != current_;
}

int32_t ChartGrid::autoScrollStep(int32_t y) const {
  if (mode_ != Mode::kSelecting || columns_ <= 0) return 0;
  const int32_t row = y < 0 ? -1 : y / cellHeight_;
  if (row <= 0 && firstRow_ > 0) return -1;
  if (row >= visibleRows_ - 1 && firstRow_ < maxFirstRow()) return 1;
  return 0;
}

int32_t ChartGrid::autoScrollTick(int32_t x, int32_t y) {
  const int32_t step = autoScrollStep(y);
  if (step == 0) return 0;
  const int32_t moved = scrollTo(firstRow_ + step);
  moveTo(x, y);
  return moved;
}

void ChartGrid::release() {
  mode_ = Mode::kNone;
  dropTarget_ = {};
}

ItemRange ChartGrid::dropRange(int32_t x, int32_t y, const DragSource& source) const {
  if (columns_ <= 0 || itemCount_ <= 0 || source.range.empty()) return {};
  const int32_t start = std::max(itemAt(x, y) - source.offset, 0);
  const int64_t end = std::min<int64_t>(int64_t{start} + source.range.length() - 1, itemCount_ - 1);
  return {start, static_cast<int32_t>(end)};
}

}  // namespace sorvella
