#include "editor/segment_edits.h"

#include <cstdlib>

#include "editor/outline_walk.h"
#include "editor/real_point.h"

namespace sorvella {

namespace {

// New nodes renumber the rest, so the replacement program is emptied.
void renumbered(Glyph& glyph) {
  if (glyph.hints()) glyph.hints()->replacement.clear();
}

}  // namespace

bool insertNodeAt(Glyph& glyph, int node, double t) {
  if (glyph.masterCount() != 1 || !glyph.hasNode(node) || !(t > 0 && t < 1)) return false;
  const int previous = previousInContour(glyph, node);
  if (previous == node || glyph.type(node) == node_type::kOffCurve ||
      glyph.type(previous) == node_type::kOffCurve)
    return false;
  const RealPoint p0 = real(glyph.point(previous)), p3 = real(glyph.point(node));
  // The closing segment of a contour belongs to its move node; its new node ends the contour.
  const int at = glyph.type(node) == node_type::kMove ? glyph.contourEnd(node) + 1 : node;
  if (glyph.type(node) != node_type::kCurve) {
    const bool ok = glyph.insertNode(at, Node::line(rounded(lerp(p0, p3, t))));
    if (ok) renumbered(glyph);
    return ok;
  }
  const RealPoint p1 = real(glyph.point(node, 1)), p2 = real(glyph.point(node, 2));
  const RealPoint a = lerp(p0, p1, t), b = lerp(p1, p2, t), c = lerp(p2, p3, t);
  const RealPoint ab = lerp(a, b, t), bc = lerp(b, c, t), mid = lerp(ab, bc, t);
  const Node second = [&] {
    Node n = glyph.node(node);
    n.points = {glyph.point(node), rounded(bc), rounded(c)};
    return n;
  }();
  if (!glyph.replaceNode(node, second)) return false;
  Node first = Node::curve(rounded(mid), rounded(a), rounded(ab));
  first.header |= node_flag::kSmooth;
  const bool ok = glyph.insertNode(node, first);
  if (ok) renumbered(glyph);
  return ok;
}

bool convertToLine(Glyph& glyph, int node) {
  if (!glyph.hasNode(node) || glyph.type(node) != node_type::kCurve) return false;
  Node line = Node::make(node_type::kLine, glyph.masterCount(), Point{});
  for (int m = 0; m < glyph.masterCount(); ++m)
    line.points[static_cast<std::size_t>(m)] = glyph.point(node, 0, m);
  line.header |= glyph.header(node) & node_flag::kSelected;
  return glyph.replaceNode(node, line);
}

bool convertNode(Glyph& glyph, int node) {
  if (!glyph.hasNode(node)) return false;
  if (glyph.type(node) == node_type::kCurve) return convertToLine(glyph, node);
  const int previous = previousInContour(glyph, node);
  if (glyph.type(node) != node_type::kLine || previous == node ||
      glyph.type(previous) == node_type::kOffCurve)
    return false;
  Node curve;
  curve.header = static_cast<uint16_t>(node_type::kCurve | (glyph.header(node) & 0xFF00));
  const int masters = glyph.masterCount();
  curve.points.resize(static_cast<std::size_t>(3 * masters));
  for (int m = 0; m < masters; ++m) {
    const RealPoint a = real(glyph.point(previous, 0, m)), b = real(glyph.point(node, 0, m));
    curve.points[static_cast<std::size_t>(m)] = glyph.point(node, 0, m);
    curve.points[static_cast<std::size_t>(masters + m)] = rounded(lerp(a, b, 1.0 / 3));
    curve.points[static_cast<std::size_t>(2 * masters + m)] = rounded(lerp(a, b, 2.0 / 3));
  }
  return glyph.replaceNode(node, curve);
}

bool normalizeCurve(Glyph& glyph, int node) {
  if (!glyph.hasNode(node) || glyph.type(node) != node_type::kCurve) return false;
  const int previous = previousInContour(glyph, node);
  for (int m = 0; m < glyph.masterCount(); ++m) {
    const Point a = glyph.point(previous, 0, m), b = glyph.point(node, 0, m);
    for (int k = 1; k <= 2; ++k) {
      const Point c = glyph.point(node, k, m);
      const int64_t cross = static_cast<int64_t>(b.x - a.x) * (c.y - a.y) -
                            static_cast<int64_t>(b.y - a.y) * (c.x - a.x);
      if (cross != 0) return false;
    }
  }
  return convertToLine(glyph, node);
}

}  // namespace sorvella
