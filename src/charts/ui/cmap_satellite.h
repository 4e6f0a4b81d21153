// The CMap satellite ("CMap Satellite"): one cell per page of the current CMap, mapped pages
// marked, the current one highlighted; a click chooses the page the CMap chart shows.
#pragma once

#include <QWidget>
#include <functional>

#include "cmap/code_map.h"

namespace sorvella {

class CMapSatellite : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kCell = 18;
  CMapSatellite(std::function<const CCodeMap*()> cmap, QWidget* parent = nullptr);
  void setPage(int page);
  int page() const { return page_; }
  // The cell rectangle of a page.
  static QRect pageRect(int page);

 signals:
  void pageChosen(int page);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  std::function<const CCodeMap*()> cmap_;
  int page_ = 0;
};

}  // namespace sorvella
