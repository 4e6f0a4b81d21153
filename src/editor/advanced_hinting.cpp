#include "editor/advanced_hinting.h"

#include <algorithm>
#include <cstdlib>

#include "outline/autohint_replacement.h"

namespace sorvella {

namespace {

enum Direction { kHorizontal = 0, kVertical = 1 };

struct Member {
  Direction direction;
  int32_t hint;
};

class RangeSetBuilder {
 public:
  RangeSetBuilder(const Glyph& glyph, int first, int last)
      : glyph_(glyph), hints_(*glyph.hints()), first_(first), last_(last) {}

  std::vector<HintReplacementEntry> build() {
    for (int n = first_; n < last_; ++n) {
      for (Direction d : {kHorizontal, kVertical}) {
        for (int32_t h = 0; h < count(d); ++h)
          if (touches(n, d, h) && !inSet(d, h)) offer(n, d, h);
      }
    }
    // Hints no node of the range touches join where they fit.
    for (Direction d : {kHorizontal, kVertical}) {
      for (int32_t h = 0; h < count(d); ++h) {
        if (inSet(d, h) || touchedWithin(d, h, first_, last_ - 1)) continue;
        if (!conflicting(d, h)) set_.push_back({d, h});
      }
    }
    std::vector<HintReplacementEntry> entries;
    for (Direction d : {kHorizontal, kVertical})
      for (const Member& m : set_)
        if (m.direction == d)
          entries.push_back(
              {d == kHorizontal ? hint_kind::kHorizontal : hint_kind::kVertical, m.hint});
    return entries;
  }

 private:
  const std::vector<Hint>& list(Direction d) const {
    return d == kHorizontal ? hints_.horizontal : hints_.vertical;
  }
  int32_t count(Direction d) const { return static_cast<int32_t>(list(d).size()); }

  // In every master the end point lies on one of the hint's edges.
  bool touches(int n, Direction d, int32_t h) const {
    const Hint& hint = list(d)[static_cast<std::size_t>(h)];
    if (static_cast<int>(hint.masters.size()) < glyph_.masterCount()) return false;
    for (int m = 0; m < glyph_.masterCount(); ++m) {
      const Point p = glyph_.point(n, 0, m);
      const int v = d == kHorizontal ? p.y : p.x;
      const Stem& s = hint.masters[static_cast<std::size_t>(m)];
      if (v != s.position && v != s.position + s.width) return false;
    }
    return true;
  }
  bool touchedWithin(Direction d, int32_t h, int from, int to) const {
    for (int n = std::max(from, 0); n <= to; ++n)
      if (touches(n, d, h)) return true;
    return false;
  }

  // The same stem as a member in at least one master.
  bool inSet(Direction d, int32_t h) const {
    const Hint& hint = list(d)[static_cast<std::size_t>(h)];
    for (const Member& m : set_) {
      if (m.direction != d) continue;
      if (m.hint == h) return true;
      const Hint& other = list(d)[static_cast<std::size_t>(m.hint)];
      const std::size_t masters = std::min(hint.masters.size(), other.masters.size());
      for (std::size_t k = 0; k < masters; ++k) {
        const Stem a = hint.masters[k], b = other.masters[k];
        if (a == b || (a.position + a.width == b.position && -a.width == b.width)) return true;
      }
    }
    return false;
  }

  int conflictingMember(Direction d, int32_t h) const {
    for (std::size_t i = 0; i < set_.size(); ++i)
      if (set_[i].direction == d && hintsConflict(list(d)[static_cast<std::size_t>(set_[i].hint)],
                                                  list(d)[static_cast<std::size_t>(h)]))
        return static_cast<int>(i);
    return -1;
  }
  bool conflicting(Direction d, int32_t h) const { return conflictingMember(d, h) >= 0; }

  // An offer with exchange permitted; a refusal leaves the hint out.
  void offer(int n, Direction d, int32_t h) {
    const int i = conflictingMember(d, h);
    if (i < 0) {
      set_.push_back({d, h});
      return;
    }
    bool touchesMember = false;
    for (const Member& m : set_)
      if (m.direction == d && touches(n, d, m.hint)) touchesMember = true;
    if (!touchesMember) return;
    const int32_t member = set_[static_cast<std::size_t>(i)].hint;
    if (touchedWithin(d, member, first_, n - 1)) return;
    for (int k = n + 1; k < last_; ++k) {
      if (touches(k, d, member)) return;
      if (touches(k, d, h)) {
        set_[static_cast<std::size_t>(i)].hint = h;
        return;
      }
    }
  }

  const Glyph& glyph_;
  const GlyphHints& hints_;
  int first_, last_;
  std::vector<Member> set_;
};

bool isPoint(const HintReplacementEntry& e) {
  return e.kind == hint_kind::kReplacementPoint;
}

}  // namespace

std::vector<HintReplacementEntry> buildRangeHintSet(const Glyph& glyph, int first, int last) {
  if (!glyph.hints()) return {};
  first = std::clamp(first, 0, glyph.nodeCount());
  last = std::clamp(last, first, glyph.nodeCount());
  return RangeSetBuilder(glyph, first, last).build();
}

int replacePointAt(const Glyph& glyph, int n) {
  if (!glyph.hints()) return -1;
  const auto& program = glyph.hints()->replacement;
  for (std::size_t i = 0; i < program.size(); ++i)
    if (isPoint(program[i]) && std::abs(program[i].value) == n) return static_cast<int>(i);
  return -1;
}

bool addReplacePoint(Glyph& glyph, int n) {
  if (!glyph.hints() || n <= 0 || n >= glyph.nodeCount() || replacePointAt(glyph, n) >= 0)
    return false;
  auto& program = glyph.hints()->replacement;
  int before = 0;
  for (std::size_t i = 0; i < program.size(); ++i) {
    if (!isPoint(program[i])) continue;
    const int v = std::abs(program[i].value);
    if (v > n && before < n) {
      std::vector<HintReplacementEntry> inserted{{hint_kind::kReplacementPoint, n}};
      const auto set = buildRangeHintSet(glyph, n, v);
      inserted.insert(inserted.end(), set.begin(), set.end());
      program.insert(program.begin() + static_cast<std::ptrdiff_t>(i), inserted.begin(),
                     inserted.end());
      return true;
    }
    before = v;
  }
  if (program.empty()) program = buildRangeHintSet(glyph, 0, n);
  const auto set = buildRangeHintSet(glyph, n, glyph.nodeCount());
  program.push_back({hint_kind::kReplacementPoint, n});
  program.insert(program.end(), set.begin(), set.end());
  return true;
}

bool removeReplacePoint(Glyph& glyph, std::size_t entry) {
  if (!glyph.hints()) return false;
  auto& program = glyph.hints()->replacement;
  if (entry >= program.size() || !isPoint(program[entry])) return false;
  std::size_t from = entry, to = entry + 1;
  while (from > 0 && !isPoint(program[from - 1])) --from;
  while (to < program.size() && !isPoint(program[to])) ++to;
  const int first = from > 0 ? std::abs(program[from - 1].value) : 0;
  const int last = to < program.size() ? std::abs(program[to].value) : glyph.nodeCount();
  const auto set = buildRangeHintSet(glyph, first, last);
  program.erase(program.begin() + static_cast<std::ptrdiff_t>(from),
                program.begin() + static_cast<std::ptrdiff_t>(to));
  program.insert(program.begin() + static_cast<std::ptrdiff_t>(from), set.begin(), set.end());
  return true;
}

}  // namespace sorvella
