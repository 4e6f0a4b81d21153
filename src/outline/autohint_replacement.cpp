#include "outline/autohint_replacement.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <utility>

namespace sorvella {

namespace {

struct Span {
  int32_t low;
  int32_t high;
};

Span spanOf(const Stem& s) {
  const int32_t a = s.position;
  const int32_t b = s.position + s.width;
  return a <= b ? Span{a, b} : Span{b, a};
}

// The same stem in master m: equal, or the same edges given from the other side.
bool sameStemIn(const Stem& s, const Stem& t) {
  return s == t || (s.position + s.width == t.position && s.width + t.width == 0);
}

bool alikeInSomeMaster(const Hint& a, const Hint& b) {
  const std::size_t masters = std::min(a.masters.size(), b.masters.size());
  for (std::size_t m = 0; m < masters; ++m)
    if (sameStemIn(a.masters[m], b.masters[m])) return true;
  return false;
}

bool setConflicts(const std::vector<int32_t>& members, const std::vector<Hint>& hints) {
  for (std::size_t i = 0; i < members.size(); ++i)
    for (std::size_t j = i + 1; j < members.size(); ++j)
      if (members[i] != members[j] && hintsConflict(hints[static_cast<std::size_t>(members[i])],
                                                    hints[static_cast<std::size_t>(members[j])]))
        return true;
  return false;
}

constexpr int kDirections = 2;  // 0 horizontal hints (across y), 1 vertical hints (across x)
constexpr int32_t kNone = INT32_MAX;

// Builds the program by walking the nodes with a current hint set.
class ProgramBuilder {
 public:
  explicit ProgramBuilder(const Glyph& glyph) : glyph_(glyph) {
    hints_ = {&glyph.hints()->horizontal, &glyph.hints()->vertical};
    for (int d = 0; d < kDirections; ++d) findTouches(d);
  }

  std::vector<HintReplacementEntry> build() {
    const int count = glyph_.nodeCount();
    int contourStart = 0;
    for (int n = 0; n < count; ++n) {
      // The previous contour's first node again, for the hints needed where it closes.
      if (n > 0 && glyph_.type(n) == node_type::kMove) {
        process(contourStart, -(n - 1));
        contourStart = n;
      }
      process(n, n);
    }
    process(contourStart, -(count - 1));
    if (!pointMade_) return {};
    close(0);
    program_.pop_back();  // the trailing replacement point
    return std::move(program_);
  }

 private:
  enum class Offer { kAdded, kLeftOut, kRefused };
  struct Member {
    int direction;
    int32_t hint;
  };

  const Hint& hint(int d, int32_t h) const {
    return (*hints_[static_cast<std::size_t>(d)])[static_cast<std::size_t>(h)];
  }
  int32_t hintCount(int d) const {
    return static_cast<int32_t>(hints_[static_cast<std::size_t>(d)]->size());
  }

  // A node touches a hint when, in every master, its end point lies on one of the hint's
  // edges. Finds, for every hint, the nodes touching it, and which hints no node touches.
  void findTouches(int d) {
    const int masters = glyph_.masterCount();
    const int32_t count = hintCount(d);
    auto coordinate = [&](int n, int m) {
      const Point p = glyph_.point(n, 0, m);
      return static_cast<int32_t>(d == 0 ? p.y : p.x);
    };
    // Both edges of every hint in master 0, so that each node looks up its candidates.
    std::vector<std::pair<int32_t, int32_t>> edges;
    edges.reserve(2 * static_cast<std::size_t>(count));
    for (int32_t h = 0; h < count; ++h) {
      const Stem& s = hint(d, h).masters[0];
      edges.emplace_back(s.position, h);
      if (s.width != 0) edges.emplace_back(s.position + s.width, h);
    }
    std::sort(edges.begin(), edges.end());
    auto& touching = touchingNodes_[static_cast<std::size_t>(d)];
    touching.assign(static_cast<std::size_t>(count), {});
    auto& byNode = nodeHints_[static_cast<std::size_t>(d)];
    auto& byNodeStart = nodeHintStart_[static_cast<std::size_t>(d)];
    byNode.clear();
    byNodeStart.assign(static_cast<std::size_t>(glyph_.nodeCount()) + 1, 0);
    for (int n = 0; n < glyph_.nodeCount(); ++n) {
      byNodeStart[static_cast<std::size_t>(n)] = static_cast<int32_t>(byNode.size());
      if (glyph_.pointCount(n) == 0) continue;
      const int32_t c = coordinate(n, 0);
      auto range = std::equal_range(edges.begin(), edges.end(), std::pair{c, INT32_MIN},
                                    [](const auto& a, const auto& b) { return a.first < b.first; });
      for (auto it = range.first; it != range.second; ++it) {
        const Hint& candidate = hint(d, it->second);
        bool onEdge = true;
        for (int m = 1; m < masters && onEdge; ++m) {
          const Stem& s = candidate.masters[static_cast<std::size_t>(m)];
          const int32_t v = coordinate(n, m);
          onEdge = v == s.position || v == s.position + s.width;
        }
        if (onEdge) {
          byNode.push_back(it->second);
          touching[static_cast<std::size_t>(it->second)].push_back(n);
        }
      }
    }
    byNodeStart.back() = static_cast<int32_t>(byNode.size());
    auto& untouched = untouched_[static_cast<std::size_t>(d)];
    for (int32_t h = 0; h < count; ++h)
      if (touching[static_cast<std::size_t>(h)].empty()) untouched.push_back(h);
    settledAt_[static_cast<std::size_t>(d)].assign(static_cast<std::size_t>(count), 0);
  }

