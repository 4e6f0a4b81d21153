#include "outline/contour_connections.h"

#include <cstdint>
#include <cstdlib>

namespace sorvella {

namespace {

struct Direction {
  int64_t x, y;
};

Direction between(Point from, Point to) {
  return {to.x - from.x, to.y - from.y};
}

// Nearly parallel and both long enough to tell a direction.
bool smoothJoin(Direction a, Direction b) {
  if (a.x * a.x + a.y * a.y <= 1 || b.x * b.x + b.y * b.y <= 1) return false;
  return 2 * std::llabs(a.x * b.y - a.y * b.x) <
         std::llabs(a.x) + std::llabs(a.y) + std::llabs(b.x) + std::llabs(b.y);
}

bool isCurve(const Outline& o, int i) {
  uint8_t t = o.type(i);
  return t == node_type::kCurve || t == node_type::kOffCurve;
}

}  // namespace

void recomputeConnections(Outline& outline, int master) {
  const int n = outline.nodeCount();
  for (int i = 0; i < n; ++i) outline.setHeaderFlags(i, node_flag::kConnectionMask, 0);
  if (master < 0 || master >= outline.masterCount()) return;
  for (int s = 0; s < n;) {
    const int e = outline.contourEnd(s);
    const Point start = outline.point(s, 0, master);
    const Point last = outline.point(e, 0, master);
    // The segment that arrives at node i's point and the one that leaves it; the move node's
    // incoming segment is the closing one.
    for (int i = s; i <= e; ++i) {
      if (!isOnCurveType(outline.type(i)) || (i == e && e > s && last == start)) continue;
      Point p = outline.point(i, 0, master);
      bool curveIn = false, curveOut = false;
      Direction in{}, out{};
      if (i == s) {
        // From the last node, or over the implied closing line when it ends elsewhere.
        if (e == s) continue;
        if (last == start) {
          curveIn = outline.type(e) == node_type::kCurve;
          in = between(curveIn ? outline.point(e, 2, master) : outline.point(e - 1, 0, master), p);
          curveIn = curveIn || outline.type(e - 1) == node_type::kOffCurve;
        } else {
          in = between(last, p);
        }
      } else {
        curveIn =
            outline.type(i) == node_type::kCurve || outline.type(i - 1) == node_type::kOffCurve;
        in = between(outline.type(i) == node_type::kCurve ? outline.point(i, 2, master)
                                                          : outline.point(i - 1, 0, master),
                     p);
      }
      const int next = i < e ? i + 1 : s;
      if (next == s) {
        // Over the implied closing line to the move point.
        out = between(p, start);
      } else {
        curveOut = isCurve(outline, next);
        out = between(p,
                      outline.point(next, outline.type(next) == node_type::kCurve ? 1 : 0, master));
      }
      if ((curveIn || curveOut) && smoothJoin(in, out))
        outline.setHeaderFlags(i, node_flag::kConnectionMask, node_flag::kSmooth);
    }
    s = e + 1;
  }
}

}  // namespace sorvella
