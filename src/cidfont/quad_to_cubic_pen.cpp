#include "cidfont/quad_to_cubic_pen.h"

#include <cmath>

#include "base/rounding.h"

namespace sorvella {

namespace {

// Steps per quadratic piece at which fits are sampled and closeness is checked.
constexpr int kSamplesPerPiece = 16;
// The tangent-constrained fit is skipped below this determinant.
constexpr double kMinimumDeterminant = 0.01;

struct Bernstein {
  double b0, b1, b2, b3;
  explicit Bernstein(double t) {
    const double u = 1 - t;
    b0 = u * u * u;
    b1 = 3 * u * u * t;
    b2 = 3 * u * t * t;
    b3 = t * t * t;
  }
};

// The point moved by an offset rounded to whole units.
Point offsetBy(Point from, double dx, double dy) {
  return {clampToInt16(from.x + roundHalfDown(dx)), clampToInt16(from.y + roundHalfDown(dy))};
}

}  // namespace

void QuadToCubicPen::moveTo(Point p) {
  start_ = p0_ = p;
  pending_.clear();
  out_.moveTo(p);
}

void QuadToCubicPen::addPoint(Point p, bool onCurve) {
  if (onCurve) {
    endRun(p);
  } else {
    pending_.push_back(p);
  }
}

void QuadToCubicPen::closePath() {
  if (!pending_.empty()) endRun(start_);
  out_.closePath();
  if (pending_.capacity() > kPendingKept) std::vector<Point>().swap(pending_);
}

void QuadToCubicPen::endRun(Point p) {
  const std::size_t k = pending_.size();
  if (k == 0) {
    if (!(p == p0_)) out_.lineTo(p);
  } else if (k == 1) {
    exactPieces(p);
  } else if (k == 2) {
    if (!tryTwoPoints(p)) exactPieces(p);
  } else if (!tryTangents(p) && !tryFree(p)) {
    exactPieces(p);
  }
  p0_ = p;
  pending_.clear();
}

bool QuadToCubicPen::tryTwoPoints(Point p) {
  const Point q1 = pending_[0];
  const Point q2 = pending_[1];
  const Point c1 = offsetBy(p0_, 4.0 / 3.0 * (q1.x - p0_.x), 4.0 / 3.0 * (q1.y - p0_.y));
  const Point c2 = offsetBy(p, 4.0 / 3.0 * (q2.x - p.x), 4.0 / 3.0 * (q2.y - p.y));
  return emitIfClose(c1, c2, p);
}

namespace {

// The quadratic pieces of a run: from P0 over the midpoints of neighbouring off-curve points
// to P, each with one off-curve point as control.
struct Piece {
  double sx, sy, cx, cy, ex, ey;
  void at(double s, double& x, double& y) const {
    const double u = 1 - s;
    x = u * u * sx + 2 * u * s * cx + s * s * ex;
    y = u * u * sy + 2 * u * s * cy + s * s * ey;
  }
};

Piece pieceOf(Point p0, const std::vector<Point>& q, Point p, std::size_t j) {
  const std::size_t k = q.size();
  Piece piece{};
  piece.cx = q[j].x;
  piece.cy = q[j].y;
  piece.sx = j == 0 ? p0.x : (q[j - 1].x + q[j].x) / 2.0;
  piece.sy = j == 0 ? p0.y : (q[j - 1].y + q[j].y) / 2.0;
  piece.ex = j + 1 == k ? p.x : (q[j].x + q[j + 1].x) / 2.0;
  piece.ey = j + 1 == k ? p.y : (q[j].y + q[j + 1].y) / 2.0;
  return piece;
}

// The squared distance from (x, y) to the nearest point of the curve f between the parameters
// lo and hi: a coarse search, then steps halved around the best parameter.
template <typename F>
double nearestSquared(F f, double lo, double hi, double x, double y) {
  constexpr int kSteps = 16;
  auto distance = [&](double t) {
    double cx = 0, cy = 0;
    f(t, cx, cy);
    return (cx - x) * (cx - x) + (cy - y) * (cy - y);
  };
  double bestT = lo;
  double best = distance(lo);
  for (int i = 1; i <= kSteps; ++i) {
    const double t = lo + (hi - lo) * i / kSteps;
    const double d = distance(t);
    if (d < best) {
      best = d;
      bestT = t;
    }
  }
  for (double step = (hi - lo) / kSteps / 2; step > (hi - lo) * 1e-5; step /= 2) {
    for (double t : {bestT - step, bestT + step}) {
      if (t < lo || t > hi) continue;
      const double d = distance(t);
      if (d < best) {
        best = d;
        bestT = t;
      }
    }
  }
  return best;
}

// Calls f(t, x, y) for every sample: the cubic's parameter and the point of the run there.
template <typename F>
void forEachSample(Point p0, const std::vector<Point>& q, Point p, F f) {
  const std::size_t k = q.size();
  for (std::size_t j = 0; j < k; ++j) {
    const Piece piece = pieceOf(p0, q, p, j);
    for (int i = 0; i <= kSamplesPerPiece; ++i) {
      const double s = static_cast<double>(i) / kSamplesPerPiece;
      double x = 0;
      double y = 0;
      piece.at(s, x, y);
      f((static_cast<double>(j) + s) / static_cast<double>(k), x, y);
    }
  }
}

}  // namespace

// Closeness is geometric: every sample of a piece lies near its stretch of the cubic and every
// sample of the stretch near the piece, so a cubic whose speed differs from the pieces' still
// counts as close where its path is.
bool QuadToCubicPen::closeToPieces(Point c1, Point c2, Point p) const {
  const std::size_t k = pending_.size();
  auto cubicAt = [&](double t, double& x, double& y) {
    const Bernstein b(t);
    x = b.b0 * p0_.x + b.b1 * c1.x + b.b2 * c2.x + b.b3 * p.x;
    y = b.b0 * p0_.y + b.b1 * c1.y + b.b2 * c2.y + b.b3 * p.y;
  };
  for (std::size_t j = 0; j < k; ++j) {
    const Piece piece = pieceOf(p0_, pending_, p, j);
    auto pieceAt = [&](double s, double& x, double& y) { piece.at(s, x, y); };
    const double from = static_cast<double>(j) / static_cast<double>(k);
    const double to = static_cast<double>(j + 1) / static_cast<double>(k);
    for (int i = 0; i <= kSamplesPerPiece; ++i) {
      const double s = static_cast<double>(i) / kSamplesPerPiece;
      double x = 0, y = 0;
      piece.at(s, x, y);
      if (nearestSquared(cubicAt, from, to, x, y) > kClosenessLimit) return false;
      cubicAt(from + s * (to - from), x, y);
      if (nearestSquared(pieceAt, 0, 1, x, y) > kClosenessLimit) return false;
    }
  }
  return true;
}

bool QuadToCubicPen::tryTangents(Point p) {
  // C1 = P0 + a (Q1 - P0), C2 = P + b (Qk - P): a and b from the normal equations.
  const double d1x = pending_.front().x - p0_.x, d1y = pending_.front().y - p0_.y;
  const double d2x = pending_.back().x - p.x, d2y = pending_.back().y - p.y;
  double m11 = 0, m12 = 0, m22 = 0, r1 = 0, r2 = 0;
  forEachSample(p0_, pending_, p, [&](double t, double x, double y) {
    const Bernstein b(t);
    const double rx = x - (b.b0 + b.b1) * p0_.x - (b.b2 + b.b3) * p.x;
    const double ry = y - (b.b0 + b.b1) * p0_.y - (b.b2 + b.b3) * p.y;
    const double a1x = b.b1 * d1x, a1y = b.b1 * d1y;
    const double a2x = b.b2 * d2x, a2y = b.b2 * d2y;
    m11 += a1x * a1x + a1y * a1y;
    m12 += a1x * a2x + a1y * a2y;
    m22 += a2x * a2x + a2y * a2y;
    r1 += a1x * rx + a1y * ry;
    r2 += a2x * rx + a2y * ry;
  });
  const double det = m11 * m22 - m12 * m12;
  if (std::fabs(det) < kMinimumDeterminant) return false;
  const double a = (r1 * m22 - r2 * m12) / det;
  const double b = (m11 * r2 - m12 * r1) / det;
  const Point c1 = offsetBy(p0_, a * d1x, a * d1y);
  const Point c2 = offsetBy(p, b * d2x, b * d2y);
  return emitIfClose(c1, c2, p);
}

bool QuadToCubicPen::tryFree(Point p) {
  double n11 = 0, n12 = 0, n22 = 0, rx1 = 0, rx2 = 0, ry1 = 0, ry2 = 0;
  forEachSample(p0_, pending_, p, [&](double t, double x, double y) {
    const Bernstein b(t);
    const double rx = x - b.b0 * p0_.x - b.b3 * p.x;
    const double ry = y - b.b0 * p0_.y - b.b3 * p.y;
    n11 += b.b1 * b.b1;
    n12 += b.b1 * b.b2;
    n22 += b.b2 * b.b2;
    rx1 += b.b1 * rx;
    rx2 += b.b2 * rx;
    ry1 += b.b1 * ry;
    ry2 += b.b2 * ry;
  });
  const double det = n11 * n22 - n12 * n12;
  if (std::fabs(det) < 1e-12) return false;
  const Point c1{roundToInt16((rx1 * n22 - rx2 * n12) / det),
                 roundToInt16((ry1 * n22 - ry2 * n12) / det)};
  const Point c2{roundToInt16((n11 * rx2 - n12 * rx1) / det),
                 roundToInt16((n11 * ry2 - n12 * ry1) / det)};
  return emitIfClose(c1, c2, p);
}

void QuadToCubicPen::exactPieces(Point p) {
  Point from = p0_;
  const std::size_t k = pending_.size();
  for (std::size_t j = 0; j < k; ++j) {
    const Piece piece = pieceOf(p0_, pending_, p, j);
    const Point to = j + 1 == k ? p : Point{roundToInt16(piece.ex), roundToInt16(piece.ey)};
    const Point c1{roundToInt16((piece.sx + 2 * piece.cx) / 3),
                   roundToInt16((piece.sy + 2 * piece.cy) / 3)};
    const Point c2{roundToInt16((piece.ex + 2 * piece.cx) / 3),
                   roundToInt16((piece.ey + 2 * piece.cy) / 3)};
    out_.curveTo(from, c1, c2, to);
    from = to;
  }
}

bool QuadToCubicPen::emitIfClose(Point c1, Point c2, Point p) {
  if (!closeToPieces(c1, c2, p)) return false;
  out_.curveTo(p0_, c1, c2, p);
  return true;
}

}  // namespace sorvella
