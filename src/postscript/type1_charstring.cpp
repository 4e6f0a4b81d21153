#include "postscript/type1_charstring.h"

#include <algorithm>
#include <optional>

#include "base/rounding.h"
#include "glyph/packed_integer.h"

namespace sorvella {

void CharstringBytes::number(int32_t value) {
  // Charstring numbers use the same three forms as packed integers.
  ByteWriter out;
  writePacked(out, value);
  bytes_.insert(bytes_.end(), out.bytes().begin(), out.bytes().end());
}

void CharstringBytes::op(int code) {
  if (code > 0xFF) bytes_.push_back(12);
  bytes_.push_back(static_cast<uint8_t>(code & 0xFF));
}

namespace {

std::vector<uint8_t> standardSubroutine(int number) {
  using namespace charstring_op;
  CharstringBytes cs;
  switch (number) {
    case 0:
      cs.number(3);
      cs.number(0);
      cs.op(kCallothersubr);
      cs.op(kPop);
      cs.op(kPop);
      cs.op(kSetcurrentpoint);
      break;
    case 1:
    case 2:
      cs.number(0);
      cs.number(number);
      cs.op(kCallothersubr);
      break;
    default:
      break;
  }
  cs.op(kReturn);
  return cs.take();
}

}  // namespace

SubroutineTable::SubroutineTable() {
  for (int i = 0; i < 4; ++i) subroutines_.push_back(standardSubroutine(i));
}

int32_t SubroutineTable::add(std::vector<uint8_t> plain) {
  auto found = numbers_.find(plain);
  if (found != numbers_.end()) return found->second;
  const auto number = static_cast<int32_t>(subroutines_.size());
  numbers_.emplace(plain, number);
  subroutines_.push_back(std::move(plain));
  return number;
}

namespace {

struct HintSet {
  int node = 0;  // takes effect before this node is drawn
  std::vector<int> horizontal;
  std::vector<int> vertical;
};

void addIndex(std::vector<int>& list, int32_t index, std::size_t count) {
  if (index < 0 || static_cast<std::size_t>(index) >= count) return;
  if (std::find(list.begin(), list.end(), index) == list.end()) list.push_back(index);
}

std::vector<HintSet> hintSets(const Glyph& glyph) {
  std::vector<HintSet> sets;
  if (!glyph.hints()) return sets;
  const GlyphHints& hints = *glyph.hints();
  const std::size_t hCount = hints.horizontal.size();
  const std::size_t vCount = hints.vertical.size();
  HintSet current;
  if (hints.replacement.empty()) {
    for (std::size_t i = 0; i < hCount; ++i) current.horizontal.push_back(static_cast<int>(i));
    for (std::size_t i = 0; i < vCount; ++i) current.vertical.push_back(static_cast<int>(i));
    sets.push_back(current);
    return sets;
  }
  for (const HintReplacementEntry& entry : hints.replacement) {
    if (entry.kind == hint_kind::kHorizontal) {
      addIndex(current.horizontal, entry.value, hCount);
    } else if (entry.kind == hint_kind::kVertical) {
      addIndex(current.vertical, entry.value, vCount);
    } else if (entry.kind == hint_kind::kReplacementPoint) {
      sets.push_back(std::move(current));
      current = HintSet{};
      // -k: where the contour ending at node k closes, which is before node k + 1.
      const int64_t v = entry.value;
      const int64_t node = v > 0 ? v : (v < 0 ? -v + 1 : 0);
      current.node = static_cast<int>(std::min<int64_t>(node, INT32_MAX));
    }
  }
  sets.push_back(std::move(current));
  std::stable_sort(sets.begin(), sets.end(),
                   [](const HintSet& a, const HintSet& b) { return a.node < b.node; });
  // Of several sets for one node the last one holds; sets past the outline never apply.
  std::vector<HintSet> kept;
  for (HintSet& set : sets) {
    if (set.node > 0 && set.node >= glyph.nodeCount()) continue;
    if (!kept.empty() && kept.back().node == set.node) kept.pop_back();
    kept.push_back(std::move(set));
  }
  if (kept.empty() || kept.front().node != 0) kept.insert(kept.begin(), HintSet{});
  return kept;
}

void writeStems(CharstringBytes& cs, const Glyph& glyph, const HintSet& set, int32_t sbx) {
  const GlyphHints& hints = *glyph.hints();
  for (int i : set.horizontal) {
    const auto& masters = hints.horizontal[static_cast<std::size_t>(i)].masters;
    if (masters.empty()) continue;
    cs.number(masters[0].position);
    cs.number(masters[0].width);
    cs.op(charstring_op::kHstem);
  }
  for (int i : set.vertical) {
    const auto& masters = hints.vertical[static_cast<std::size_t>(i)].masters;
    if (masters.empty()) continue;
    cs.number(masters[0].position - sbx);
    cs.number(masters[0].width);
    cs.op(charstring_op::kVstem);
  }
}

struct Xy {
  int32_t x = 0;
  int32_t y = 0;
  bool operator==(const Xy&) const = default;
};

Xy xyOf(Point p) {
  return {p.x, p.y};
}
Xy operator*(Xy p, int32_t k) {
  return {p.x * k, p.y * k};
}

// Walks the outline and writes the path operators with the current point kept in integers.
class PathWriter {
 public:
  PathWriter(CharstringBytes& cs, Xy start) : cs_(cs), current_(start) {}

