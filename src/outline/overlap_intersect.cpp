// Intersection: edges are cut until no two of them cross, overlap or end inside one another.
// Each pass groups the edges of every contour into chains monotone in x and y (which cannot
// cross themselves), sweeps the chains in x order with an active list, tests the edges of
// overlapping chains, and then cuts the edges. A crossing becomes an integer point next to it
// that both cut edges share; the small moves that this makes are checked by the next pass,
// which only tests edges that the last one made.
#include <algorithm>

#include "outline/overlap_arithmetic.h"
#include "outline/overlap_curve.h"
#include "outline/overlap_work.h"

namespace sorvella {

namespace {

constexpr uint32_t kMaxPasses = 64;

int sign(int64_t v) {
  return (v > 0) - (v < 0);
}

int64_t cross(int64_t ax, int64_t ay, int64_t bx, int64_t by) {
  return ax * by - ay * bx;
}

struct Chain {
  uint32_t begin = 0, end = 0;  // in chainEdges
  int32_t xMin = 0, yMin = 0, xMax = 0, yMax = 0;
  bool fresh = false;  // holds an edge the last pass made
};

struct Cut {
  uint32_t edge;
  EdgePoint at;
  double along;  // fraction of the edge from a to b
};

class Intersector {
 public:
  explicit Intersector(OverlapWork& w) : w_(w) {}

  // False when the pass found nothing to cut.
  bool pass(uint32_t number) {
    pass_ = number;
    cuts_.clear();
    buildChains();
    sweepChains();
    if (cuts_.empty()) return false;
    applyCuts();
    return true;
  }

 private:
  bool fresh(const OverlapEdge& e) const { return e.stamp >= pass_; }

  void buildChains() {
    chainEdges_.clear();
    chains_.clear();
    for (uint32_t head : w_.cycles) {
      uint32_t e = head;
      int sx = 0, sy = 0;
      do {
        const OverlapEdge& edge = w_.edges[e];
        int ex = sign(edge.b.x - edge.a.x), ey = sign(edge.b.y - edge.a.y);
        bool turns = (sx != 0 && ex != 0 && ex != sx) || (sy != 0 && ey != 0 && ey != sy);
        if (e == head || turns) {
          closeChain();
          chains_.push_back({static_cast<uint32_t>(chainEdges_.size()), 0, edge.a.x, edge.a.y,
                             edge.a.x, edge.a.y, false});
          sx = sy = 0;
        }
        if (sx == 0) sx = ex;
        if (sy == 0) sy = ey;
        Chain& chain = chains_.back();
        chainEdges_.push_back(e);
        chain.xMin = std::min(chain.xMin, edge.b.x);
        chain.xMax = std::max(chain.xMax, edge.b.x);
        chain.yMin = std::min(chain.yMin, edge.b.y);
        chain.yMax = std::max(chain.yMax, edge.b.y);
        chain.fresh = chain.fresh || fresh(edge);
        e = edge.next;
      } while (e != head);
    }
    closeChain();
    w_.spend(chainEdges_.size());
  }

  void closeChain() {
    if (!chains_.empty()) chains_.back().end = static_cast<uint32_t>(chainEdges_.size());
  }

  void sweepChains() {
    order_.resize(chains_.size());
    for (uint32_t i = 0; i < order_.size(); ++i) order_[i] = i;
    std::sort(order_.begin(), order_.end(),
              [&](uint32_t a, uint32_t b) { return chains_[a].xMin < chains_[b].xMin; });
    active_.clear();
    for (uint32_t index : order_) {
      const Chain& c = chains_[index];
      // Chains that end before this one starts can meet no later chain either.
      std::erase_if(active_, [&](uint32_t a) { return chains_[a].xMax < c.xMin; });
      w_.spend(active_.size() + 1);
      for (uint32_t a : active_) {
        const Chain& other = chains_[a];
        if ((c.fresh || other.fresh) && other.yMin <= c.yMax && c.yMin <= other.yMax)
          testChains(other, c);
      }
      active_.push_back(index);
    }
  }

  struct Span {
    int32_t lo, hi;  // along the axis both windows are ordered on
    uint32_t edge;
  };

  Span spanAt(uint32_t position, bool alongX) const {
    const OverlapEdge& e = w_.edges[chainEdges_[position]];
    int32_t u = alongX ? e.a.x : e.a.y, v = alongX ? e.b.x : e.b.y;
    return {std::min(u, v), std::max(u, v), chainEdges_[position]};
  }

