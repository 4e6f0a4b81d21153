// The glyph's tight bounding box: on-curve points plus the extremes of every curve segment.
#include <algorithm>
#include <cmath>

#include "base/rounding.h"
#include "glyph/glyph.h"
#include "glyph/outline_pen.h"

namespace sorvella {

namespace {

class BoundsPen : public OutlinePen {
 public:
  void moveTo(Point p) override { add(p.x, p.y); }
  void lineTo(Point p) override { add(p.x, p.y); }

  void curveTo(Point p0, Point p1, Point p2, Point p3) override {
    add(p3.x, p3.y);
    cubicExtremes(p0.x, p1.x, p2.x, p3.x, xMin_, xMax_);
    cubicExtremes(p0.y, p1.y, p2.y, p3.y, yMin_, yMax_);
  }

  void quadTo(WidePoint s, WidePoint c, WidePoint e, bool) override {
    add(e.x / 2.0, e.y / 2.0);
    quadExtreme(s.x / 2.0, c.x / 2.0, e.x / 2.0, xMin_, xMax_);
    quadExtreme(s.y / 2.0, c.y / 2.0, e.y / 2.0, yMin_, yMax_);
  }

  Box box() const {
    Box b;
    if (xMin_ > xMax_) return b;
    b.xMin = clampToInt16(std::floor(xMin_));
    b.yMin = clampToInt16(std::floor(yMin_));
    b.xMax = clampToInt16(std::ceil(xMax_));
    b.yMax = clampToInt16(std::ceil(yMax_));
    return b;
  }

 private:
  void add(double x, double y) {
    xMin_ = std::min(xMin_, x);
    xMax_ = std::max(xMax_, x);
    yMin_ = std::min(yMin_, y);
    yMax_ = std::max(yMax_, y);
  }

  static void widen(double v, double& lo, double& hi) {
    lo = std::min(lo, v);
    hi = std::max(hi, v);
  }

  static void cubicExtremes(double a, double b, double c, double d, double& lo, double& hi) {
    // Derivative of the Bezier polynomial: 3(qa t^2 + qb t + qc).
    double qa = -a + 3 * b - 3 * c + d;
    double qb = 2 * (a - 2 * b + c);
    double qc = b - a;
    auto at = [&](double t) {
      double u = 1 - t;
      return u * u * u * a + 3 * u * u * t * b + 3 * u * t * t * c + t * t * t * d;
    };
    auto consider = [&](double t) {
      if (t > 0 && t < 1) widen(at(t), lo, hi);
    };
    if (std::abs(qa) < 1e-12) {
      if (std::abs(qb) > 1e-12) consider(-qc / qb);
      return;
    }
    double disc = qb * qb - 4 * qa * qc;
    if (disc < 0) return;
    double root = std::sqrt(disc);
    consider((-qb + root) / (2 * qa));
    consider((-qb - root) / (2 * qa));
  }

  static void quadExtreme(double a, double b, double c, double& lo, double& hi) {
    double denom = a - 2 * b + c;
    if (std::abs(denom) < 1e-12) return;
    double t = (a - b) / denom;
    if (t > 0 && t < 1) {
      double u = 1 - t;
      widen(u * u * a + 2 * u * t * b + t * t * c, lo, hi);
    }
  }

  double xMin_ = 1e300, yMin_ = 1e300, xMax_ = -1e300, yMax_ = -1e300;
};

}  // namespace

Box Glyph::boundingBox() const {
  if (boxRevision_ != revision()) {
    BoundsPen pen;
    enumerate(pen, 0, 0);
    boundingBox_ = pen.box();
    boxRevision_ = revision();
  }
  return boundingBox_;
}

}  // namespace sorvella
