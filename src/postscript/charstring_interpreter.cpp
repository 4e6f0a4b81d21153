#include "postscript/charstring_interpreter.h"

#include <algorithm>
#include <cmath>

#include "base/rounding.h"

namespace sorvella {

namespace {

// A charstring and its subroutines get this many numbers and operators at most; real glyphs
// need a few thousand, so only a hostile loop of subroutine calls reaches it.
constexpr long kWorkLimit = 1'000'000;

}  // namespace

CharstringInterpreter::CharstringInterpreter(int masterCount, int lenIV,
                                             SubroutineLookup subroutines)
    : masters_(std::clamp(masterCount, 1, kMaxMasters)),
      lenIV_(std::max(lenIV, 0)),
      subroutines_(std::move(subroutines)),
      glyph_(masters_) {}

std::optional<Glyph> CharstringInterpreter::interpret(std::span<const uint8_t> charstring,
                                                      bool allowSeac,
                                                      CharstringGlyphRecord* record) {
  status_ = CharstringStatus::kOk;
  allowSeac_ = allowSeac;
  ended_ = false;
  work_ = 0;
  depth_ = 0;
  x_ = y_ = sbx_ = sby_ = Values{};
  inFlex_ = false;
  flexCalls_ = 0;
  flexPoints_.clear();
  glyph_ = Glyph(masters_);
  program_.clear();
  replacementPoints_ = 0;
  record_ = CharstringGlyphRecord{};
  record_.sideBearing.assign(static_cast<std::size_t>(masters_), 0);

  run(charstring, 0);
  if (record) *record = record_;
  if (status_ != CharstringStatus::kOk) return std::nullopt;
  finishGlyph();
  return std::move(glyph_);
}

void CharstringInterpreter::run(std::span<const uint8_t> data, int depth) {
  if (depth > kMaxSubroutineDepth) {
    status_ = CharstringStatus::kTooComplex;
    return;
  }
  std::size_t i = static_cast<std::size_t>(lenIV_);
  while (i < data.size() && status_ == CharstringStatus::kOk && !ended_) {
    if (++work_ > kWorkLimit) {
      status_ = CharstringStatus::kTooComplex;
      return;
    }
    int v = data[i++];
    if (v >= 32) {
      double number;
      if (v <= 246) {
        number = v - 139;
      } else if (v <= 254) {
        int w = i < data.size() ? data[i] : 0;
        ++i;
        number = v <= 250 ? (v - 247) * 256 + w + 108 : -(v - 251) * 256 - w - 108;
      } else {
        uint32_t n = 0;
        for (int k = 0; k < 4; ++k) n = (n << 8) | (i < data.size() ? data[i++] : 0);
        number = static_cast<int32_t>(n);
      }
      push(number);
      continue;
    }
    if (v == 12) {
      int op = i < data.size() ? data[i] : -1;
      ++i;
      escape(op);
      continue;
    }
    if (v == 11) return;  // return from a subroutine
    operate(v, depth);
  }
}

bool CharstringInterpreter::push(double v) {
  if (depth_ >= kStackSize) {
    status_ = CharstringStatus::kStackOverflow;
    return false;
  }
  stack_[static_cast<std::size_t>(depth_++)].fill(v);
  return true;
}

bool CharstringInterpreter::need(int n) {
  if (depth_ >= n) return true;
  status_ = CharstringStatus::kTooFewOperands;
  return false;
}

Point CharstringInterpreter::pointOf(int m) const {
  auto k = static_cast<std::size_t>(m);
  return {roundToInt16(x_[k]), roundToInt16(y_[k])};
}

void CharstringInterpreter::appendNode(uint8_t type, const std::vector<Point>& points) {
  Node n;
  n.header = type;
  n.points = points;
  glyph_.appendNode(n);
}

void CharstringInterpreter::moveBy(const Values& dx, const Values& dy) {
  for (int m = 0; m < masters_; ++m) {
    auto k = static_cast<std::size_t>(m);
    x_[k] += dx[k];
    y_[k] += dy[k];
  }
  if (inFlex_) return;
  std::vector<Point> points(static_cast<std::size_t>(masters_));
  for (int m = 0; m < masters_; ++m) points[static_cast<std::size_t>(m)] = pointOf(m);
  int last = glyph_.nodeCount() - 1;
  // Moves in a row draw nothing: the last one starts the contour.
  if (last >= 0 && glyph_.type(last) == node_type::kMove) {
    for (int m = 0; m < masters_; ++m) glyph_.setPoint(last, 0, m, points[static_cast<std::size_t>(m)]);
    return;
  }
  appendNode(node_type::kMove, points);
}

void CharstringInterpreter::lineBy(const Values& dx, const Values& dy) {
  std::vector<Point> points(static_cast<std::size_t>(masters_));
  for (int m = 0; m < masters_; ++m) {
    auto k = static_cast<std::size_t>(m);
    x_[k] += dx[k];
    y_[k] += dy[k];
    points[k] = pointOf(m);
  }
  appendNode(node_type::kLine, points);
}

void CharstringInterpreter::curveBy(const Values& dx1, const Values& dy1, const Values& dx2,
                                    const Values& dy2, const Values& dx3, const Values& dy3) {
  auto M = static_cast<std::size_t>(masters_);
  std::vector<Point> points(3 * M);
  for (std::size_t m = 0; m < M; ++m) {
    double x1 = x_[m] + dx1[m], y1 = y_[m] + dy1[m];
    double x2 = x1 + dx2[m], y2 = y1 + dy2[m];
    x_[m] = x2 + dx3[m];
    y_[m] = y2 + dy3[m];
    points[m] = pointOf(static_cast<int>(m));
    points[M + m] = {roundToInt16(x1), roundToInt16(y1)};
    points[2 * M + m] = {roundToInt16(x2), roundToInt16(y2)};
  }
  appendNode(node_type::kCurve, points);
}

void CharstringInterpreter::addStem(bool horizontal, const Values& position, const Values& width) {
  Hint hint;
  for (int m = 0; m < masters_; ++m) {
    auto k = static_cast<std::size_t>(m);
    double origin = horizontal ? sby_[k] : sbx_[k];
    hint.masters.push_back({roundToInt16(position[k] + origin), roundToInt16(width[k])});
  }
  GlyphHints& hints = glyph_.hints() ? *glyph_.hints() : glyph_.hints().emplace();
  std::vector<Hint>& list = horizontal ? hints.horizontal : hints.vertical;
  int index = findStem(list, hint);
  if (index < 0) {
    list.push_back(hint);
    index = static_cast<int>(list.size()) - 1;
  }
  program_.push_back({horizontal ? hint_kind::kHorizontal : hint_kind::kVertical, index});
}

void CharstringInterpreter::operate(int op, int depth) {
  Values zero{};
  switch (op) {
    case 13:  // hsbw
      if (!need(2)) return;
      for (int m = 0; m < masters_; ++m) {
        auto k = static_cast<std::size_t>(m);
        sbx_[k] = x_[k] = arg(0)[k];
        sby_[k] = y_[k] = 0;
        glyph_.setAdvance(m, {roundToInt16(arg(1)[k]), 0});
        record_.sideBearing[k] = roundToInt16(arg(0)[k]);
      }
      break;
    case 21:  // rmoveto
      if (!need(2)) return;
      moveBy(arg(depth_ - 2), arg(depth_ - 1));
      break;
    case 22:  // hmoveto
      if (!need(1)) return;
      moveBy(arg(depth_ - 1), zero);
      break;
    case 4:  // vmoveto
      if (!need(1)) return;
      moveBy(zero, arg(depth_ - 1));
      break;
    case 5:  // rlineto
      if (!need(2)) return;
      lineBy(arg(depth_ - 2), arg(depth_ - 1));
      break;
    case 6:  // hlineto
      if (!need(1)) return;
      lineBy(arg(depth_ - 1), zero);
      break;
    case 7:  // vlineto
      if (!need(1)) return;
      lineBy(zero, arg(depth_ - 1));
      break;
    case 8:  // rrcurveto
      if (!need(6)) return;
      curveBy(arg(depth_ - 6), arg(depth_ - 5), arg(depth_ - 4), arg(depth_ - 3),
              arg(depth_ - 2), arg(depth_ - 1));
      break;
    case 30:  // vhcurveto
      if (!need(4)) return;
      curveBy(zero, arg(depth_ - 4), arg(depth_ - 3), arg(depth_ - 2), arg(depth_ - 1), zero);
      break;
    case 31:  // hvcurveto
      if (!need(4)) return;
      curveBy(arg(depth_ - 4), zero, arg(depth_ - 3), arg(depth_ - 2), zero, arg(depth_ - 1));
      break;
    case 9:  // closepath: contours close by themselves
      break;
    case 1:  // hstem
    case 3:  // vstem
      if (!need(2)) return;
      addStem(op == 1, arg(depth_ - 2), arg(depth_ - 1));
      break;
    case 10: {  // callsubr
      if (!need(1)) return;
      auto number = static_cast<int32_t>(arg(--depth_)[0]);
      auto data = subroutines_ ? subroutines_(number) : std::nullopt;
      if (!data) {
        status_ = CharstringStatus::kUndefinedSubroutine;
        return;
      }
      run(*data, depth + 1);
      return;  // arguments stay for the caller of the subroutine
    }
    case 14:  // endchar
      ended_ = true;
      break;
    default:
      break;  // reserved operators
  }
  clearStack();
}

void CharstringInterpreter::escape(int op) {
  switch (op) {
    case 0:  // dotsection
      break;
    case 1:  // vstem3
    case 2:  // hstem3
      if (!need(6)) return;
      for (int k = 0; k < 3; ++k)
        addStem(op == 2, arg(depth_ - 6 + 2 * k), arg(depth_ - 5 + 2 * k));
      break;
    case 6:  // seac
      if (!need(5)) return;
      if (allowSeac_) {
        record_.accented = true;
        record_.accentSideBearing.clear();
        record_.accentX.clear();
        record_.accentY.clear();
        for (int m = 0; m < masters_; ++m) {
          auto k = static_cast<std::size_t>(m);
          record_.accentSideBearing.push_back(roundToInt16(arg(depth_ - 5)[k]));
          record_.accentX.push_back(roundToInt16(arg(depth_ - 4)[k]));
          record_.accentY.push_back(roundToInt16(arg(depth_ - 3)[k]));
        }
        record_.baseCode = static_cast<uint16_t>(std::clamp(arg(depth_ - 2)[0], 0.0, 65535.0));
        record_.accentCode = static_cast<uint16_t>(std::clamp(arg(depth_ - 1)[0], 0.0, 65535.0));
      }
      ended_ = true;
      break;
    case 7:  // sbw
      if (!need(4)) return;
      for (int m = 0; m < masters_; ++m) {
        auto k = static_cast<std::size_t>(m);
        sbx_[k] = x_[k] = arg(depth_ - 4)[k];
        sby_[k] = y_[k] = arg(depth_ - 3)[k];
        glyph_.setAdvance(m, {roundToInt16(arg(depth_ - 2)[k]), roundToInt16(arg(depth_ - 1)[k])});
        record_.sideBearing[k] = roundToInt16(arg(depth_ - 4)[k]);
      }
      break;
    case 12: {  // div
      if (!need(2)) return;
      Values& a = stack_[static_cast<std::size_t>(depth_ - 2)];
      const Values& b = arg(depth_ - 1);
      for (int m = 0; m < masters_; ++m) {
        auto k = static_cast<std::size_t>(m);
        if (b[k] == 0) {
          status_ = CharstringStatus::kDivisionByZero;
          return;
        }
        a[k] /= b[k];
      }
      --depth_;
      return;
    }
    case 16:  // callothersubr
      otherSubroutine();
      return;
    case 17:  // pop: the value was left on the stack by the other subroutine
      return;
    case 33:  // setcurrentpoint
      if (!need(2)) return;
      depth_ -= 2;
      return;
    default:
      return;  // unknown escapes are ignored
  }
  clearStack();
}

void CharstringInterpreter::otherSubroutine() {
  if (!need(2)) return;
  auto n = static_cast<int>(arg(--depth_)[0]);
  auto count = static_cast<int>(arg(depth_ - 1)[0]);
  switch (n) {
    case 0:  // end of flex: the height and the count go, the end point stays
      if (!need(2)) return;
      depth_ -= 2;
      inFlex_ = false;
      return;
    case 1:  // start of flex
      --depth_;
      inFlex_ = true;
      flexCalls_ = 0;
      flexPoints_.clear();
      return;
    case 2: {  // one flex point; the first is the reference point
      --depth_;
      if (!inFlex_) return;
      if (++flexCalls_ >= 2) {
        std::array<Point, kMaxMasters> p{};
        for (int m = 0; m < masters_; ++m) p[static_cast<std::size_t>(m)] = pointOf(m);
        flexPoints_.push_back(p);
      }
      if (flexPoints_.size() == 6) {
        auto M = static_cast<std::size_t>(masters_);
        for (int c = 0; c < 2; ++c) {
          std::vector<Point> points(3 * M);
          for (std::size_t m = 0; m < M; ++m) {
            points[m] = flexPoints_[static_cast<std::size_t>(3 * c + 2)][m];
            points[M + m] = flexPoints_[static_cast<std::size_t>(3 * c)][m];
            points[2 * M + m] = flexPoints_[static_cast<std::size_t>(3 * c + 1)][m];
          }
          appendNode(node_type::kCurve, points);
        }
        flexPoints_.clear();
        inFlex_ = false;
      }
      return;
    }
    case 3:  // hint replacement: the subroutine number stays for the callsubr that follows
      --depth_;
      program_.push_back({hint_kind::kReplacementPoint, glyph_.nodeCount()});
      ++replacementPoints_;
      return;
    case 14:
    case 15:
    case 16:
    case 17:
    case 18: {  // blends with 1, 2, 3, 4 and 6 results
      int results = n == 18 ? 6 : n - 13;
      --depth_;
      if (count != results * masters_ || !need(count)) {
        if (status_ == CharstringStatus::kOk) status_ = CharstringStatus::kBadBlend;
        return;
      }
      int base = depth_ - count;
      std::vector<Values> out(static_cast<std::size_t>(results));
      for (int j = 0; j < results; ++j) {
        double first = arg(base + j)[0];
        Values v{};
        v.fill(first);
        for (int m = 1; m < masters_; ++m)
          v[static_cast<std::size_t>(m)] =
              first + arg(base + results + j * (masters_ - 1) + (m - 1))[0];
        out[static_cast<std::size_t>(j)] = v;
      }
      depth_ = base;
      for (const Values& v : out) stack_[static_cast<std::size_t>(depth_++)] = v;
      return;
    }
    default:
      --depth_;
      if (count < 0 || !need(count)) {
        status_ = CharstringStatus::kTooFewOperands;
        return;
      }
      depth_ -= count;
      return;
  }
}

void CharstringInterpreter::finishGlyph() {
  int last = glyph_.nodeCount() - 1;
  if (last >= 0 && glyph_.type(last) == node_type::kMove) glyph_.deleteNode(last);
  if (replacementPoints_ > 0) {
    GlyphHints& hints = glyph_.hints() ? *glyph_.hints() : glyph_.hints().emplace();
    hints.replacement = program_;
  }
}

}  // namespace sorvella
