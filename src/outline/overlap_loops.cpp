// Loops: where more than two edges meet, incoming and outgoing edges are ordered by angle and
// paired like nested brackets, so that no two loops cross there; then the links are followed,
// and a loop that comes back to a vertex it already passed is cut there into two, so that
// every contour is a simple polygon (loops may still touch at vertices).
#include <algorithm>
#include <array>

#include "outline/overlap_work.h"

namespace sorvella {

namespace {

// Packs a vertex key, an edge and whether the edge arrives at (0) or leaves (1) the vertex.
constexpr int kEdgeBits = 23;
constexpr uint32_t kNoVertex = UINT32_MAX;
static_assert(OverlapLimits::kMaxEdges < (1u << (kEdgeBits - 1)));

uint64_t endEntry(EdgePoint p, uint32_t edge, bool leaves) {
  return (pointKey(p) << kEdgeBits) | (uint64_t{edge} << 1) | (leaves ? 1 : 0);
}
uint32_t entryEdge(uint64_t entry) {
  return static_cast<uint32_t>((entry >> 1) & ((1u << (kEdgeBits - 1)) - 1));
}
bool entryLeaves(uint64_t entry) {
  return (entry & 1) != 0;
}
uint64_t entryKey(uint64_t entry) {
  return entry >> kEdgeBits;
}

struct Spoke {
  int64_t dx, dy;  // towards the edge's other end
  uint32_t edge;
  bool leaves;
};

int half(const Spoke& s) {
  return (s.dy < 0 || (s.dy == 0 && s.dx < 0)) ? 1 : 0;
}

// Counter-clockwise from the positive x axis. Edges along one ray lie side by side: their
// order here must be the mirror of their order at the ray's other end, or loops would cross
// between them. Arriving edges come first (so that an edge and one running back along it
// pair up into a loop of no area), then by edge number, rising at the segment's lower-key
// end and falling at the other.
bool spokeBefore(const Spoke& a, const Spoke& b) {
  int ha = half(a), hb = half(b);
  if (ha != hb) return ha < hb;
  int64_t c = a.dx * b.dy - a.dy * b.dx;
  if (c != 0) return c > 0;
  if (a.leaves != b.leaves) return !a.leaves;
  const bool lowerEnd = a.dx > 0 || (a.dx == 0 && a.dy > 0);
  return lowerEnd ? a.edge < b.edge : a.edge > b.edge;
}

class LoopTracer {
 public:
  explicit LoopTracer(OverlapWork& w) : w_(w) {}

  void trace() {
    w_.loopEdges.clear();
    w_.contours.clear();
    if (!w_.cut && !w_.touching) {
      // Every vertex joins one edge to the next: the contours are the loops.
      for (uint32_t head : w_.cycles) {
        std::size_t first = w_.loopEdges.size();
        uint32_t e = head;
        do {
          w_.loopEdges.push_back(e);
          e = w_.edges[e].next;
        } while (e != head);
        addContour(first);
      }
      return;
    }
    linkAtVertices();
    followLinks();
  }

 private:
  // Only junctions can join more than two edges; elsewhere each edge already leads to the
  // one that continues it.
  void linkAtVertices() {
    const std::size_t n = w_.edges.size();
    std::vector<uint64_t>& junctions = w_.junctions;
    std::sort(junctions.begin(), junctions.end());
    junctions.erase(std::unique(junctions.begin(), junctions.end()), junctions.end());
    // A bit per hash of the junctions' keys turns most other points away without a search.
    std::array<uint64_t, 64> filter{};
    auto bit = [](uint64_t key) { return (key * 0x9E3779B97F4A7C15ull) >> 52; };
    for (uint64_t key : junctions) filter[bit(key) >> 6] |= uint64_t{1} << (bit(key) & 63);
    auto isJunction = [&](EdgePoint p) {
      const uint64_t key = pointKey(p);
      return (filter[bit(key) >> 6] >> (bit(key) & 63) & 1) != 0 &&
             std::binary_search(junctions.begin(), junctions.end(), key);
    };
    entries_.clear();
    for (uint32_t e = 0; e < n; ++e) {
      if (isJunction(w_.edges[e].b)) entries_.push_back(endEntry(w_.edges[e].b, e, false));
      if (isJunction(w_.edges[e].a)) entries_.push_back(endEntry(w_.edges[e].a, e, true));
    }
    std::sort(entries_.begin(), entries_.end());
    w_.spend(n + entries_.size());
    startVertex_.assign(n, kNoVertex);
    uint32_t vertex = 0;
    for (std::size_t i = 0; i < entries_.size(); ++vertex) {
      std::size_t j = i;
      while (j < entries_.size() && entryKey(entries_[j]) == entryKey(entries_[i])) ++j;
      for (std::size_t k = i; k < j; ++k)
        if (entryLeaves(entries_[k])) startVertex_[entryEdge(entries_[k])] = vertex;
      pairAt(i, j);
      i = j;
    }
    vertexCount_ = vertex;
  }