  // The edges of a chain whose boxes reach into the box both chains share, in rising order
  // along the axis: a monotone chain runs one way or the other along either axis, so they
  // are a run found by halving along the axis and trimming along the other.
  void window(const Chain& c, int32_t xMin, int32_t yMin, int32_t xMax, int32_t yMax, bool alongX,
              std::vector<Span>& out) {
    out.clear();
    const int32_t lo = alongX ? xMin : yMin, hi = alongX ? xMax : yMax;
    const int32_t otherLo = alongX ? yMin : xMin, otherHi = alongX ? yMax : xMax;
    const uint32_t n = c.end - c.begin;
    const OverlapEdge& head = w_.edges[chainEdges_[c.begin]];
    const OverlapEdge& tail = w_.edges[chainEdges_[c.end - 1]];
    const bool rising = alongX ? head.a.x <= tail.b.x : head.a.y <= tail.b.y;
    auto position = [&](uint32_t k) { return rising ? c.begin + k : c.end - 1 - k; };
    uint32_t first = 0, count = n;
    while (count > 0) {
      uint32_t half = count / 2;
      if (spanAt(position(first + half), alongX).hi < lo) {
        first += half + 1;
        count -= half + 1;
      } else {
        count = half;
      }
    }
    for (uint32_t k = first; k < n; ++k) {
      Span span = spanAt(position(k), alongX);
      if (span.lo > hi) break;
      Span other = spanAt(position(k), !alongX);
      if (other.hi < otherLo || other.lo > otherHi) {
        if (out.empty()) continue;  // not yet in the run
        break;                      // past it
      }
      out.push_back(span);
    }
    w_.spend(out.size() + 1);
  }

  // Edge pairs whose ranges along the axis overlap, found by walking both windows at once.
  void testChains(const Chain& a, const Chain& b) {
    int32_t xMin = std::max(a.xMin, b.xMin), xMax = std::min(a.xMax, b.xMax);
    int32_t yMin = std::max(a.yMin, b.yMin), yMax = std::min(a.yMax, b.yMax);
    const bool alongX = xMax - xMin >= yMax - yMin;
    window(a, xMin, yMin, xMax, yMax, alongX, windowA_);
    window(b, xMin, yMin, xMax, yMax, alongX, windowB_);
    std::size_t first = 0;
    for (const Span& ea : windowA_) {
      while (first < windowB_.size() && windowB_[first].hi < ea.lo) ++first;
      for (std::size_t j = first; j < windowB_.size() && windowB_[j].lo <= ea.hi; ++j) {
        w_.spend(1);
        testEdges(ea.edge, windowB_[j].edge);
      }
    }
  }

  void addCut(uint32_t edge, EdgePoint at) {
    const OverlapEdge& e = w_.edges[edge];
    w_.junctions.push_back(pointKey(at));
    if (at == e.a || at == e.b) return;
    if (w_.edges.size() + cuts_.size() >= w_.limits.maxEdges)
      throw OverlapFailure{OverlapStatus::kTableLimit};
    double dx = e.b.x - e.a.x, dy = e.b.y - e.a.y;
    double along = ((at.x - e.a.x) * dx + (at.y - e.a.y) * dy) / (dx * dx + dy * dy);
    cuts_.push_back({edge, at, std::clamp(along, 0.0, 1.0)});
  }

  // Two edges meet at p, an end point of both: fine where one continues into the other.
  void noteSharedPoint(uint32_t ia, uint32_t ib, EdgePoint p) {
    const OverlapEdge& a = w_.edges[ia];
    const OverlapEdge& b = w_.edges[ib];
    if ((a.b == p && b.a == p && a.next == ib) || (b.b == p && a.a == p && b.next == ia)) return;
    w_.touching = true;
    w_.junctions.push_back(pointKey(p));
  }

  // p, known to lie on edge e's line within its range: cut e there or note the meeting.
  void pointOnEdge(uint32_t e, uint32_t other, EdgePoint p) {
    const OverlapEdge& edge = w_.edges[e];
    if (p == edge.a || p == edge.b)
      noteSharedPoint(e, other, p);
    else
      addCut(e, p);
  }

