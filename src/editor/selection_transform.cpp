#include "editor/selection_transform.h"

#include <cmath>
#include <numbers>
#include <set>
#include <utility>

#include "base/rounding.h"
#include "editor/outline_walk.h"

namespace sorvella {

PointTransform scaleTransform(Point centre, double fx, double fy) {
  return [=](Point p) {
    return Point{clampToInt16(centre.x + roundHalfDown((p.x - centre.x) * fx)),
                 clampToInt16(centre.y + roundHalfDown((p.y - centre.y) * fy))};
  };
}

PointTransform slantTransform(double angle, int base) {
  double s = std::sin(-angle * std::numbers::pi / 180);
  double c = std::cos(-angle * std::numbers::pi / 180);
  // Near a vertical slant the cosine is held off zero.
  if (c > 0 && c < 0.1) {
    s = std::copysign(0.9, s);
    c = 0.1;
  } else if (c < 0 && c > -0.1) {
    s = std::copysign(0.9, s);
    c = -0.1;
  }
  return [=](Point p) {
    return Point{clampToInt16(p.x - roundHalfDown((p.y - base) / c * s)), p.y};
  };
}

PointTransform rotateTransform(double angle, Point centre) {
  const double s = std::sin(angle * std::numbers::pi / 180);
  const double c = std::cos(angle * std::numbers::pi / 180);
  return [=](Point p) {
    const double dx = p.x - centre.x, dy = p.y - centre.y;
    return Point{clampToInt16(centre.x + roundHalfDown(dx * c - dy * s)),
                 clampToInt16(centre.y + roundHalfDown(dx * s + dy * c))};
  };
}

PointTransform moveTransform(int dx, int dy) {
  return [=](Point p) { return Point{clampToInt16(p.x + dx), clampToInt16(p.y + dy)}; };
}

int transformSelection(Outline& outline, int master, const PointTransform& transform) {
  if (master < 0 || master >= outline.masterCount()) return 0;
  std::set<std::pair<int, int>> points;
  for (int i = 0; i < outline.nodeCount(); ++i) {
    if (!outline.isSelected(i)) continue;
    points.insert({i, 0});
    if (outline.type(i) == node_type::kCurve) points.insert({i, 2});
    const int next = nextInContour(outline, i);
    if (next != i && outline.type(next) == node_type::kCurve) points.insert({next, 1});
  }
  for (const auto& [node, k] : points)
    outline.setPoint(node, k, master, transform(outline.point(node, k, master)));
  return static_cast<int>(points.size());
}

}  // namespace sorvella
