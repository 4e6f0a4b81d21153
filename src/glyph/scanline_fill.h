// ScanlineFill: fills a path of lines and Bezier curves into a small one-bit pixel cell with
// the non-zero winding rule, for thumbnails and template images.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace sorvella {

// Coordinates are cell pixels, x to the right and y downward; pixel (c, r) is the unit square
// [c, c + 1) x [r, r + 1). A pixel is ink when its centre (c + 0.5, r + 0.5) lies inside the
// path under the non-zero winding rule; a centre exactly on an edge counts as inside for left
// and top edges and outside for right and bottom ones, so abutting shapes never share a pixel.
// Anything beyond the cell is clipped. Coordinates are clamped to +-1e100 (NaN read as 0), so
// no input can fault.
class ScanlineFill {
 public:
  // Curves are flattened until no chord strays more than this many pixels from the curve.
  static constexpr double kFlatness = 1.0 / 16.0;

  ScanlineFill() = default;

  // Starts an empty cell; the storage is kept between cells of the same or smaller size.
  // Sizes below 1 give an empty cell.
  void reset(int width, int height);
  int width() const { return width_; }
  int height() const { return height_; }

  // Path commands. Every subpath is closed by a straight line to its start, either
  // explicitly or when the next one begins or the image is read.
  void moveTo(double x, double y);
  void lineTo(double x, double y);
  void quadTo(double cx, double cy, double x, double y);
  void cubicTo(double c1x, double c1y, double c2x, double c2y, double x, double y);
  void closePath();

  // Writes the cell as rows of `rowBytes` bytes, top row first, the most significant bit of
  // a row's first byte being its leftmost pixel and a set bit being ink; bits past the
  // width are clear. Returns false (writing nothing) when `out` or `rowBytes` is too small.
  bool packRows(std::span<uint8_t> out, std::size_t rowBytes);

 private:
  void addEdge(double x0, double y0, double x1, double y1);
  void flattenQuad(double x0, double y0, double x1, double y1, double x2, double y2, int depth);
  void flattenCubic(double x0, double y0, double x1, double y1, double x2, double y2, double x3,
                    double y3, int depth);
  bool outsideCell(double minX, double minY, double maxX, double maxY) const;

  int width_ = 0;
  int height_ = 0;
  // Per row, width + 1 winding steps: entry c adds to every pixel from column c on; the last
  // entry collects crossings right of the cell, which change no pixel.
  std::vector<int32_t> steps_;
  double startX_ = 0, startY_ = 0;
  double currentX_ = 0, currentY_ = 0;
};

}  // namespace sorvella
