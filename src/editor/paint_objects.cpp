#include "editor/paint_objects.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "base/rounding.h"
#include "editor/outline_walk.h"
#include "editor/paint_stroke.h"

namespace sorvella {

namespace {

constexpr double kArcHandle = 0.5523;  // cubic quarter arc of a unit circle

// Twice the signed area; negative for a clockwise run with y pointing up.
int64_t doubleArea(const std::vector<Point>& p) {
  int64_t sum = 0;
  for (std::size_t i = 0; i < p.size(); ++i) {
    const Point a = p[i], b = p[(i + 1) % p.size()];
    sum += static_cast<int64_t>(a.x) * b.y - static_cast<int64_t>(b.x) * a.y;
  }
  return sum;
}

std::vector<Point> distinctRun(std::span<const Point> points) {
  std::vector<Point> run;
  for (const Point& p : points)
    if (run.empty() || run.back() != p) run.push_back(p);
  while (run.size() > 1 && run.back() == run.front()) run.pop_back();
  return run;
}

double distanceToSide(Point p, Point a, Point b) {
  const double dx = b.x - a.x, dy = b.y - a.y, length2 = dx * dx + dy * dy;
  double t = length2 == 0 ? 0 : ((p.x - a.x) * dx + (p.y - a.y) * dy) / length2;
  t = std::clamp(t, 0.0, 1.0);
  return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

}  // namespace

Outline rectangleOutline(Point a, Point b) {
  Outline o(1);
  const int16_t x0 = std::min(a.x, b.x), x1 = std::max(a.x, b.x);
  const int16_t y0 = std::min(a.y, b.y), y1 = std::max(a.y, b.y);
  if (x0 == x1 || y0 == y1) return o;
  o.appendNode(Node::move({x0, y0}));
  o.appendNode(Node::line({x0, y1}));
  o.appendNode(Node::line({x1, y1}));
  o.appendNode(Node::line({x1, y0}));
  return o;
}

Outline ellipseOutline(Point a, Point b) {
  Outline o(1);
  const int16_t x0 = std::min(a.x, b.x), x1 = std::max(a.x, b.x);
  const int16_t y0 = std::min(a.y, b.y), y1 = std::max(a.y, b.y);
  if (x0 == x1 || y0 == y1) return o;
  const double cx = (x0 + x1) / 2.0, cy = (y0 + y1) / 2.0;
  const double rx = (x1 - x0) / 2.0, ry = (y1 - y0) / 2.0;
  auto at = [&](double angle, double along) {
    const double c = std::cos(angle), s = std::sin(angle);
    return Point{roundToInt16(cx + rx * (c - along * s)), roundToInt16(cy + ry * (s + along * c))};
  };
  const double step = std::numbers::pi / 2;
  o.appendNode(Node::move(at(0, 0)));
  for (int q = 4; q > 0; --q) {
    const double from = q * step, to = (q - 1) * step;
    o.appendNode(Node::curve(at(to, 0), at(from, -kArcHandle), at(to, kArcHandle)));
  }
  return o;
}

Outline polygonOutline(std::span<const Point> points) {
  Outline o(1);
  std::vector<Point> run = distinctRun(points);
  if (run.size() < 3) return o;
  const int64_t area = doubleArea(run);
  if (area == 0) return o;
  if (area > 0) std::reverse(run.begin() + 1, run.end());
  o.appendNode(Node::move(run.front()));
  for (std::size_t i = 1; i < run.size(); ++i) o.appendNode(Node::line(run[i]));
  return o;
}

Outline penOutline(std::span<const Point> path) {
  std::vector<Point> kept;
  for (const Point& p : path) {
    if (!kept.empty() && std::abs(p.x - kept.back().x) < kPenMinimumStep &&
        std::abs(p.y - kept.back().y) < kPenMinimumStep)
      continue;
    kept.push_back(p);
  }
  return polygonOutline(kept);
}

int selectNodesOn(Outline& outline, const Outline& object) {
  outline.deselectAll();
  int selected = 0;
  for (int i = 0; i < outline.nodeCount(); ++i) {
    const Point p = outline.point(i);
    for (int k = 0; k < object.nodeCount(); ++k) {
      if (distanceToSide(p, object.point(previousInContour(object, k)), object.point(k)) > 1)
        continue;
      outline.setSelected(i, true);
      ++selected;
      break;
    }
  }
  return selected;
}

Outline polygonTrace(std::span<const Point> points, const PaintOptions& brush) {
  std::vector<Point> run = distinctRun(points);
  if (run.size() > 2) run.push_back(run.front());
  return strokeOutline(run, brush);
}

}  // namespace sorvella
