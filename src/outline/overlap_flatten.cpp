// Flattening: lines become one edge; a cubic is cut into n steps by integer forward
// differencing, and consecutive steps are merged only where they continue in one direction,
// so that every edge stays close to its curve.
#include <algorithm>
#include <cmath>

#include "outline/overlap_arithmetic.h"
#include "outline/overlap_work.h"

namespace sorvella {

namespace {

constexpr int kMaxSteps = 40;

int stepCount(const SourceSegment& s) {
  double sum = 0;
  for (int i = 1; i < 4; ++i) {
    double dx = static_cast<double>(s.p[i].x - s.p[i - 1].x) / kSourceScale;
    double dy = static_cast<double>(s.p[i].y - s.p[i - 1].y) / kSourceScale;
    sum += dx * dx + dy * dy;
  }
  if (sum < 2) return 1;  // the end point only
  if (sum > kMaxSteps * kMaxSteps * 16.0 / 9.0) return kMaxSteps;
  if (sum < 12) return 2;
  return std::min(kMaxSteps, static_cast<int>(std::ceil(0.75 * std::sqrt(sum) - 0.5)));
}

// Appends an edge from the current point to p, or lengthens the last edge when it belongs to
// the same segment and p continues it in its direction.
void stepTo(OverlapWork& w, uint32_t segment, EdgePoint p, double t, uint32_t firstOfSegment) {
  if (p == w.currentPoint) return;
  if (w.contourLast != kNoEdge && w.contourLast >= firstOfSegment) {
    OverlapEdge& last = w.edges[w.contourLast];
    int64_t ux = last.b.x - last.a.x, uy = last.b.y - last.a.y;
    int64_t vx = p.x - last.b.x, vy = p.y - last.b.y;
    if (ux * vy - uy * vx == 0 && ux * vx + uy * vy > 0) {
      last.b = p;
      last.t1 = t;
      w.currentPoint = p;
      return;
    }
  }
  OverlapEdge e;
  e.a = w.currentPoint;
  e.b = p;
  e.t1 = t;
  e.segment = segment;
  if (w.contourLast != kNoEdge) {
    const OverlapEdge& last = w.edges[w.contourLast];
    e.t0 = last.segment == segment ? last.t1 : 0.0;
  } else {
    e.t0 = 0.0;
  }
  uint32_t index = w.addEdge(e);
  if (w.contourLast == kNoEdge)
    w.contourFirst = index;
  else
    w.edges[w.contourLast].next = index;
  w.contourLast = index;
  w.currentPoint = p;
}

}  // namespace

void flattenSegment(OverlapWork& w, uint32_t segment) {
  const SourceSegment s = w.segments[segment];
  const uint32_t firstOfSegment = static_cast<uint32_t>(w.edges.size());
  auto end = [&](const SourcePoint& q) {
    return EdgePoint{static_cast<int32_t>(roundedQuotient(q.x, kSourceScale)),
                     static_cast<int32_t>(roundedQuotient(q.y, kSourceScale))};
  };
  if (!s.curve) {
    stepTo(w, segment, end(s.p[3]), 1.0, firstOfSegment);
    return;
  }
  const int64_t n = stepCount(s);
  const int64_t n2 = n * n, n3 = n2 * n;
  const int64_t divisor = kSourceScale * n3;
  auto differences = [&](int64_t p0, int64_t p1, int64_t p2, int64_t p3) {
    int64_t a = -p0 + 3 * p1 - 3 * p2 + p3;
    int64_t b = 3 * p0 - 6 * p1 + 3 * p2;
    int64_t c = 3 * (p1 - p0);
    // n^3 B(k / n) = a k^3 + b n k^2 + c n^2 k + p0 n^3, stepped by its differences.
    return std::array<int64_t, 4>{p0 * n3, a + b * n + c * n2, 6 * a + 2 * b * n, 6 * a};
  };
  std::array<int64_t, 4> fx = differences(s.p[0].x, s.p[1].x, s.p[2].x, s.p[3].x);
  std::array<int64_t, 4> fy = differences(s.p[0].y, s.p[1].y, s.p[2].y, s.p[3].y);
  // A step that lands on the previous step's point (or on the start) starts no edge; the
  // first distinct point keeps the parameter of the last point that did.
  for (int64_t k = 1; k <= n; ++k) {
    for (std::array<int64_t, 4>* f : {&fx, &fy}) {
      (*f)[0] += (*f)[1];
      (*f)[1] += (*f)[2];
      (*f)[2] += (*f)[3];
    }
    EdgePoint p{static_cast<int32_t>(roundedQuotient(fx[0], divisor)),
                static_cast<int32_t>(roundedQuotient(fy[0], divisor))};
    if (k == n) p = end(s.p[3]);
    stepTo(w, segment, p, static_cast<double>(k) / static_cast<double>(n), firstOfSegment);
  }
}

}  // namespace sorvella