  void testEdges(uint32_t ia, uint32_t ib) {
    const OverlapEdge& a = w_.edges[ia];
    const OverlapEdge& b = w_.edges[ib];
    if (!fresh(a) && !fresh(b)) return;
    if (std::max(a.a.x, a.b.x) < std::min(b.a.x, b.b.x) ||
        std::max(b.a.x, b.b.x) < std::min(a.a.x, a.b.x) ||
        std::max(a.a.y, a.b.y) < std::min(b.a.y, b.b.y) ||
        std::max(b.a.y, b.b.y) < std::min(a.a.y, a.b.y))
      return;
    const int64_t ax = a.b.x - a.a.x, ay = a.b.y - a.a.y;
    const int64_t bx = b.b.x - b.a.x, by = b.b.y - b.a.y;
    const int o1 = sign(cross(ax, ay, b.a.x - a.a.x, b.a.y - a.a.y));
    const int o2 = sign(cross(ax, ay, b.b.x - a.a.x, b.b.y - a.a.y));
    if (o1 == 0 && o2 == 0) {
      collinear(ia, ib);
      return;
    }
    const int o3 = sign(cross(bx, by, a.a.x - b.a.x, a.a.y - b.a.y));
    const int o4 = sign(cross(bx, by, a.b.x - b.a.x, a.b.y - b.a.y));
    if ((o1 == o2) || (o3 != 0 && o3 == o4)) return;  // o1 == o2 here means both non-zero
    if (o1 == 0 || o2 == 0 || o3 == 0 || o4 == 0) {
      // One end point lies on the other edge.
      const EdgePoint pa = a.a, pb = a.b, qa = b.a, qb = b.b;
      if (o1 == 0) pointOnEdge(ia, ib, qa);
      if (o2 == 0) pointOnEdge(ia, ib, qb);
      if (o3 == 0) pointOnEdge(ib, ia, pa);
      if (o4 == 0) pointOnEdge(ib, ia, pb);
      return;
    }
    // A proper crossing at a.a + (ax, ay) * num / den. Of the integer points around it within
    // both edges' boxes, the one nearest to both source curves is taken: an end point that
    // lies off its curve moves the whole written piece by as much.
    const int64_t den = cross(ax, ay, bx, by);
    const int64_t num = cross(b.a.x - a.a.x, b.a.y - a.a.y, bx, by);
    const double fa = static_cast<double>(num) / static_cast<double>(den);
    const double cx = a.a.x + ax * fa, cy = a.a.y + ay * fa;
    const double fb = bx != 0 ? (cx - b.a.x) / bx : (cy - b.a.y) / by;
    const LocalLine lineA = localLine(w_.segments[a.segment], a.t0 + (a.t1 - a.t0) * fa);
    const LocalLine lineB = localLine(w_.segments[b.segment], b.t0 + (b.t1 - b.t0) * fb);
    const int32_t xLo = std::max(std::min(a.a.x, a.b.x), std::min(b.a.x, b.b.x));
    const int32_t xHi = std::min(std::max(a.a.x, a.b.x), std::max(b.a.x, b.b.x));
    const int32_t yLo = std::max(std::min(a.a.y, a.b.y), std::min(b.a.y, b.b.y));
    const int32_t yHi = std::min(std::max(a.a.y, a.b.y), std::max(b.a.y, b.b.y));
    EdgePoint p{static_cast<int32_t>(a.a.x + roundedQuotient(ax * num, den)),
                static_cast<int32_t>(a.a.y + roundedQuotient(ay * num, den))};
    // Rounding cannot leave the boxes of both edges; clamping keeps that true for certain.
    p.x = std::clamp(p.x, xLo, xHi);
    p.y = std::clamp(p.y, yLo, yHi);
    auto score = [&](EdgePoint q) {
      return std::max(lineA.distance(q.x, q.y), lineB.distance(q.x, q.y));
    };
    double best = score(p);
    for (int32_t y = std::max(yLo, p.y - 1); y <= std::min(yHi, p.y + 1); ++y)
      for (int32_t x = std::max(xLo, p.x - 1); x <= std::min(xHi, p.x + 1); ++x)
        if (double s = score({x, y}); s < best - 1e-9) {
          best = s;
          p = {x, y};
        }
    if (p == a.a || p == a.b || p == b.a || p == b.b) w_.touching = true;
    addCut(ia, p);
    addCut(ib, p);
  }

