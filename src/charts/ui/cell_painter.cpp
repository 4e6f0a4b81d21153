#include "charts/ui/cell_painter.h"

#include <QFont>
#include <QFontMetrics>

namespace sorvella {

namespace {
constexpr int kDigitPixels = 9;
}

const CellPainter::Digits& CellPainter::digits(QRgb colour, qreal ratio) {
  for (const Digits& d : digits_)
    if (d.colour == colour && d.ratio == ratio) return d;
  QFont font;
  font.setPixelSize(kDigitPixels);
  const QFontMetrics metrics(font);
  digitWidth_ = metrics.horizontalAdvance(QLatin1Char('0'));
  digitHeight_ = metrics.height();
  Digits d{colour, ratio, {}};
  for (int i = 0; i < 10; ++i) {
    // Drawn at the screen's pixel ratio, so that numbers stay sharp on HiDPI screens.
    QImage image(qRound(digitWidth_ * ratio), qRound(digitHeight_ * ratio),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setFont(font);
    p.setPen(QColor::fromRgb(colour));
    p.drawText(QRect(0, 0, digitWidth_, digitHeight_), Qt::AlignCenter, QString::number(i));
    p.end();
    d.images[static_cast<std::size_t>(i)] = image;
  }
  digits_.push_back(std::move(d));
  return digits_.back();
}

void CellPainter::drawNumber(QPainter& painter, const QRect& box, uint32_t number, QRgb colour) {
  const Digits& d = digits(colour, painter.device()->devicePixelRatioF());
  char text[12];
  int length = 0;
  do {
    text[length++] = static_cast<char>('0' + number % 10);
    number /= 10;
  } while (number != 0);
  int x = box.left() + (box.width() - length * digitWidth_) / 2;
  const int y = box.top() + (box.height() - digitHeight_) / 2;
  for (int i = length - 1; i >= 0; --i, x += digitWidth_)
    painter.drawImage(QPoint(x, y), d.images[static_cast<std::size_t>(text[i] - '0')]);
}

void CellPainter::drawMono(QPainter& painter, QPoint at, const uint8_t* bits, int width, int height,
                           int rowBytes, QRgb ink, std::optional<QRgb> paper) {
  QImage& image = paper ? opaque_ : mono_;
  if (image.width() != width || image.height() != height)
    image =
        QImage(width, height, paper ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
  const QRgb inkPixel = qPremultiply(ink | 0xFF000000u);
  const QRgb backPixel = paper ? (*paper | 0xFF000000u) : 0;
  for (int r = 0; r < height; ++r) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(r));
    const uint8_t* row = bits + static_cast<std::ptrdiff_t>(r) * rowBytes;
    for (int c = 0; c < width; ++c)
      line[c] = (row[c >> 3] & (0x80 >> (c & 7))) ? backPixel : inkPixel;
  }
  painter.drawImage(at, image);
}

}  // namespace sorvella
