#include "platform/qt/chart_grid_widget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <vector>

namespace sorvella {

namespace {
// Every live chart grid, for finding the one a drag is over.
std::vector<ChartGridWidget*>& liveGrids() {
  static std::vector<ChartGridWidget*> grids;
  return grids;
}
constexpr int kOutlineWidth = 2;
}  // namespace

ChartGridWidget::ChartGridWidget(int32_t chartId, QWidget* parent)
    : QAbstractScrollArea(parent), chartId_(chartId) {
  liveGrids().push_back(this);
  setFocusPolicy(Qt::StrongFocus);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  autoScrollTimer_.setInterval(ChartGrid::kAutoScrollMilliseconds);
  connect(&autoScrollTimer_, &QTimer::timeout, this, &ChartGridWidget::autoScroll);
}

ChartGridWidget::~ChartGridWidget() {
  auto& grids = liveGrids();
  grids.erase(std::remove(grids.begin(), grids.end(), this), grids.end());
  for (ChartGridWidget* grid : grids)
    if (grid->dropTarget_ == this) grid->dropTarget_ = nullptr;
}

void ChartGridWidget::setCellSize(int width, int height) {
  grid_.setCellSize(width, height);
  syncScrollBar();
  viewport()->update();
}

void ChartGridWidget::setItemCount(int32_t count) {
  grid_.setItemCount(count);
  syncScrollBar();
  viewport()->update();
}

void ChartGridWidget::setSelection(int32_t first, int32_t last) {
  grid_.setSelection(first, last);
  viewport()->update();
}

void ChartGridWidget::setCurrent(int32_t item) {
  grid_.setCurrent(item);
  viewport()->update();
  emit currentChanged(grid_.current());
}

void ChartGridWidget::clearSelection() {
  grid_.clearSelection();
  viewport()->update();
}

QRect ChartGridWidget::itemsRect(int32_t first, int32_t last) const {
  const GridRect a = grid_.cellRect(first), b = grid_.cellRect(last);
  if (a.top == b.top) return QRect(QPoint(a.left, a.top), QPoint(b.right - 1, b.bottom - 1));
  return QRect(QPoint(0, a.top), QPoint(viewport()->width() - 1, b.bottom - 1));
}

void ChartGridWidget::invalidateItem(int32_t item) {
  invalidateRange(item, item);
}

void ChartGridWidget::invalidateRange(int32_t first, int32_t last) {
  if (first > last || grid_.columns() <= 0) return;
  viewport()->update(itemsRect(first, last));
}

void ChartGridWidget::scrollToRow(int32_t row) {
  grid_.scrollTo(row);
  syncScrollBar();
  viewport()->update();
}

void ChartGridWidget::ensureVisible(int32_t item) {
  if (grid_.ensureVisible(item) != 0) {
    syncScrollBar();
    viewport()->update();
  }
}

int32_t ChartGridWidget::acceptsDrop(int32_t) const {
  return 0;
}
void ChartGridWidget::activate(int32_t) {}
void ChartGridWidget::showContextMenu(const QPoint&) {}
void ChartGridWidget::drop(ChartGridWidget&, ItemRange) {}

void ChartGridWidget::syncScrollBar() {
  syncing_ = true;
  QScrollBar* bar = verticalScrollBar();
  bar->setRange(0, grid_.maxFirstRow());
  bar->setPageStep(std::max(grid_.visibleRows(), 1));
  bar->setSingleStep(1);
  bar->setValue(grid_.firstRow());
  syncing_ = false;
}

void ChartGridWidget::scrollContentsBy(int, int) {
  if (syncing_) return;
  grid_.scrollTo(verticalScrollBar()->value());
  viewport()->update();
}

void ChartGridWidget::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  grid_.resize(viewport()->width(), viewport()->height());
  syncScrollBar();
  viewport()->update();
}

void ChartGridWidget::paintEvent(QPaintEvent* event) {
  QPainter painter(viewport());
  const QRect area = event->rect();
  painter.fillRect(area, palette().color(QPalette::Window));
  const ItemRange visible = grid_.visibleItems();
  const ItemRange selection = grid_.selection();
  for (int32_t item = visible.first; item <= visible.last; ++item) {
    const GridRect r = grid_.cellRect(item);
    const QRect cell(r.left, r.top, r.right - r.left, r.bottom - r.top);
    if (!cell.intersects(area)) continue;
    drawCell(painter, item, cell, selection.contains(item), item == grid_.current());
  }
  const ItemRange drop = grid_.dropTarget();
  if (!drop.empty() && grid_.columns() > 0) {
    // The outline inverts a hatch along the cells' borders, so it shows on any cell.
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    const QBrush hatch(Qt::white, Qt::Dense4Pattern);
    const ItemRange shown{std::max(drop.first, visible.first), std::min(drop.last, visible.last)};
    for (int32_t item = shown.first; item <= shown.last; ++item) {
      const GridRect r = grid_.cellRect(item);
      const QRect cell(r.left, r.top, r.right - r.left, r.bottom - r.top);
      painter.fillRect(QRect(cell.left(), cell.top(), cell.width(), kOutlineWidth), hatch);
      painter.fillRect(
          QRect(cell.left(), cell.bottom() - kOutlineWidth + 1, cell.width(), kOutlineWidth),
          hatch);
      painter.fillRect(QRect(cell.left(), cell.top() + kOutlineWidth, kOutlineWidth,
                             cell.height() - 2 * kOutlineWidth),
                       hatch);
      painter.fillRect(QRect(cell.right() - kOutlineWidth + 1, cell.top() + kOutlineWidth,
                             kOutlineWidth, cell.height() - 2 * kOutlineWidth),
                       hatch);
    }
  }
}