  const std::vector<int32_t>& touching(int d, int32_t h) const {
    return touchingNodes_[static_cast<std::size_t>(d)][static_cast<std::size_t>(h)];
  }

  bool touches(int n, int d, int32_t h) const {
    const std::vector<int32_t>& nodes = touching(d, h);
    return std::binary_search(nodes.begin(), nodes.end(), n);
  }

  bool touchedWithin(int d, int32_t h, int first, int last) const {
    const std::vector<int32_t>& nodes = touching(d, h);
    auto it = std::lower_bound(nodes.begin(), nodes.end(), first);
    return it != nodes.end() && *it <= last;
  }

  int32_t firstTouchAfter(int d, int32_t h, int n) const {
    const std::vector<int32_t>& nodes = touching(d, h);
    auto it = std::upper_bound(nodes.begin(), nodes.end(), n);
    return it == nodes.end() ? kNone : *it;
  }

  bool inSet(int d, int32_t h) const {
    for (const Member& member : set_)
      if (member.direction == d &&
          (member.hint == h || alikeInSomeMaster(hint(d, member.hint), hint(d, h))))
        return true;
    return false;
  }

  // Position in the set of the first member of h's direction that conflicts with h, other
  // than the one at `except`; -1 when none does.
  int firstConflict(int d, int32_t h, int except = -1) const {
    for (std::size_t k = 0; k < set_.size(); ++k)
      if (static_cast<int>(k) != except && set_[k].direction == d &&
          hintsConflict(hint(d, set_[k].hint), hint(d, h)))
        return static_cast<int>(k);
    return -1;
  }

  void add(int d, int32_t h) {
    set_.push_back({d, h});
    ++version_;
  }

  Offer offer(int d, int32_t h, int n, bool exchangePermitted) {
    const int conflicting = firstConflict(d, h);
    if (conflicting < 0) {
      add(d, h);
      return Offer::kAdded;
    }
    if (!exchangePermitted) return Offer::kRefused;
    const bool nodeOnMember = std::any_of(set_.begin(), set_.end(), [&](const Member& member) {
      return member.direction == d && touches(n, d, member.hint);
    });
    if (!nodeOnMember) return Offer::kRefused;
    const int32_t m = set_[static_cast<std::size_t>(conflicting)].hint;
    if (touchedWithin(d, m, setFirst_, n - 1)) return Offer::kLeftOut;
    // Whichever is met first ahead decides; on one node, m is tested first.
    const int32_t nextH = firstTouchAfter(d, h, n);
    if (nextH == kNone || nextH >= firstTouchAfter(d, m, n)) return Offer::kLeftOut;
    // h would sit beside the other members: it may not conflict with any of them either.
    if (firstConflict(d, h, conflicting) >= 0) return Offer::kLeftOut;
    set_[static_cast<std::size_t>(conflicting)].hint = h;
    ++version_;
    return Offer::kAdded;
  }

