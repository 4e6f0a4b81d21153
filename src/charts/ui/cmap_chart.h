// The CMap chart: one page of 256 codes of the current CMap as a chart grid, its window with
// the page choice, status texts and "&Print page", and the printout of a page.
#pragma once

#include <QMainWindow>

#include "charts/ui/cell_painter.h"
#include "charts/ui/chart_context.h"
#include "cmap/cmap_chart_editing.h"
#include "platform/qt/chart_grid_widget.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;
class QSpinBox;

namespace sorvella {

class CMapSatellite;

class CMapChart : public ChartGridWidget {
  Q_OBJECT

 public:
  CMapChart(ChartContext& context, QWidget* parent = nullptr);
  CCodeMap* cmap() const { return context_.document.cmaps().current(); }
  uint8_t page() const { return page_; }
  void setPage(uint8_t page);
  void run(ChartCommand command);
  int32_t acceptsDrop(int32_t sourceChartId) const override;
  // Draws the page with its header onto a printer (or PDF writer).
  void printPage(QPrinter& printer) const;

 signals:
  void edited();

 protected:
  void drawCell(QPainter& painter, int32_t item, const QRect& cell, bool selected,
                bool current) override;
  void showContextMenu(const QPoint& globalPos) override;
  void activate(int32_t item) override;
  void drop(ChartGridWidget& source, ItemRange target) override;

 private:
  void paste(int32_t target);
  ChartContext& context_;
  uint8_t page_ = 0;
  CellPainter cellPainter_;
};

class CMapFrame : public QMainWindow {
  Q_OBJECT

 public:
  CMapFrame(ChartContext& context, QWidget* parent = nullptr);
  CMapChart& chart() { return *chart_; }
  // Title, enabling and status after a change of the CMap or the CID font.
  void refresh();
  QString codeText() const;
  QString cidText() const;
  // Runs the print dialog and prints the page.
  void printWithDialog();
  void setPage(int page);
  // "Set": the window is resized so that the grid is 4 x 2^k cells wide.
  void setRowWidth(int k);
  CMapSatellite& satellite() { return *satellite_; }
  QWidget& sample() { return *sample_; }
  QPushButton* button(int id) const;

 private:
  void showStatus();
  void showSample();
  ChartContext& context_;
  CMapChart* chart_;
  QSpinBox* page_;
  QComboBox* rowWidth_;
  QPushButton* set_;
  QPushButton* header_;
  QPushButton* showSatellite_;
  QPushButton* showSample_;
  QPushButton* print_;
  CMapSatellite* satellite_;
  QWidget* sample_;
  QLineEdit* sampleText_;
  QLabel* sampleCids_;
  QLabel* code_;
  QLabel* cid_;
};

}  // namespace sorvella
