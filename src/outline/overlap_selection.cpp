// Selection: every loop gets its parent (the nearest loop around it), and the fill rule then
// says which loops separate filled from unfilled area; those are kept, and with orientation
// correction each kept loop runs the way its depth among the kept loops requires.
#include <algorithm>
#include <cmath>

#include "outline/overlap_work.h"

namespace sorvella {

namespace {

struct TestPoint {
  double x, y;
};

bool boxContains(const OverlapContour& outer, const OverlapContour& inner) {
  return outer.xMin <= inner.xMin && outer.yMin <= inner.yMin && outer.xMax >= inner.xMax &&
         outer.yMax >= inner.yMax;
}

// A point strictly inside the contour next to its lowest vertex: on the bisector of the two
// edges there (the vertex is extreme, so the angle between them is below 180 degrees), less
// than a unit in, and closer for contours too small to hold it.
TestPoint testPoint(OverlapWork& w, const OverlapContour& c) {
  const OverlapEdge& out = w.edges[w.loopEdges[c.first + c.lowest]];
  const OverlapEdge& in = w.edges[w.loopEdges[c.first + (c.lowest + c.count - 1) % c.count]];
  const double vx = out.a.x, vy = out.a.y;
  double ux = out.b.x - vx, uy = out.b.y - vy;
  double px = in.a.x - vx, py = in.a.y - vy;
  double lu = std::hypot(ux, uy), lp = std::hypot(px, py);
  double bx = ux / lu + px / lp, by = uy / lu + py / lp;
  double lb = std::hypot(bx, by);
  bx /= lb;
  by /= lb;
  // Odd factors keep the point off the integer grid and off the edges' lines.
  double distance = 0.8999;
  TestPoint t{vx + bx * distance, vy + by * distance};
  for (int i = 0; i < 40 && !contourContains(w, c, t.x, t.y); ++i) {
    distance *= 0.4837;
    t = {vx + bx * distance, vy + by * distance};
  }
  return t;
}

class Selector {
 public:
  Selector(OverlapWork& w, uint16_t mode) : w_(w), mode_(mode) {}

  void select() {
    const std::size_t n = w_.contours.size();
    order_.resize(n);
    for (uint32_t i = 0; i < n; ++i) order_[i] = i;
    // An enclosing contour meets the sweep first; of two starting at one vertex, the larger.
    std::sort(order_.begin(), order_.end(), [&](uint32_t a, uint32_t b) {
      const OverlapContour& ca = w_.contours[a];
      const OverlapContour& cb = w_.contours[b];
      if (ca.lowestKey != cb.lowestKey) return ca.lowestKey < cb.lowestKey;
      if (ca.area != cb.area) return ca.area > cb.area;
      return a < b;
    });
    w_.spend(n);
    findParents();
    if (mode_ & overlap_mode::kAtmFill)
      selectEvenOdd();
    else
      selectNonZero();
    if (mode_ & overlap_mode::kCorrectOrientation) correctOrientation();
  }

 private:
  void findParents() {
    for (std::size_t position = 0; position < order_.size(); ++position) {
      OverlapContour& c = w_.contours[order_[position]];
      if (c.has(contour_flag::kZeroArea)) {
        c.flags |= contour_flag::kRemoved;
        continue;
      }
      bool tested = false;
      TestPoint t{};
      for (std::size_t k = position; k-- > 0;) {
        const OverlapContour& candidate = w_.contours[order_[k]];
        w_.spend(1);
        if (candidate.has(contour_flag::kZeroArea) || !boxContains(candidate, c)) continue;
        if (!tested) {
          t = testPoint(w_, c);
          tested = true;
        }
        if (contourContains(w_, candidate, t.x, t.y)) {
          c.parent = static_cast<int32_t>(order_[k]);
          break;
        }
      }
    }
  }

  // Fill alternates with depth; a contour that repeats its parent exactly cancels it.
  void selectEvenOdd() {
    std::vector<bool> cancelled(w_.contours.size(), false);
    for (uint32_t index : order_) {
      OverlapContour& c = w_.contours[index];
      if (c.has(contour_flag::kZeroArea)) continue;
      if (c.parent < 0) {
        c.winding = 1;
        continue;
      }
      OverlapContour& parent = w_.contours[c.parent];
      c.winding = 1 - parent.winding;
      if (c.area == parent.area && !cancelled[c.parent]) {
        cancelled[index] = cancelled[c.parent] = true;
        c.flags |= contour_flag::kRemoved;
        parent.flags |= contour_flag::kRemoved;
      }
    }
  }

  // A contour stays when the area is filled on exactly one side of it.
  void selectNonZero() {
    const bool positive = (mode_ & overlap_mode::kPositiveFill) != 0;
    auto filled = [positive](int32_t winding) { return positive ? winding > 0 : winding != 0; };
    for (uint32_t index : order_) {
      OverlapContour& c = w_.contours[index];
      if (c.has(contour_flag::kZeroArea)) continue;
      int32_t outside = c.parent < 0 ? 0 : w_.contours[c.parent].winding;
      c.winding = outside + (c.has(contour_flag::kNegative) ? -1 : 1);
      if (filled(c.winding) == filled(outside)) c.flags |= contour_flag::kRemoved;
    }
  }

  // Outermost kept contours counter-clockwise, alternating inwards.
  void correctOrientation() {
    const std::size_t n = w_.contours.size();
    std::vector<int32_t> depth(n, -1);
    std::vector<int32_t> keptAround(n, -1);  // the nearest kept contour around each
    for (uint32_t index : order_) {
      OverlapContour& c = w_.contours[index];
      if (c.has(contour_flag::kZeroArea)) continue;
      int32_t p = c.parent;
      keptAround[index] = p < 0 ? -1 : (w_.contours[p].kept() ? p : keptAround[p]);
      if (!c.kept()) continue;
      depth[index] = keptAround[index] < 0 ? 0 : depth[keptAround[index]] + 1;
      const bool wantPositive = depth[index] % 2 == 0;
      if (wantPositive == c.has(contour_flag::kNegative)) c.flags |= contour_flag::kReversed;
    }
  }

  OverlapWork& w_;
  uint16_t mode_;
  std::vector<uint32_t> order_;
};

}  // namespace

bool contourContains(OverlapWork& w, const OverlapContour& c, double x, double y) {
  w.spend(c.count);
  bool inside = false;
  for (uint32_t i = 0; i < c.count; ++i) {
    const OverlapEdge& e = w.edges[w.loopEdges[c.first + i]];
    if ((e.a.y > y) == (e.b.y > y)) continue;
    double cross = e.a.x + (y - e.a.y) * (e.b.x - e.a.x) / static_cast<double>(e.b.y - e.a.y);
    if (x < cross) inside = !inside;
  }
  return inside;
}

void selectContours(OverlapWork& w, uint16_t mode) {
  Selector(w, mode).select();
}

}  // namespace sorvella
