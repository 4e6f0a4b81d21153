// Contour operations of a glyph: reverse, new start node, reorder, delete, connections.
#include <algorithm>

#include "glyph/glyph.h"

namespace sorvella {

namespace {

// A node of `source`'s type and flags that carries, in every master, point 0 of node `from`.
Node nodeAtPointOf(const Outline& outline, uint16_t header, int from) {
  Node n;
  n.header = header;
  int masters = outline.masterCount();
  n.points.resize(static_cast<std::size_t>(n.pointCount() * masters));
  for (int m = 0; m < masters; ++m) n.points[static_cast<std::size_t>(m)] = outline.point(from, 0, m);
  return n;
}

uint16_t withType(uint16_t header, uint8_t type) {
  return static_cast<uint16_t>((header & 0xFF00) | type);
}

bool samePointInEveryMaster(const Outline& outline, int a, int b) {
  for (int m = 0; m < outline.masterCount(); ++m)
    if (outline.point(a, 0, m) != outline.point(b, 0, m)) return false;
  return true;
}

}  // namespace

bool Glyph::reverseContour(int i) {
  if (!hasNode(i)) {
    header(i);  // sets the status
    return false;
  }
  int s = contourStart(i);
  int e = contourEnd(i);
  emptyReplacementProgram();
  int masters = masterCount();

  Outline reversed(masters);
  if (type(e) == node_type::kOffCurve) {
    // Trailing controls close onto the move point, so the last node is no place to start:
    // keep the start and list the other one-point nodes backwards.
    reversed.appendNode(node(s));
    for (int k = e; k > s; --k) reversed.appendNode(node(k));
    return replaceNodes(s, e - s + 1, reversed);
  }
  uint16_t selected = header(e) & node_flag::kSelected;
  reversed.appendNode(nodeAtPointOf(*this, static_cast<uint16_t>(node_type::kMove | selected), e));
  for (int k = e; k > s; --k) {
    uint16_t h = header(k);
    if (nodeTypeOf(h) == node_type::kCurve) {
      Node n = nodeAtPointOf(*this, h, k - 1);
      for (int m = 0; m < masters; ++m) {
        n.points[static_cast<std::size_t>(masters + m)] = point(k, 2, m);
        n.points[static_cast<std::size_t>(2 * masters + m)] = point(k, 1, m);
      }
      reversed.appendNode(n);
    } else if (type(k - 1) == node_type::kOffCurve) {
      // A quadratic control point keeps its kind when the run is walked backwards.
      reversed.appendNode(nodeAtPointOf(*this, withType(h, node_type::kOffCurve), k - 1));
    } else if (nodeTypeOf(h) == node_type::kOffCurve) {
      reversed.appendNode(nodeAtPointOf(*this, withType(h, node_type::kLine), k - 1));
    } else {
      reversed.appendNode(nodeAtPointOf(*this, h, k - 1));
    }
  }
  return replaceNodes(s, e - s + 1, reversed);
}

bool Glyph::setStartNode(int i) {
  if (!hasNode(i)) {
    header(i);
    return false;
  }
  if (type(i) == node_type::kOffCurve) return false;
  int s = contourStart(i);
  if (i == s) return true;
  int e = contourEnd(i);
  emptyReplacementProgram();

  Outline contour(masterCount());
  uint16_t selected = header(i) & node_flag::kSelected;
  contour.appendNode(nodeAtPointOf(*this, static_cast<uint16_t>(node_type::kMove | selected), i));
  if (i < e) contour.appendNodes(*this, i + 1, e - i);
  if (!samePointInEveryMaster(*this, e, s))
    contour.appendNode(nodeAtPointOf(*this, node_type::kLine, s));
  // A line into the new start is dropped: the closing line replaces it.
  int last = type(i) == node_type::kCurve ? i : i - 1;
  if (last > s) contour.appendNodes(*this, s + 1, last - s);
  return replaceNodes(s, e - s + 1, contour);
}

bool Glyph::moveContour(int i, int position) {
  if (!hasNode(i)) {
    header(i);
    return false;
  }
  int count = contourCount();
  if (position == -1 || position >= count) position = count - 1;
  if (position < 0) return false;
  int number = contourNumberOf(i);
  if (number == position) return true;
  emptyReplacementProgram();

  int s = contourStart(i);
  int e = contourEnd(i);
  Outline contour(masterCount());
  contour.appendNodes(*this, s, e - s + 1);
  Outline rest(masterCount());
  if (s > 0) rest.appendNodes(*this, 0, s);
  if (e + 1 < nodeCount()) rest.appendNodes(*this, e + 1, nodeCount() - e - 1);
  int at = rest.contourStartByNumber(position);
  if (at < 0) at = rest.nodeCount();
  rest.insertNodes(at, contour, 0, contour.nodeCount());
  return replaceNodes(0, nodeCount(), rest);
}

bool Glyph::deleteContour(int i) {
  if (!hasNode(i)) {
    header(i);
    return false;
  }
  int s = contourStart(i);
  int e = contourEnd(i);
  emptyReplacementProgram();
  return deleteNodes(s, e - s + 1);
}

int Glyph::nextNodeInContour(int i) const { return i == contourEnd(i) ? i : i + 1; }

bool Glyph::toggleConnection(int i) {
  if (!hasNode(i)) {
    header(i);
    return false;
  }
  bool here = type(i) == node_type::kCurve;
  bool next = type(nextNodeInContour(i)) == node_type::kCurve;
  uint16_t current = nodeConnectionOf(header(i));
  uint16_t wanted = node_flag::kSharp;
  if (here && next) {
    if (current == node_flag::kSharp) wanted = node_flag::kSmooth;
    else if (current == node_flag::kSmooth) wanted = node_flag::kFixed;
  } else if (here || next) {
    if (current == node_flag::kSharp) wanted = node_flag::kSmooth;
  }
  return setHeaderFlags(i, node_flag::kConnectionMask, wanted);
}

bool Glyph::canSetConnection(int i) const {
  if (!hasNode(i)) return false;
  return type(i) == node_type::kCurve || type(nextNodeInContour(i)) == node_type::kCurve;
}

bool Glyph::setConnection(int i, uint16_t connection) {
  if (!canSetConnection(i)) return false;
  connection &= node_flag::kConnectionMask;
  if (connection != node_flag::kSharp && connection != node_flag::kSmooth &&
      connection != node_flag::kFixed)
    return false;
  return setHeaderFlags(i, node_flag::kConnectionMask, connection);
}

}  // namespace sorvella