  // Edges on one line: each is cut at the other's end points that lie inside it, so that
  // overlapping stretches become identical edges.
  void collinear(uint32_t ia, uint32_t ib) {
    const OverlapEdge& a = w_.edges[ia];
    const OverlapEdge& b = w_.edges[ib];
    const bool useX = a.a.x != a.b.x;
    auto coordinate = [&](EdgePoint p) { return useX ? p.x : p.y; };
    auto inside = [&](const OverlapEdge& e, EdgePoint p) {
      int32_t lo = std::min(coordinate(e.a), coordinate(e.b));
      int32_t hi = std::max(coordinate(e.a), coordinate(e.b));
      return coordinate(p) > lo && coordinate(p) < hi;
    };
    const EdgePoint points[4] = {a.a, a.b, b.a, b.b};
    if (inside(a, points[2])) addCut(ia, points[2]);
    if (inside(a, points[3])) addCut(ia, points[3]);
    if (inside(b, points[0])) addCut(ib, points[0]);
    if (inside(b, points[1])) addCut(ib, points[1]);
    for (EdgePoint p : {points[0], points[1]})
      if (p == points[2] || p == points[3]) noteSharedPoint(ia, ib, p);
    // Overlapping stretches make a vertex where more than two edges meet.
    int32_t loA = std::min(coordinate(a.a), coordinate(a.b));
    int32_t hiA = std::max(coordinate(a.a), coordinate(a.b));
    int32_t loB = std::min(coordinate(b.a), coordinate(b.b));
    int32_t hiB = std::max(coordinate(b.a), coordinate(b.b));
    if (std::min(hiA, hiB) > std::max(loA, loB)) {
      w_.touching = true;
      for (EdgePoint p : points) w_.junctions.push_back(pointKey(p));
    }
  }

  void applyCuts() {
    std::sort(cuts_.begin(), cuts_.end(), [](const Cut& x, const Cut& y) {
      if (x.edge != y.edge) return x.edge < y.edge;
      if (x.along != y.along) return x.along < y.along;
      return x.at.x != y.at.x ? x.at.x < y.at.x : x.at.y < y.at.y;
    });
    w_.cut = true;
    for (std::size_t i = 0; i < cuts_.size();) {
      std::size_t j = i;
      while (j < cuts_.size() && cuts_[j].edge == cuts_[i].edge) ++j;
      cutEdge(i, j);
      i = j;
    }
  }

  void cutEdge(std::size_t from, std::size_t to) {
    const uint32_t index = cuts_[from].edge;
    const OverlapEdge original = w_.edges[index];
    uint32_t previous = index;
    EdgePoint last = original.a;
    double lastT = original.t0;
    bool first = true;
    for (std::size_t k = from; k < to; ++k) {
      EdgePoint at = cuts_[k].at;
      if (at == last) continue;
      double t = original.t0 + (original.t1 - original.t0) * cuts_[k].along;
      if (first) {
        OverlapEdge& e = w_.edges[index];
        e.b = at;
        e.t1 = t;
        e.stamp = pass_ + 1;
        first = false;
      } else {
        OverlapEdge piece = original;
        piece.a = last;
        piece.b = at;
        piece.t0 = lastT;
        piece.t1 = t;
        piece.stamp = pass_ + 1;
        uint32_t added = w_.addEdge(piece);
        w_.edges[previous].next = added;
        previous = added;
      }
      last = at;
      lastT = t;
    }
    if (first) return;
    OverlapEdge piece = original;
    piece.a = last;
    piece.t0 = lastT;
    piece.stamp = pass_ + 1;
    uint32_t added = w_.addEdge(piece);
    w_.edges[previous].next = added;
    w_.edges[added].next = original.next;
  }

  OverlapWork& w_;
  uint32_t pass_ = 0;
  std::vector<uint32_t> chainEdges_;
  std::vector<Chain> chains_;
  std::vector<uint32_t> order_;
  std::vector<uint32_t> active_;
  std::vector<Span> windowA_, windowB_;
  std::vector<Cut> cuts_;
};

}  // namespace

void intersectEdges(OverlapWork& w) {
  w.cut = w.touching = false;
  w.junctions.clear();
  for (OverlapEdge& e : w.edges) e.stamp = 0;
  Intersector intersector(w);
  for (uint32_t pass = 0; pass < kMaxPasses; ++pass)
    if (!intersector.pass(pass)) return;
  throw OverlapFailure{OverlapStatus::kUnresolvedCrossings};
}

}  // namespace sorvella
