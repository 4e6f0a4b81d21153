#include "editor/paint_stroke.h"

#include <cmath>

#include "base/rounding.h"

namespace sorvella {

Outline strokeOutline(std::span<const Point> path, int width) {
  Outline o(1);
  if (path.empty() || width < 1) return o;
  const double half = width / 2.0;
  auto corner = [](double x, double y) { return Point{roundToInt16(x), roundToInt16(y)}; };
  bool drawn = false;
  for (std::size_t i = 1; i < path.size(); ++i) {
    const Point a = path[i - 1], b = path[i];
    const double dx = b.x - a.x, dy = b.y - a.y, length = std::hypot(dx, dy);
    if (length == 0) continue;
    // Half the width across the piece, and as much beyond each end, so pieces overlap.
    const double nx = -dy / length * half, ny = dx / length * half;
    const double ex = dx / length * half, ey = dy / length * half;
    o.appendNode(Node::move(corner(a.x - ex + nx, a.y - ey + ny)));
    o.appendNode(Node::line(corner(a.x - ex - nx, a.y - ey - ny)));
    o.appendNode(Node::line(corner(b.x + ex - nx, b.y + ey - ny)));
    o.appendNode(Node::line(corner(b.x + ex + nx, b.y + ey + ny)));
    drawn = true;
  }
  if (!drawn) {
    const Point p = path.front();
    o.appendNode(Node::move(corner(p.x - half, p.y - half)));
    o.appendNode(Node::line(corner(p.x + half, p.y - half)));
    o.appendNode(Node::line(corner(p.x + half, p.y + half)));
    o.appendNode(Node::line(corner(p.x - half, p.y + half)));
  }
  return o;
}

}  // namespace sorvella
