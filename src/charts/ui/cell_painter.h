// Fast drawing of what chart cells repeat a thousand times per paint: numbers made of cached
// digit images, and one-bit images expanded into one reused colour image.
#pragma once

#include <QImage>
#include <QPainter>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace sorvella {

class CellPainter {
 public:
  // Draws the decimal number centred in `box` in the colour.
  void drawNumber(QPainter& painter, const QRect& box, uint32_t number, QRgb colour);
  // Draws a one-bit image (rows of `rowBytes`, most significant bit leftmost, a set bit being
  // background) in ink on `paper`, or, without paper, only its ink.
  void drawMono(QPainter& painter, QPoint at, const uint8_t* bits, int width, int height,
                int rowBytes, QRgb ink, std::optional<QRgb> paper = std::nullopt);

 private:
  struct Digits {
    QRgb colour;
    qreal ratio;
    std::array<QImage, 10> images;
  };
  const Digits& digits(QRgb colour, qreal ratio);

  std::vector<Digits> digits_;
  int digitWidth_ = 0;
  int digitHeight_ = 0;
  QImage mono_;    // with alpha, for ink alone
  QImage opaque_;  // without, which blits faster
};

}  // namespace sorvella