  void moveTo(Xy p) {
    closeContour();
    const int32_t dx = p.x - current_.x;
    const int32_t dy = p.y - current_.y;
    if (dx == 0 && dy != 0) {
      cs_.number(dy);
      cs_.op(charstring_op::kVmoveto);
    } else if (dy == 0) {
      cs_.number(dx);
      cs_.op(charstring_op::kHmoveto);
    } else {
      cs_.number(dx);
      cs_.number(dy);
      cs_.op(charstring_op::kRmoveto);
    }
    current_ = p;
    contourStart_ = p;
    open_ = true;
  }

  void lineTo(Xy p) {
    ensureOpen(p);
    if (pending_) {
      quadTo(*pending_ * 2, p * 2);
      pending_.reset();
      return;
    }
    straightTo(p);
  }

  void curveTo(Xy c1, Xy c2, Xy end) {
    ensureOpen(end);
    pending_.reset();  // cubic and quadratic pieces are never mixed; a stray one is dropped
    cubicTo(c1, c2, end);
  }

  void offCurve(Xy p) {
    ensureOpen(p);
    if (pending_) {
      const Xy control = *pending_ * 2;
      const Xy mid{pending_->x + p.x, pending_->y + p.y};  // doubled midpoint
      quadTo(control, mid);
    }
    pending_ = p;
  }

  void closeContour() {
    if (!open_) return;
    if (pending_) {
      quadTo(*pending_ * 2, contourStart_ * 2);
      pending_.reset();
    }
    cs_.op(charstring_op::kClosepath);
    open_ = false;
  }

  bool open() const { return open_; }

 private:
  // A node before any move starts its own contour there.
  void ensureOpen(Xy p) {
    if (!open_) moveTo(p);
  }

  void straightTo(Xy p) {
    const int32_t dx = p.x - current_.x;
    const int32_t dy = p.y - current_.y;
    if (dx == 0 && dy == 0) return;
    if (dx == 0) {
      cs_.number(dy);
      cs_.op(charstring_op::kVlineto);
    } else if (dy == 0) {
      cs_.number(dx);
      cs_.op(charstring_op::kHlineto);
    } else {
      cs_.number(dx);
      cs_.number(dy);
      cs_.op(charstring_op::kRlineto);
    }
    current_ = p;
  }

