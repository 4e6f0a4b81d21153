#include "charts/ui/cmap_satellite.h"

#include <QMouseEvent>
#include <QPainter>

#include "base/text_format.h"

namespace sorvella {

namespace {
constexpr QRgb kNavy = qRgb(0, 0, 128);
constexpr QRgb kMapped = qRgb(160, 192, 224);
constexpr QRgb kCurrentUnmapped = qRgb(96, 96, 96);
}  // namespace

CMapSatellite::CMapSatellite(std::function<const CCodeMap*()> cmap, QWidget* parent)
    : QWidget(parent, Qt::Tool), cmap_(std::move(cmap)) {
  setWindowTitle(QStringLiteral("CMap Satellite"));
  setObjectName(QStringLiteral("CMapAerial"));
  setFixedSize(16 * kCell, 16 * kCell);
}

QRect CMapSatellite::pageRect(int page) {
  return QRect((page % 16) * kCell, (page / 16) * kCell, kCell, kCell);
}

void CMapSatellite::setPage(int page) {
  page_ = page;
  update();
}

void CMapSatellite::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  QFont font = painter.font();
  font.setPixelSize(8);
  painter.setFont(font);
  const CCodeMap* map = cmap_ ? cmap_() : nullptr;
  for (int page = 0; page < 256; ++page) {
    const QRect r = pageRect(page);
    const bool mapped = map && map->CountInRow(static_cast<uint8_t>(page)) >= 1;
    const bool current = page == page_;
    if (current)
      painter.fillRect(r, QColor::fromRgb(mapped ? kNavy : kCurrentUnmapped));
    else if (mapped)
      painter.fillRect(r, QColor::fromRgb(kMapped));
    painter.setPen(current ? Qt::white : Qt::black);
    painter.drawText(r, Qt::AlignCenter,
                     QString::fromLatin1(formatText("%.2X", static_cast<unsigned>(page)).c_str()));
  }
}

void CMapSatellite::mousePressEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  if (!rect().contains(p)) return;
  const int page = (p.y() / kCell) * 16 + p.x() / kCell;
  setPage(page);
  emit pageChosen(page);
}

}  // namespace sorvella