  void pairAt(std::size_t from, std::size_t to) {
    spokes_.clear();
    const EdgePoint v = vertexOf(entries_[from]);
    for (std::size_t k = from; k < to; ++k) {
      uint32_t e = entryEdge(entries_[k]);
      bool leaves = entryLeaves(entries_[k]);
      EdgePoint other = leaves ? w_.edges[e].b : w_.edges[e].a;
      spokes_.push_back({other.x - v.x, other.y - v.y, e, leaves});
    }
    std::sort(spokes_.begin(), spokes_.end(), spokeBefore);
    w_.spend(spokes_.size() * 4);
    // Start after the lowest running count (arriving +1, leaving -1) so that the scan never
    // meets a leaving edge with no arriving one open.
    int running = 0, lowest = 0;
    std::size_t start = 0;
    for (std::size_t k = 0; k < spokes_.size(); ++k) {
      running += spokes_[k].leaves ? -1 : 1;
      if (running < lowest) {
        lowest = running;
        start = k + 1;
      }
    }
    open_.clear();
    for (std::size_t k = 0; k < spokes_.size(); ++k) {
      const Spoke& s = spokes_[(start + k) % spokes_.size()];
      if (!s.leaves) {
        open_.push_back(s.edge);
      } else if (!open_.empty()) {
        w_.edges[open_.back()].next = s.edge;
        open_.pop_back();
      }
    }
  }

  EdgePoint vertexOf(uint64_t entry) const {
    const OverlapEdge& e = w_.edges[entryEdge(entry)];
    return entryLeaves(entry) ? e.a : e.b;
  }

  void followLinks() {
    const std::size_t n = w_.edges.size();
    visited_.assign(n, false);
    stackAt_.assign(vertexCount_, -1);
    for (uint32_t head = 0; head < n; ++head) {
      if (visited_[head]) continue;
      stack_.clear();
      uint32_t e = head;
      do {
        visited_[e] = true;
        uint32_t v = startVertex_[e];
        if (v != kNoVertex) {
          if (stackAt_[v] >= 0) closeLoop(static_cast<std::size_t>(stackAt_[v]));
          stackAt_[v] = static_cast<int32_t>(stack_.size());
        }
        stack_.push_back(e);
        e = w_.edges[e].next;
      } while (e != head && !visited_[e]);
      closeLoop(0);
    }
    w_.spend(n);
  }

  // The edges from stack position `from` on end where they began.
  void closeLoop(std::size_t from) {
    if (from >= stack_.size()) return;
    std::size_t first = w_.loopEdges.size();
    for (std::size_t k = from; k < stack_.size(); ++k) {
      w_.loopEdges.push_back(stack_[k]);
      if (startVertex_[stack_[k]] != kNoVertex) stackAt_[startVertex_[stack_[k]]] = -1;
    }
    stack_.resize(from);
    addContour(first);
  }

  void addContour(std::size_t first) {
    if (w_.contours.size() >= w_.limits.maxContours)
      throw OverlapFailure{OverlapStatus::kTableLimit};
    OverlapContour c;
    c.first = static_cast<uint32_t>(first);
    c.count = static_cast<uint32_t>(w_.loopEdges.size() - first);
    const OverlapEdge& e0 = w_.edges[w_.loopEdges[first]];
    c.xMin = c.xMax = e0.a.x;
    c.yMin = c.yMax = e0.a.y;
    c.lowestKey = pointKey(e0.a);
    int64_t area = 0;
    for (uint32_t i = 0; i < c.count; ++i) {
      const OverlapEdge& e = w_.edges[w_.loopEdges[first + i]];
      area += int64_t{e.a.x} * e.b.y - int64_t{e.a.y} * e.b.x;
      c.xMin = std::min(c.xMin, e.a.x);
      c.xMax = std::max(c.xMax, e.a.x);
      c.yMin = std::min(c.yMin, e.a.y);
      c.yMax = std::max(c.yMax, e.a.y);
      uint64_t key = pointKey(e.a);
      if (key < c.lowestKey) {
        c.lowestKey = key;
        c.lowest = i;
      }
    }
    if (area < 0) c.flags |= contour_flag::kNegative;
    if (area == 0) c.flags |= contour_flag::kZeroArea;
    c.area = area < 0 ? -area : area;
    w_.contours.push_back(c);
  }

  OverlapWork& w_;
  std::vector<uint64_t> entries_;
  std::vector<uint32_t> startVertex_;
  uint32_t vertexCount_ = 0;
  std::vector<Spoke> spokes_;
  std::vector<uint32_t> open_;
  std::vector<bool> visited_;
  std::vector<int32_t> stackAt_;
  std::vector<uint32_t> stack_;
};

}  // namespace

void traceLoops(OverlapWork& w) {
  LoopTracer(w).trace();
}

}  // namespace sorvella
