#include "editor/nodes_at_extremes.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "editor/real_point.h"
#include "glyph/outline_pen.h"
#include "outline/contour_connections.h"

namespace sorvella {

namespace {

// Roots in (0, 1) of the derivative of one coordinate of a cubic with values a, b, c, d.
void derivativeRoots(double a, double b, double c, double d, std::vector<double>& roots) {
  // B'(t)/3 = A t^2 + B t + C
  const double A = -a + 3 * b - 3 * c + d;
  const double B = 2 * (a - 2 * b + c);
  const double C = b - a;
  auto keep = [&](double t) {
    if (t > 0 && t < 1) roots.push_back(t);
  };
  if (std::abs(A) < 1e-12) {
    if (std::abs(B) > 1e-12) keep(-C / B);
    return;
  }
  const double disc = B * B - 4 * A * C;
  if (disc < 0) return;
  const double r = std::sqrt(disc);
  keep((-B - r) / (2 * A));
  keep((-B + r) / (2 * A));
}

class ExtremesPen : public OutlineBuilder {
 public:
  using OutlineBuilder::OutlineBuilder;

  void curveTo(Point start, Point control1, Point control2, Point end) override {
    std::vector<double> roots;
    derivativeRoots(start.x, control1.x, control2.x, end.x, roots);
    derivativeRoots(start.y, control1.y, control2.y, end.y, roots);
    std::sort(roots.begin(), roots.end());
    roots.erase(std::unique(roots.begin(), roots.end()), roots.end());
    RealPoint p0 = real(start), p1 = real(control1), p2 = real(control2), p3 = real(end);
    double done = 0;  // the parameter of the original curve where the rest begins
    Point from = start;
    for (double root : roots) {
      const double t = (root - done) / (1 - done);
      // De Casteljau split of the rest at t.
      const RealPoint a = lerp(p0, p1, t), b = lerp(p1, p2, t), c = lerp(p2, p3, t);
      const RealPoint ab = lerp(a, b, t), bc = lerp(b, c, t);
      const RealPoint mid = lerp(ab, bc, t);
      const Point at = rounded(mid);
      if (at != from && at != end) {
        OutlineBuilder::curveTo(from, rounded(a), rounded(ab), at);
        from = at;
      }
      p0 = mid, p1 = bc, p2 = c;
      done = root;
    }
    OutlineBuilder::curveTo(from, rounded(p1), rounded(p2), end);
  }
};

}  // namespace

bool addNodesAtExtremes(Glyph& glyph) {
  if (glyph.masterCount() != 1 || glyph.empty()) return false;
  Outline result(1);
  ExtremesPen pen(result);
  glyph.enumerate(pen, 0);
  recomputeConnections(result, 0);
  const bool changed = result.nodeCount() != glyph.nodeCount();
  glyph.replaceNodes(0, glyph.nodeCount(), result);
  // New nodes renumber the rest, so a replacement program would switch hints at wrong nodes.
  if (changed && glyph.hints()) glyph.hints()->replacement.clear();
  return changed;
}

}  // namespace sorvella
