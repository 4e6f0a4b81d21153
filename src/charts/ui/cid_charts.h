// The Characters, Unplaced and Font charts: chart grids whose cells show character
// thumbnails, with their context menus, drops and, for the Characters chart, template images.
#pragma once

#include <vector>

#include "charts/chart_cells.h"
#include "charts/ui/cell_painter.h"
#include "charts/ui/chart_context.h"
#include "platform/qt/chart_grid_widget.h"

namespace sorvella {

class CidChartView : public ChartGridWidget {
  Q_OBJECT

 public:
  CidChartView(const ChartKind& kind, ChartContext& context, QWidget* parent = nullptr);
  // Re-reads the items from the CID font.
  virtual void refresh() = 0;
  // Runs a context menu command on the current selection.
  virtual void run(ChartCommand command) = 0;

 protected:
  virtual ChartCell cellOf(int32_t item) const = 0;
  virtual bool hatchEmpty() const { return false; }
  // The template image drawn for the item, if any (Characters chart).
  virtual const std::vector<uint8_t>* templateImage(int32_t) const { return nullptr; }
  void drawCell(QPainter& painter, int32_t item, const QRect& cell, bool selected,
                bool current) override;
  void showContextMenu(const QPoint& globalPos) override;

  const ChartKind& kind_;
  ChartContext& context_;
  mutable std::vector<uint8_t> templateRows_;
  CellPainter cellPainter_;
};

class CharactersChart : public CidChartView {
  Q_OBJECT

 public:
  CharactersChart(ChartContext& context, QWidget* parent = nullptr);
  void refresh() override;
  void run(ChartCommand command) override;
  int32_t acceptsDrop(int32_t sourceChartId) const override;

 protected:
  ChartCell cellOf(int32_t item) const override;
  bool hatchEmpty() const override { return true; }
  const std::vector<uint8_t>* templateImage(int32_t item) const override;
  void drop(ChartGridWidget& source, ItemRange target) override;

 private:
  void showResult(std::optional<ItemRange> placed);
};

class UnplacedChart : public CidChartView {
  Q_OBJECT

 public:
  UnplacedChart(ChartContext& context, QWidget* parent = nullptr);
  void refresh() override;
  void run(ChartCommand command) override;
  int32_t acceptsDrop(int32_t sourceChartId) const override;

 protected:
  ChartCell cellOf(int32_t item) const override;
  void drop(ChartGridWidget& source, ItemRange target) override;
};

class FontChart : public CidChartView {
  Q_OBJECT

 public:
  FontChart(ChartContext& context, QWidget* parent = nullptr);
  void showFont(int32_t subsetFont);
  int32_t subsetFont() const { return subsetFont_; }
  void refresh() override;
  void run(ChartCommand command) override;

 protected:
  ChartCell cellOf(int32_t item) const override;
  void activate(int32_t item) override;

 private:
  int32_t subsetFont_ = -1;
  std::vector<int32_t> characters_;
};

}  // namespace sorvella