void ChartGridWidget::keyPressEvent(QKeyEvent* event) {
  GridKey key;
  switch (event->key()) {
    case Qt::Key_Left:
      key = GridKey::kLeft;
      break;
    case Qt::Key_Right:
      key = GridKey::kRight;
      break;
    case Qt::Key_Up:
      key = GridKey::kUp;
      break;
    case Qt::Key_Down:
      key = GridKey::kDown;
      break;
    case Qt::Key_Home:
      key = GridKey::kHome;
      break;
    case Qt::Key_End:
      key = GridKey::kEnd;
      break;
    case Qt::Key_PageUp:
      key = GridKey::kPageUp;
      break;
    case Qt::Key_PageDown:
      key = GridKey::kPageDown;
      break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      key = GridKey::kEnter;
      break;
    case Qt::Key_Space:
      key = GridKey::kSpace;
      break;
    default:
      QAbstractScrollArea::keyPressEvent(event);
      return;
  }
  const Qt::KeyboardModifiers mods = event->modifiers();
  switch (grid_.key(key, mods & Qt::ShiftModifier, mods & Qt::ControlModifier)) {
    case KeyOutcome::kIgnored:
      return;
    case KeyOutcome::kActivate:
      activate(grid_.current());
      return;
    case KeyOutcome::kContextMenu: {
      const GridRect r = grid_.cellRect(grid_.current());
      showContextMenu(viewport()->mapToGlobal(QPoint(r.left, r.bottom)));
      return;
    }
    case KeyOutcome::kMoved:
      syncScrollBar();
      viewport()->update();
      emit currentChanged(grid_.current());
      return;
  }
}

void ChartGridWidget::mousePressEvent(QMouseEvent* event) {
  setFocus(Qt::MouseFocusReason);
  const QPoint p = event->position().toPoint();
  if (event->button() == Qt::RightButton) {
    showContextMenu(event->globalPosition().toPoint());
    return;
  }
  if (event->button() != Qt::LeftButton) return;
  const Qt::KeyboardModifiers mods = event->modifiers();
  if (grid_.press(p.x(), p.y(), mods & Qt::ShiftModifier, mods & Qt::ControlModifier) ==
      PressOutcome::kSelecting) {
    lastPointer_ = p;
    autoScrollTimer_.start();
    emit currentChanged(grid_.current());
  }
  viewport()->update();
}

void ChartGridWidget::mouseMoveEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  lastPointer_ = p;
  if (grid_.selecting()) {
    if (grid_.moveTo(p.x(), p.y())) {
      viewport()->update();
      emit currentChanged(grid_.current());
    }
    return;
  }
  if (!grid_.dragging()) return;
  ChartGridWidget* target = gridAt(event->globalPosition().toPoint());
  if (target != dropTarget_ && dropTarget_) dropTarget_->setDropOutline({});
  dropTarget_ = target;
  if (!target) return;
  const QPoint local = target->viewport()->mapFromGlobal(event->globalPosition().toPoint());
  target->setDropOutline(target->grid_.dropRange(local.x(), local.y(), grid_.dragSource()));
}

void ChartGridWidget::mouseReleaseEvent(QMouseEvent* event) {
  autoScrollTimer_.stop();
  const bool wasDragging = grid_.dragging();
  grid_.release();
  if (!wasDragging) return;
  ChartGridWidget* target = gridAt(event->globalPosition().toPoint());
  if (dropTarget_) dropTarget_->setDropOutline({});
  dropTarget_ = nullptr;
  if (!target || target->acceptsDrop(chartId_) == 0) return;
  const QPoint local = target->viewport()->mapFromGlobal(event->globalPosition().toPoint());
  const ItemRange range = target->grid_.dropRange(local.x(), local.y(), grid_.dragSource());
  if (!range.empty()) target->drop(*this, range);
}

void ChartGridWidget::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const QPoint p = event->position().toPoint();
  if (grid_.itemCount() > 0 && grid_.columns() > 0) activate(grid_.itemAt(p.x(), p.y()));
}

void ChartGridWidget::autoScroll() {
  if (!grid_.selecting()) {
    autoScrollTimer_.stop();
    return;
  }
  if (grid_.autoScrollTick(lastPointer_.x(), lastPointer_.y()) != 0) {
    syncScrollBar();
    viewport()->update();
    emit currentChanged(grid_.current());
  }
}

ChartGridWidget* ChartGridWidget::gridAt(const QPoint& globalPos) {
  for (ChartGridWidget* grid : liveGrids()) {
    if (!grid->isVisible()) continue;
    const QPoint local = grid->viewport()->mapFromGlobal(globalPos);
    if (grid->viewport()->rect().contains(local)) return grid;
  }
  return nullptr;
}

void ChartGridWidget::setDropOutline(ItemRange range) {
  if (range == grid_.dropTarget()) return;
  grid_.setDropTarget(range);
  viewport()->update();
}

}  // namespace sorvella
