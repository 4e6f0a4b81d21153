#include "support/bit_art.h"

namespace sorvella::test {

std::string bitArt(std::span<const uint8_t> bits, int width, int height, std::size_t rowBytes,
                   bool inkIsSet) {
  std::string text;
  for (int r = 0; r < height; ++r) {
    for (int c = 0; c < width; ++c) {
      bool set = (bits[r * rowBytes + c / 8] >> (7 - c % 8)) & 1;
      text += set == inkIsSet ? '#' : '.';
    }
    text += '\n';
  }
  return text;
}

std::string spanArt(int width, int height, std::initializer_list<PixelSpan> ink,
                    std::initializer_list<PixelSpan> holes) {
  auto covers = [](std::initializer_list<PixelSpan> spans, int c, int r) {
    for (const PixelSpan& s : spans)
      if (c >= s.firstColumn && c <= s.lastColumn && r >= s.firstRow && r <= s.lastRow) return true;
    return false;
  };
  std::string text;
  for (int r = 0; r < height; ++r) {
    for (int c = 0; c < width; ++c) text += covers(ink, c, r) && !covers(holes, c, r) ? '#' : '.';
    text += '\n';
  }
  return text;
}

}  // namespace sorvella::test