  // Control and end in doubled coordinates; the start is the current point.
  void quadTo(Xy control2x, Xy end2x) {
    auto third = [](int64_t a2x, int64_t c2x) {
      // (a + 2c) / 3 with a and c doubled: (a2x + 2 c2x) / 6.
      return static_cast<int32_t>(roundHalfDown(static_cast<double>(a2x + 2 * c2x) / 6.0));
    };
    const Xy start2x = current_ * 2;
    const Xy end{static_cast<int32_t>(roundHalfDown(end2x.x / 2.0)),
                 static_cast<int32_t>(roundHalfDown(end2x.y / 2.0))};
    const Xy c1{third(start2x.x, control2x.x), third(start2x.y, control2x.y)};
    const Xy c2{third(end2x.x, control2x.x), third(end2x.y, control2x.y)};
    cubicTo(c1, c2, end);
  }

  void cubicTo(Xy c1, Xy c2, Xy end) {
    const int32_t dx1 = c1.x - current_.x, dy1 = c1.y - current_.y;
    const int32_t dx2 = c2.x - c1.x, dy2 = c2.y - c1.y;
    const int32_t dx3 = end.x - c2.x, dy3 = end.y - c2.y;
    if (dx1 == 0 && dy3 == 0) {
      for (int32_t v : {dy1, dx2, dy2, dx3}) cs_.number(v);
      cs_.op(charstring_op::kVhcurveto);
    } else if (dy1 == 0 && dx3 == 0) {
      for (int32_t v : {dx1, dx2, dy2, dy3}) cs_.number(v);
      cs_.op(charstring_op::kHvcurveto);
    } else {
      for (int32_t v : {dx1, dy1, dx2, dy2, dx3, dy3}) cs_.number(v);
      cs_.op(charstring_op::kRrcurveto);
    }
    current_ = end;
  }

  CharstringBytes& cs_;
  Xy current_;
  Xy contourStart_;
  std::optional<Xy> pending_;  // a quadratic control point waiting for its end
  bool open_ = false;
};

int32_t leftmostX(const Glyph& glyph) {
  if (glyph.empty()) return 0;
  Box box;
  glyph.widenControlBox(0, box);
  return box.xMin;
}

}  // namespace

std::vector<uint8_t> glyphCharstring(const Glyph& glyph, SubroutineTable& subrs) {
  using namespace charstring_op;
  CharstringBytes cs;
  const int32_t sbx = leftmostX(glyph);
  const Point advance = glyph.advance(0);
  if (advance.y == 0) {
    cs.number(sbx);
    cs.number(advance.x);
    cs.op(kHsbw);
  } else {
    cs.number(sbx);
    cs.number(0);
    cs.number(advance.x);
    cs.number(advance.y);
    cs.op(kSbw);
  }

  const std::vector<HintSet> sets = hintSets(glyph);
  std::size_t nextSet = 0;
  if (!sets.empty()) writeStems(cs, glyph, sets[nextSet++], sbx);

  PathWriter path(cs, {sbx, 0});
  for (int i = 0; i < glyph.nodeCount(); ++i) {
    const uint8_t type = glyph.type(i);
    if (type == node_type::kMove) path.closeContour();
    if (nextSet < sets.size() && sets[nextSet].node == i) {
      CharstringBytes stems;
      writeStems(stems, glyph, sets[nextSet++], sbx);
      stems.op(kReturn);
      cs.number(subrs.add(stems.take()));
      cs.number(1);
      cs.number(3);
      cs.op(kCallothersubr);
      cs.op(kPop);
      cs.op(kCallsubr);
    }
    const Xy p = xyOf(glyph.point(i, 0));
    switch (type) {
      case node_type::kMove:
        path.moveTo(p);
        break;
      case node_type::kCurve:
        path.curveTo(xyOf(glyph.point(i, 1)), xyOf(glyph.point(i, 2)), p);
        break;
      case node_type::kOffCurve:
        path.offCurve(p);
        break;
      default:  // line and plain nodes
        path.lineTo(p);
        break;
    }
  }
  path.closeContour();
  cs.op(kEndchar);
  return cs.take();
}

}  // namespace sorvella