  void process(int n, int32_t pointValue) {
    bool fresh = false;
    for (;;) {
      bool refused = false;
      for (int d = 0; d < kDirections && !refused; ++d) {
        const auto& byNode = nodeHints_[static_cast<std::size_t>(d)];
        const auto& start = nodeHintStart_[static_cast<std::size_t>(d)];
        for (int32_t k = start[static_cast<std::size_t>(n)];
             k < start[static_cast<std::size_t>(n) + 1]; ++k) {
          const int32_t h = byNode[static_cast<std::size_t>(k)];
          if (inSet(d, h)) continue;
          // A fresh set cannot refuse a hint of this node; should it, the hint stays out
          // rather than the walk going round.
          if (offer(d, h, n, true) == Offer::kRefused && !fresh) {
            refused = true;
            break;
          }
        }
        if (!refused) offerUntouched(d, n);
      }
      if (!refused) return;
      close(pointValue);
      set_.clear();
      ++version_;
      setFirst_ = n;
      fresh = true;
    }
  }

  // Hints no node touches join whenever they fit. One that did not fit, or was in the set,
  // stays so until the set changes.
  void offerUntouched(int d, int n) {
    auto& settled = settledAt_[static_cast<std::size_t>(d)];
    for (const int32_t h : untouched_[static_cast<std::size_t>(d)]) {
      if (settled[static_cast<std::size_t>(h)] == version_) continue;
      if (!inSet(d, h)) offer(d, h, n, false);
      settled[static_cast<std::size_t>(h)] = version_;
    }
  }

  void close(int32_t pointValue) {
    for (int d = 0; d < kDirections; ++d)
      for (int32_t h = 0; h < hintCount(d); ++h)
        if (!inSet(d, h) && firstConflict(d, h) < 0) add(d, h);
    for (const Member& member : set_)
      program_.push_back(
          {member.direction == 0 ? hint_kind::kHorizontal : hint_kind::kVertical, member.hint});
    program_.push_back({hint_kind::kReplacementPoint, pointValue});
    pointMade_ = true;
  }

  const Glyph& glyph_;
  std::array<const std::vector<Hint>*, kDirections> hints_{};
  std::array<std::vector<std::vector<int32_t>>, kDirections> touchingNodes_;  // per hint
  std::array<std::vector<int32_t>, kDirections> nodeHints_;  // hints touched, node by node
  std::array<std::vector<int32_t>, kDirections> nodeHintStart_;
  std::array<std::vector<int32_t>, kDirections> untouched_;
  std::array<std::vector<uint64_t>, kDirections> settledAt_;
  std::vector<Member> set_;
  int setFirst_ = 1;  // the first set counts from node 1
  uint64_t version_ = 1;
  std::vector<HintReplacementEntry> program_;
  bool pointMade_ = false;
};

}  // namespace

bool hintsConflict(const Hint& a, const Hint& b) {
  const std::size_t masters = std::min(a.masters.size(), b.masters.size());
  for (std::size_t m = 0; m < masters; ++m) {
    const Span x = spanOf(a.masters[m]);
    const Span y = spanOf(b.masters[m]);
    if ((y.low <= x.low && x.low < y.high) || (x.low < y.low && y.low < x.high)) return true;
  }
  return false;
}

std::vector<HintSet> hintSets(const GlyphHints& hints) {
  std::vector<HintSet> sets;
  if (hints.replacement.empty()) {
    HintSet all;
    for (std::size_t h = 0; h < hints.horizontal.size(); ++h)
      all.horizontal.push_back(static_cast<int32_t>(h));
    for (std::size_t h = 0; h < hints.vertical.size(); ++h)
      all.vertical.push_back(static_cast<int32_t>(h));
    sets.push_back(std::move(all));
    return sets;
  }
  sets.emplace_back();
  for (const HintReplacementEntry& entry : hints.replacement) {
    if (entry.kind == hint_kind::kHorizontal) sets.back().horizontal.push_back(entry.value);
    if (entry.kind == hint_kind::kVertical) sets.back().vertical.push_back(entry.value);
    if (entry.kind == hint_kind::kReplacementPoint) sets.emplace_back();
  }
  return sets;
}

bool hintSetsConflict(const GlyphHints& hints) {
  for (const HintSet& set : hintSets(hints))
    if (setConflicts(set.horizontal, hints.horizontal) ||
        setConflicts(set.vertical, hints.vertical))
      return true;
  return false;
}

std::vector<HintReplacementEntry> buildReplacementProgram(const Glyph& glyph) {
  if (!glyph.hints() || glyph.empty()) return {};
  return ProgramBuilder(glyph).build();
}

}  // namespace sorvella
