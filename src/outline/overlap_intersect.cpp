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

struct Box {
  int32_t xMin = 0, yMin = 0, xMax = -1, yMax = -1;  // empty
  bool empty() const { return xMin > xMax || yMin > yMax; }
  void add(EdgePoint p) {
    if (empty()) {
      *this = {p.x, p.y, p.x, p.y};
      return;
    }
    xMin = std::min(xMin, p.x);
    yMin = std::min(yMin, p.y);
    xMax = std::max(xMax, p.x);
    yMax = std::max(yMax, p.y);
  }
  Box operator&(const Box& o) const {
    return {std::max(xMin, o.xMin), std::max(yMin, o.yMin), std::min(xMax, o.xMax),
            std::min(yMax, o.yMax)};
  }
  Box operator|(const Box& o) const {
    if (empty()) return o;
    if (o.empty()) return *this;
    return {std::min(xMin, o.xMin), std::min(yMin, o.yMin), std::max(xMax, o.xMax),
            std::max(yMax, o.yMax)};
  }
};

struct EdgeEnds {
  EdgePoint a, b;
};

struct Chain {
  uint32_t begin = 0, end = 0;  // in chainEdges
  Box box;
  Box fresh;  // of the edges the last pass made; empty when there are none
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
    chainEnds_.clear();
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
          chains_.push_back({static_cast<uint32_t>(chainEdges_.size()),
                             0,
                             {edge.a.x, edge.a.y, edge.a.x, edge.a.y},
                             {}});
          sx = sy = 0;
        }
        if (sx == 0) sx = ex;
        if (sy == 0) sy = ey;
        Chain& chain = chains_.back();
        chainEdges_.push_back(e);
        chainEnds_.push_back({edge.a, edge.b});
        chain.box.xMin = std::min(chain.box.xMin, edge.b.x);
        chain.box.yMin = std::min(chain.box.yMin, edge.b.y);
        chain.box.xMax = std::max(chain.box.xMax, edge.b.x);
        chain.box.yMax = std::max(chain.box.yMax, edge.b.y);
        if (pass_ > 0 && fresh(edge)) {
          chain.fresh.add(edge.a);
          chain.fresh.add(edge.b);
        }
        e = edge.next;
      } while (e != head);
    }
    closeChain();
    w_.spend(chainEdges_.size());
  }

  void closeChain() {
    if (chains_.empty()) return;
    Chain& chain = chains_.back();
    chain.end = static_cast<uint32_t>(chainEdges_.size());
    if (pass_ == 0) chain.fresh = chain.box;  // every edge is fresh in the first pass
  }

  void sweepChains() {
    order_.resize(chains_.size());
    for (uint32_t i = 0; i < order_.size(); ++i) order_[i] = i;
    std::sort(order_.begin(), order_.end(),
              [&](uint32_t a, uint32_t b) { return chains_[a].box.xMin < chains_[b].box.xMin; });
    active_.clear();
    for (uint32_t index : order_) {
      const Chain& c = chains_[index];
      // Chains that end before this one starts can meet no later chain either.
      std::erase_if(active_, [&](uint32_t a) { return chains_[a].box.xMax < c.box.xMin; });
      w_.spend(active_.size() + 1);
      for (uint32_t a : active_) {
        const Chain& other = chains_[a];
        if (other.box.yMin <= c.box.yMax && c.box.yMin <= other.box.yMax) testChains(other, c);
      }
      active_.push_back(index);
    }
  }

  struct Span {
    int32_t lo, hi;
  };

  // A chain's edges in rising order along one axis (a monotone chain runs one way or the
  // other along it), with their ranges along that axis and the other.
  class Run {
   public:
    Run(const Intersector& in, const Chain& c, bool alongX)
        : ends_(in.chainEnds_.data() + c.begin),
          n_(c.end - c.begin),
          alongX_(alongX),
          rising_(alongX ? ends_[0].a.x <= ends_[n_ - 1].b.x : ends_[0].a.y <= ends_[n_ - 1].b.y),
          begin_(c.begin) {}
    uint32_t size() const { return n_; }
    uint32_t position(uint32_t k) const { return begin_ + (rising_ ? k : n_ - 1 - k); }
    Span along(uint32_t k) const { return span(k, alongX_); }
    Span across(uint32_t k) const { return span(k, !alongX_); }
    // The first edge whose range reaches lo.
    uint32_t firstReaching(int32_t lo) const {
      uint32_t first = 0, count = n_;
      while (count > 0) {
        const uint32_t half = count / 2;
        if (along(first + half).hi < lo) {
          first += half + 1;
          count -= half + 1;
        } else {
          count = half;
        }
      }
      return first;
    }

   private:
    Span span(uint32_t k, bool x) const {
      const EdgeEnds& e = ends_[rising_ ? k : n_ - 1 - k];
      const int32_t u = x ? e.a.x : e.a.y, v = x ? e.b.x : e.b.y;
      return {std::min(u, v), std::max(u, v)};
    }
    const EdgeEnds* ends_;
    uint32_t n_;
    bool alongX_, rising_;
    uint32_t begin_;
  };

  // Edge pairs whose ranges along the axis overlap inside the box, found by walking both
  // chains at once. A pair needs a test only when one of its edges is fresh, and two edges
  // meet only inside both their boxes: the walk covers the fresh edges' part of the box
  // that the chains share.
  void testChains(const Chain& a, const Chain& b) {
    const Box box = (a.box & b.box) & (a.fresh | b.fresh);
    if (box.empty()) return;
    const bool alongX = box.xMax - box.xMin >= box.yMax - box.yMin;
    const int32_t lo = alongX ? box.xMin : box.yMin, hi = alongX ? box.xMax : box.yMax;
    const int32_t acrossLo = alongX ? box.yMin : box.xMin;
    const int32_t acrossHi = alongX ? box.yMax : box.xMax;
    const Run ra(*this, a, alongX), rb(*this, b, alongX);
    auto outside = [&](const Run& r, uint32_t k) {
      const Span s = r.across(k);
      return s.hi < acrossLo || s.lo > acrossHi;
    };
    uint32_t first = rb.firstReaching(lo);
    uint64_t steps = 0;
    for (uint32_t i = ra.firstReaching(lo); i < ra.size(); ++i) {
      const Span ea = ra.along(i);
      if (ea.lo > hi) break;
      ++steps;
      if (outside(ra, i)) continue;
      while (first < rb.size() && rb.along(first).hi < ea.lo) ++first;
      for (uint32_t j = first; j < rb.size(); ++j) {
        const Span eb = rb.along(j);
        if (eb.lo > ea.hi || eb.lo > hi) break;
        ++steps;
        if (!outside(rb, j)) testEdges(chainEdges_[ra.position(i)], chainEdges_[rb.position(j)]);
      }
    }
    w_.spend(steps + 1);
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

  // A piece between points on the edge's line lies on the edge, so it meets nothing that
  // the edge did not; only pieces with an end moved off the line are tested again.
  void cutEdge(std::size_t from, std::size_t to) {
    const uint32_t index = cuts_[from].edge;
    const OverlapEdge original = w_.edges[index];
    const int64_t dx = original.b.x - original.a.x, dy = original.b.y - original.a.y;
    auto moved = [&](EdgePoint p) {
      return cross(dx, dy, p.x - original.a.x, p.y - original.a.y) != 0;
    };
    auto stamp = [&](OverlapEdge& piece, bool fresh) {
      if (fresh) piece.stamp = pass_ + 1;
    };
    uint32_t previous = index;
    EdgePoint last = original.a;
    double lastT = original.t0;
    bool lastMoved = false;
    bool first = true;
    for (std::size_t k = from; k < to; ++k) {
      const EdgePoint at = cuts_[k].at;
      if (at == last) continue;
      const double t = original.t0 + (original.t1 - original.t0) * cuts_[k].along;
      const bool atMoved = moved(at);
      if (first) {
        OverlapEdge& e = w_.edges[index];
        e.b = at;
        e.t1 = t;
        stamp(e, atMoved);
        first = false;
      } else {
        OverlapEdge piece = original;
        piece.a = last;
        piece.b = at;
        piece.t0 = lastT;
        piece.t1 = t;
        stamp(piece, lastMoved || atMoved);
        const uint32_t added = w_.addEdge(piece);
        w_.edges[previous].next = added;
        previous = added;
      }
      last = at;
      lastT = t;
      lastMoved = atMoved;
    }
    if (first) return;
    OverlapEdge piece = original;
    piece.a = last;
    piece.t0 = lastT;
    stamp(piece, lastMoved);
    const uint32_t added = w_.addEdge(piece);
    w_.edges[previous].next = added;
    w_.edges[added].next = original.next;
  }

  OverlapWork& w_;
  uint32_t pass_ = 0;
  std::vector<uint32_t> chainEdges_;
  std::vector<EdgeEnds> chainEnds_;  // the end points of the chainEdges_, side by side
  std::vector<Chain> chains_;
  std::vector<uint32_t> order_;
  std::vector<uint32_t> active_;
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
