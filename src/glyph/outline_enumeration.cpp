// Walks an outline through an OutlinePen: cubic segments as they are, quadratic runs with
// implied on-curve midpoints between consecutive off-curve nodes, in doubled coordinates.
#include <optional>

#include "glyph/outline.h"
#include "glyph/outline_pen.h"

namespace sorvella {

namespace {

WidePoint doubled(Point p) { return {p.x * 2, p.y * 2}; }

}  // namespace

void Outline::enumerate(OutlinePen& pen, int m, int first) const {
  if (m < 0 || m >= masterCount_ || first < 0) return;
  if (first == 0) pen.begin();

  Point current;        // end of the last segment
  Point contourStart;   // move point of the current contour
  WidePoint quadStart;  // doubled start of a pending quadratic segment
  std::optional<WidePoint> pending;  // doubled off-curve control waiting for its end

  auto finishPending = [&](Point end) {
    if (!pending) return;
    pen.quadTo(quadStart, *pending, doubled(end), true);
    pending.reset();
  };

  bool emitted = false;
  for (int i = first; i < nodeCount_; ++i) {
    uint8_t t = type(i);
    Point p = point(i, 0, m);
    switch (t) {
      case node_type::kMove:
        finishPending(contourStart);
        if (i != first) pen.closePath();
        pen.moveTo(p);
        contourStart = p;
        current = p;
        break;
      case node_type::kLine:
        if (pending) {
          finishPending(p);
        } else {
          pen.lineTo(p);
        }
        current = p;
        break;
      case node_type::kCurve:
        pen.curveTo(current, point(i, 1, m), point(i, 2, m), p);
        current = p;
        break;
      case node_type::kOffCurve: {
        WidePoint control = doubled(p);
        if (!pending) {
          quadStart = doubled(current);
        } else {
          WidePoint mid{(pending->x + control.x) / 2, (pending->y + control.y) / 2};
          pen.quadTo(quadStart, *pending, mid, false);
          quadStart = mid;
        }
        pending = control;
        current = p;
        break;
      }
      default:
        break;  // plain and empty nodes draw nothing
    }
    emitted = true;
  }

  if (first == 0) {
    finishPending(contourStart);
    if (emitted) pen.closePath();
    pen.end();
  }
}

}  // namespace sorvella
