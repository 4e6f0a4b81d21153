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
  // Draws the decimal number centred in `box` in the colour, on `paper` (the box's colour, so
  // that the digits blit without blending) or, without paper, over what is there.
  void drawNumber(QPainter& painter, const QRect& box, uint32_t number, QRgb colour,
                  std::optional<QRgb> paper = std::nullopt);
  // Draws a one-bit image (rows of `rowBytes`, most significant bit leftmost, a set bit being
  // background) in ink on `paper`, or, without paper, only its ink.
  void drawMono(QPainter& painter, QPoint at, const uint8_t* bits, int width, int height,
                int rowBytes, QRgb ink, std::optional<QRgb> paper = std::nullopt);

 private:
  struct Digits {
    QRgb colour;
    std::optional<QRgb> paper;
    qreal ratio;
    std::array<QImage, 10> images;
  };
  const Digits& digits(QRgb colour, std::optional<QRgb> paper, qreal ratio);
  // The eight pixels of each byte value, set bits in `back`, clear ones in `ink`.
  struct ByteSpans {
    QRgb ink, back;
    std::vector<QRgb> pixels;  // 256 × 8
  };
  const ByteSpans& spans(QRgb ink, QRgb back);

  std::vector<Digits> digits_;
  std::vector<ByteSpans> spans_;
  int digitWidth_ = 0;
  int digitHeight_ = 0;
  QImage mono_;    // with alpha, for ink alone
  QImage opaque_;  // without, which blits faster
};

}  // namespace sorvella
