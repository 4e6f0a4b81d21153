// The chart grid as a Qt widget: paints the cells a chart draws, scrolls, takes keys and
// the mouse by the grid model's rules, auto-scrolls every 200 ms and drags a selection onto
// another chart grid, drawing the drop outline there.
#pragma once

#include <QAbstractScrollArea>
#include <QTimer>
#include <cstdint>

#include "platform/chart_grid.h"

namespace sorvella {

class ChartGridWidget : public QAbstractScrollArea {
  Q_OBJECT

 public:
  explicit ChartGridWidget(int32_t chartId, QWidget* parent = nullptr);
  ~ChartGridWidget() override;

  int32_t chartId() const { return chartId_; }
  ChartGrid& grid() { return grid_; }
  const ChartGrid& grid() const { return grid_; }

  void setCellSize(int width, int height);
  void setItemCount(int32_t count);
  void setSelection(int32_t first, int32_t last);
  void setCurrent(int32_t item);
  void clearSelection();
  void invalidateItem(int32_t item);
  void invalidateRange(int32_t first, int32_t last);
  void scrollToRow(int32_t row);
  void ensureVisible(int32_t item);

  // The drop a chart would take from `source`: a non-zero answer accepts it.
  virtual int32_t acceptsDrop(int32_t sourceChartId) const;

 signals:
  void currentChanged(int32_t item);

 protected:
  virtual void drawCell(QPainter& painter, int32_t item, const QRect& cell, bool selected,
                        bool current) = 0;
  virtual void activate(int32_t item);
  virtual void showContextMenu(const QPoint& globalPos);
  // `source` was released over this chart with its drop range `target`.
  virtual void drop(ChartGridWidget& source, ItemRange target);

  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  void syncScrollBar();
  void autoScroll();
  // The chart grid under a global point, the topmost visible one.
  static ChartGridWidget* gridAt(const QPoint& globalPos);
  void setDropOutline(ItemRange range);
  QRect itemsRect(int32_t first, int32_t last) const;

  int32_t chartId_;
  ChartGrid grid_;
  QTimer autoScrollTimer_;
  QPoint lastPointer_;
  ChartGridWidget* dropTarget_ = nullptr;
  bool syncing_ = false;
};

}  // namespace sorvella
