// Non-zero filling without sorting edges: each crossing of a row's centre line adds its winding
// direction at the first pixel whose centre lies right of it, and a running sum along the row gives
// every pixel's winding number. That costs one add per crossing and needs no per-cell allocation.
#include "glyph/scanline_fill.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace sorvella {

namespace {

constexpr int kMaxSide = 1024;
// Pieces that still need more chords than this are split in two instead, so parts outside
// the cell are dropped early and a far-reaching curve costs only what is visible.
constexpr int kMaxUniformSegments = 16;
// Deep enough for any glyph at any fit; the chord cap only bites on absurd coordinates.
constexpr int kMaxDepth = 30;
constexpr int kMaxSegmentsAtDepth = 64;

// ceil(v) clamped to 0..limit (NaN gives 0). Clamping first lets a truncating conversion do
// the rounding, which is much cheaper than std::ceil on plain x86-64.
int ceilIndex(double v, int limit) {
  if (!(v > 0)) return 0;
  if (v >= limit) return limit;
  int i = static_cast<int>(v);
  return i + (i < v);
}

// Number of equal steps in t whose chords stay within kFlatness of a curve whose single chord
// may stray by `deviation`: n equal chords stray by deviation / n^2. Takes the square of
// deviation / kFlatness and tries small n first, which spares two square roots per curve.
int segmentsFor(double squaredRatio) {
  if (!(squaredRatio > 1)) return 1;
  for (int n = 2; n <= kMaxUniformSegments; ++n) {
    double n2 = static_cast<double>(n * n);
    if (n2 * n2 >= squaredRatio) return n;
  }
  return ceilIndex(std::sqrt(std::sqrt(squaredRatio)), kMaxSegmentsAtDepth);
}

// Coordinates are held within this, so that flattening cannot overflow; every edge is kept,
// so each subpath stays closed and its winding balanced.
constexpr double kFarLimit = 1e100;

double tame(double v) {
  if (!(v == v)) return 0;  // NaN
  return std::clamp(v, -kFarLimit, kFarLimit);
}

}  // namespace

void ScanlineFill::reset(int width, int height) {
  width_ = std::clamp(width, 0, kMaxSide);
  height_ = std::clamp(height, 0, kMaxSide);
  std::size_t needed = static_cast<std::size_t>(width_ + 1) * static_cast<std::size_t>(height_);
  if (steps_.size() < needed) steps_.resize(needed);
  std::fill_n(steps_.begin(), needed, 0);
  startX_ = startY_ = currentX_ = currentY_ = 0;
}

void ScanlineFill::moveTo(double x, double y) {
  closePath();
  startX_ = currentX_ = tame(x);
  startY_ = currentY_ = tame(y);
}

void ScanlineFill::lineTo(double x, double y) {
  x = tame(x);
  y = tame(y);
  addEdge(currentX_, currentY_, x, y);
  currentX_ = x;
  currentY_ = y;
}

void ScanlineFill::quadTo(double cx, double cy, double x, double y) {
  x = tame(x);
  y = tame(y);
  flattenQuad(currentX_, currentY_, tame(cx), tame(cy), x, y, 0);
  currentX_ = x;
  currentY_ = y;
}

void ScanlineFill::cubicTo(double c1x, double c1y, double c2x, double c2y, double x, double y) {
  x = tame(x);
  y = tame(y);
  flattenCubic(currentX_, currentY_, tame(c1x), tame(c1y), tame(c2x), tame(c2y), x, y, 0);
  currentX_ = x;
  currentY_ = y;
}

void ScanlineFill::closePath() {
  lineTo(startX_, startY_);
}

bool ScanlineFill::packRows(std::span<uint8_t> out, std::size_t rowBytes) {
  std::size_t minRowBytes = static_cast<std::size_t>(width_ + 7) / 8;
  if (rowBytes < minRowBytes) return false;
  if (height_ > 0 && rowBytes > out.size() / static_cast<std::size_t>(height_)) return false;
  closePath();
  if (rowBytes == 0) return true;  // a cell without pixels, nothing to write
  const int width = width_;
  const std::size_t stride = static_cast<std::size_t>(width) + 1;
  for (int r = 0; r < height_; ++r) {
    uint8_t* row = out.data() + static_cast<std::size_t>(r) * rowBytes;
    std::memset(row, 0, rowBytes);
    const int32_t* steps = steps_.data() + static_cast<std::size_t>(r) * stride;
    int32_t winding = 0;
    // Bytes are built in a register: or-ing into memory would chain every bit through it.
    for (int c = 0; c < width; c += 8) {
      unsigned byte = 0;
      for (int b = 0; b < 8 && c + b < width; ++b) {
        winding += steps[c + b];
        byte |= static_cast<unsigned>(winding != 0) << (7 - b);
      }
      row[c >> 3] = static_cast<uint8_t>(byte);
    }
  }
  return true;
}

