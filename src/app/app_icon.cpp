#include "app/app_icon.h"

#include <QFont>
#include <QPainter>
#include <QPixmap>

namespace sorvella {

QIcon applicationIcon() {
  QIcon icon;
  for (int size : {16, 24, 32, 48, 64, 128, 256}) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 64.0, size / 64.0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x2b, 0x4c, 0x7e));
    painter.drawRoundedRect(QRectF(2, 2, 60, 60), 10, 10);
    // A grid of character cells, one of them filled: the chart the program arranges.
    painter.setBrush(QColor(0xf4, 0xf1, 0xe8));
    for (int row = 0; row < 3; ++row)
      for (int column = 0; column < 3; ++column)
        painter.drawRect(QRectF(10 + column * 16, 10 + row * 16, 12, 12));
    painter.setBrush(QColor(0xe0, 0x8a, 0x1e));
    painter.drawRect(QRectF(26, 26, 12, 12));
    icon.addPixmap(pixmap);
  }
  return icon;
}

}  // namespace sorvella
