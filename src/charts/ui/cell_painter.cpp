#include "charts/ui/cell_painter.h"

#include <QFont>
#include <QFontMetrics>
#include <cstring>

namespace sorvella {

namespace {
constexpr int kDigitPixels = 9;
}

const CellPainter::Digits& CellPainter::digits(QRgb colour, std::optional<QRgb> paper,
                                               qreal ratio) {
  for (const Digits& d : digits_)
    if (d.colour == colour && d.paper == paper && d.ratio == ratio) return d;
  QFont font;
  font.setPixelSize(kDigitPixels);
  const QFontMetrics metrics(font);
  digitWidth_ = metrics.horizontalAdvance(QLatin1Char('0'));
  digitHeight_ = metrics.height();
  Digits d{colour, paper, ratio, {}};
  for (int i = 0; i < 10; ++i) {
    // Drawn at the screen's pixel ratio, so that numbers stay sharp on HiDPI screens.
    QImage image(qRound(digitWidth_ * ratio), qRound(digitHeight_ * ratio),
                 paper ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    if (paper)
      image.fill(QColor::fromRgb(*paper));
    else
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

void CellPainter::drawNumber(QPainter& painter, const QRect& box, uint32_t number, QRgb colour,
                             std::optional<QRgb> paper) {
  const Digits& d = digits(colour, paper, painter.device()->devicePixelRatioF());
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
  const std::vector<QRgb>& pixels = spans(inkPixel, backPixel).pixels;
  const int wholeBytes = width / 8;
  for (int r = 0; r < height; ++r) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(r));
    const uint8_t* row = bits + static_cast<std::ptrdiff_t>(r) * rowBytes;
    for (int b = 0; b < wholeBytes; ++b)
      std::memcpy(line + b * 8, &pixels[static_cast<std::size_t>(row[b]) * 8], 8 * sizeof(QRgb));
    for (int c = wholeBytes * 8; c < width; ++c)
      line[c] = (row[c >> 3] & (0x80 >> (c & 7))) ? backPixel : inkPixel;
  }
  painter.drawImage(at, image);
}

const CellPainter::ByteSpans& CellPainter::spans(QRgb ink, QRgb back) {
  for (const ByteSpans& s : spans_)
    if (s.ink == ink && s.back == back) return s;
  ByteSpans s{ink, back, std::vector<QRgb>(256 * 8)};
  for (int value = 0; value < 256; ++value)
    for (int c = 0; c < 8; ++c)
      s.pixels[static_cast<std::size_t>(value * 8 + c)] = (value & (0x80 >> c)) ? back : ink;
  spans_.push_back(std::move(s));
  return spans_.back();
}

}  // namespace sorvella
