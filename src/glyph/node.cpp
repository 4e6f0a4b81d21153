#include "glyph/node.h"

namespace sorvella {

Node Node::make(uint8_t type, int masterCount, Point p) {
  Node n;
  n.header = type;
  n.points.assign(static_cast<std::size_t>(n.pointCount() * masterCount), p);
  return n;
}

Node Node::curve(Point end, Point control1, Point control2) {
  Node n;
  n.header = node_type::kCurve;
  n.points = {end, control1, control2};
  return n;
}

}  // namespace sorvella