void ScanlineFill::addEdge(double x0, double y0, double x1, double y1) {
  if (!(y0 != y1)) return;  // horizontal edges cross no centre line; NaN ones are dropped
  int32_t direction = 1;
  if (y0 > y1) {
    std::swap(x0, x1);
    std::swap(y0, y1);
    direction = -1;
  }
  // Rows whose centre r + 0.5 lies in [y0, y1): the top end counts, the bottom one not.
  int firstRow = ceilIndex(y0 - 0.5, height_);
  int endRow = ceilIndex(y1 - 0.5, height_);
  if (firstRow >= endRow) return;
  double slope = (x1 - x0) / (y1 - y0);
  const std::size_t stride = static_cast<std::size_t>(width_) + 1;
  for (int r = firstRow; r < endRow; ++r) {
    double x = x0 + (r + 0.5 - y0) * slope;
    // The first pixel whose centre is at or right of x.
    int column = ceilIndex(x - 0.5, width_);
    steps_[static_cast<std::size_t>(r) * stride + static_cast<std::size_t>(column)] += direction;
  }
}

bool ScanlineFill::outsideCell(double minX, double minY, double maxX, double maxY) const {
  // Left of the cell only the net crossing count matters, which a chord between the same
  // ends keeps; above, below and right of it nothing is drawn at all.
  return maxX <= 0 || maxY <= 0 || minX >= width_ || minY >= height_;
}

void ScanlineFill::flattenQuad(double x0, double y0, double x1, double y1, double x2, double y2,
                               int depth) {
  // One chord strays at most |p0 - 2 p1 + p2| / 4.
  double dx = x0 - 2 * x1 + x2;
  double dy = y0 - 2 * y1 + y2;
  constexpr double kRatio = 1 / (4 * kFlatness);
  int n = segmentsFor((dx * dx + dy * dy) * (kRatio * kRatio));
  if (n > kMaxUniformSegments && depth < kMaxDepth) {
    if (outsideCell(std::min({x0, x1, x2}), std::min({y0, y1, y2}), std::max({x0, x1, x2}),
                    std::max({y0, y1, y2}))) {
      addEdge(x0, y0, x2, y2);
      return;
    }
    double ax = (x0 + x1) / 2, ay = (y0 + y1) / 2;
    double bx = (x1 + x2) / 2, by = (y1 + y2) / 2;
    double mx = (ax + bx) / 2, my = (ay + by) / 2;
    flattenQuad(x0, y0, ax, ay, mx, my, depth + 1);
    flattenQuad(mx, my, bx, by, x2, y2, depth + 1);
    return;
  }
  double px = x0, py = y0;
  const double step = 1.0 / n;
  for (int i = 1; i < n; ++i) {
    double t = i * step;
    double u = 1 - t;
    double qx = u * u * x0 + 2 * u * t * x1 + t * t * x2;
    double qy = u * u * y0 + 2 * u * t * y1 + t * t * y2;
    addEdge(px, py, qx, qy);
    px = qx;
    py = qy;
  }
  addEdge(px, py, x2, y2);
}

void ScanlineFill::flattenCubic(double x0, double y0, double x1, double y1, double x2, double y2,
                                double x3, double y3, int depth) {
  // The second derivative is at most 6 max(|p0 - 2 p1 + p2|, |p1 - 2 p2 + p3|), and one chord
  // strays at most an eighth of it.
  double ax = x0 - 2 * x1 + x2, ay = y0 - 2 * y1 + y2;
  double bx = x1 - 2 * x2 + x3, by = y1 - 2 * y2 + y3;
  constexpr double kRatio = 0.75 / kFlatness;
  int n = segmentsFor(std::max(ax * ax + ay * ay, bx * bx + by * by) * (kRatio * kRatio));
  if (n > kMaxUniformSegments && depth < kMaxDepth) {
    if (outsideCell(std::min({x0, x1, x2, x3}), std::min({y0, y1, y2, y3}),
                    std::max({x0, x1, x2, x3}), std::max({y0, y1, y2, y3}))) {
      addEdge(x0, y0, x3, y3);
      return;
    }
    double abx = (x0 + x1) / 2, aby = (y0 + y1) / 2;
    double bcx = (x1 + x2) / 2, bcy = (y1 + y2) / 2;
    double cdx = (x2 + x3) / 2, cdy = (y2 + y3) / 2;
    double abcx = (abx + bcx) / 2, abcy = (aby + bcy) / 2;
    double bcdx = (bcx + cdx) / 2, bcdy = (bcy + cdy) / 2;
    double mx = (abcx + bcdx) / 2, my = (abcy + bcdy) / 2;
    flattenCubic(x0, y0, abx, aby, abcx, abcy, mx, my, depth + 1);
    flattenCubic(mx, my, bcdx, bcdy, cdx, cdy, x3, y3, depth + 1);
    return;
  }
  double px = x0, py = y0;
  const double step = 1.0 / n;
  for (int i = 1; i < n; ++i) {
    double t = i * step;
    double u = 1 - t;
    double b0 = u * u * u, b1 = 3 * u * u * t, b2 = 3 * u * t * t, b3 = t * t * t;
    double qx = b0 * x0 + b1 * x1 + b2 * x2 + b3 * x3;
    double qy = b0 * y0 + b1 * y1 + b2 * y2 + b3 * y3;
    addEdge(px, py, qx, qy);
    px = qx;
    py = qy;
  }
  addEdge(px, py, x3, y3);
}

}  // namespace sorvella
