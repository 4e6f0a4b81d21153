#include "outline/contour_offsetter.h"

#include <cmath>
#include <optional>
#include <vector>

#include "base/rounding.h"
#include "glyph/outline_pen.h"

namespace sorvella {

namespace {

struct Vec {
  double x = 0, y = 0;
  friend Vec operator+(Vec a, Vec b) { return {a.x + b.x, a.y + b.y}; }
  friend Vec operator-(Vec a, Vec b) { return {a.x - b.x, a.y - b.y}; }
  friend Vec operator*(Vec a, double k) { return {a.x * k, a.y * k}; }
  friend bool operator==(Vec, Vec) = default;
};

double cross(Vec a, Vec b) {
  return a.x * b.y - a.y * b.x;
}
double dot(Vec a, Vec b) {
  return a.x * b.x + a.y * b.y;
}

Vec unit(Vec from, Vec to) {
  Vec d = to - from;
  double length = std::hypot(d.x, d.y);
  return length == 0 ? Vec{} : d * (1.0 / length);
}

Vec rounded(Vec p) {
  return {roundHalfDown(p.x), roundHalfDown(p.y)};
}
Point toPoint(Vec p) {
  return {roundToInt16(p.x), roundToInt16(p.y)};
}

// Below this the cross product of two unit directions counts as parallel.
constexpr double kParallel = 0.08;
// The round join's control leg for a right angle, per unit of offset.
constexpr double kRoundLeg = 0.55197;

// The crossing of the line through p along u with the line through q along w.
std::optional<Vec> intersection(Vec p, Vec u, Vec q, Vec w) {
  double c = cross(u, w);
  if (std::abs(c) < kParallel) return std::nullopt;
  double t = cross(q - p, w) / c;
  return p + u * t;
}

struct Segment {
  bool curve = false;
  Vec p, c1, c2, e;
  Vec startTangent, endTangent;
  Vec offsetStart, offsetEnd;
};

struct JoinPiece {
  enum class Kind { kNone, kLine, kCurve } kind = Kind::kNone;
  Vec c1, c2;
};

// Gathers the contours of one master as lines and cubics; quadratic pieces become their
// exact cubics and pieces without extent are dropped.
class ContourCollector : public OutlinePen {
 public:
  std::vector<std::vector<Segment>> contours;

  void moveTo(Point p) override {
    contours.emplace_back();
    start_ = current_ = {double(p.x), double(p.y)};
    open_ = true;
  }
  void lineTo(Point p) override { addLine({double(p.x), double(p.y)}); }
  void curveTo(Point, Point c1, Point c2, Point end) override {
    addCurve({double(c1.x), double(c1.y)}, {double(c2.x), double(c2.y)},
             {double(end.x), double(end.y)});
  }
  void quadTo(WidePoint, WidePoint control, WidePoint end, bool) override {
    Vec q{control.x / 2.0, control.y / 2.0};
    Vec e{end.x / 2.0, end.y / 2.0};
    addCurve(current_ + (q - current_) * (2.0 / 3.0), e + (q - e) * (2.0 / 3.0), e);
  }
  void closePath() override {
    if (open_) addLine(start_);
    open_ = false;
  }

 private:
  void addLine(Vec e) {
    if (!open_ || e == current_) return;
    Segment s;
    s.p = current_;
    s.c1 = current_;
    s.c2 = e;
    s.e = e;
    contours.back().push_back(s);
    current_ = e;
  }
  void addCurve(Vec c1, Vec c2, Vec e) {
    if (!open_) return;
    if (c1 == current_ && c2 == current_ && e == current_) return;
    Segment s;
    s.curve = true;
    s.p = current_;
    s.c1 = c1;
    s.c2 = c2;
    s.e = e;
    contours.back().push_back(s);
    current_ = e;
  }

  Vec start_, current_;
  bool open_ = false;
};

class ContourWork {
 public:
  ContourWork(double h, double v, JoinMode join) : h_(h), v_(v), join_(join) {}

  void offsetContour(std::vector<Segment>& segments, OutlinePen& pen) const {
    for (Segment& s : segments) {
      setTangents(s);
      s.offsetStart = offsetPoint(s.p, s.startTangent);
      s.offsetEnd = offsetPoint(s.e, s.endTangent);
    }
    const std::size_t n = segments.size();
    // joins[i] leads from segment i - 1 into segment i; joins[0] closes the contour.
    std::vector<JoinPiece> joins(n);
    for (std::size_t i = 0; i < n; ++i) joins[i] = join(segments[(i + n - 1) % n], segments[i]);

    const Vec start = rounded(segments[0].offsetStart);
    pen.moveTo(toPoint(start));
    for (std::size_t i = 0; i < n; ++i) {
      const Segment& s = segments[i];
      const bool last = i + 1 == n;
      if (s.curve) {
        auto [c1, c2] = offsetControls(s);
        pen.curveTo({}, toPoint(c1), toPoint(c2), toPoint(s.offsetEnd));
      } else if (!(last && rounded(s.offsetEnd) == start)) {
        pen.lineTo(toPoint(s.offsetEnd));
      }
      const JoinPiece& piece = joins[(i + 1) % n];
      const Vec to = segments[(i + 1) % n].offsetStart;
      if (piece.kind == JoinPiece::Kind::kCurve) {
        pen.curveTo({}, toPoint(piece.c1), toPoint(piece.c2), toPoint(to));
      } else if (piece.kind == JoinPiece::Kind::kLine && rounded(to) != rounded(s.offsetEnd) &&
                 !(last && rounded(to) == start)) {
        pen.lineTo(toPoint(to));
      }
    }
    pen.closePath();
  }

 private:
  static void setTangents(Segment& s) {
    if (!s.curve) {
      s.startTangent = s.endTangent = unit(s.p, s.e);
      return;
    }
    Vec c1 = s.c1 == s.p ? s.c2 : s.c1;
    if (c1 == s.p) c1 = s.e;
    Vec c2 = s.c2 == s.e ? s.c1 : s.c2;
    if (c2 == s.e) c2 = s.p;
    s.startTangent = unit(s.p, c1);
    s.endTangent = unit(c2, s.e);
  }

  // Q moved to the right of travel along u.
  Vec offsetPoint(Vec q, Vec u) const {
    return q + Vec{roundHalfDown(h_ * u.y), -roundHalfDown(v_ * u.x)};
  }
  Vec normal(Vec u) const { return {h_ * u.y, -v_ * u.x}; }

  // Moves both ends to the crossing of the offset tangent lines, or to their midpoint where
  // the lines are nearly parallel.
  static void miter(Segment& previous, Segment& current, double s) {
    std::optional<Vec> x;
    if (std::abs(s) >= kParallel)
      x = intersection(previous.offsetEnd, previous.endTangent, current.offsetStart,
                       current.startTangent);
    Vec to = x ? *x : rounded((previous.offsetEnd + current.offsetStart) * 0.5);
    previous.offsetEnd = to;
    current.offsetStart = to;
  }

  JoinPiece join(Segment& previous, Segment& current) const {
    const Vec a = previous.endTangent, b = current.startTangent;
    const double s = cross(a, b), c = dot(a, b);
    JoinPiece piece;
    if (s < 0) {
      piece.kind = JoinPiece::Kind::kLine;
    } else if (c >= 0 && s <= 0.7) {
      miter(previous, current, s);
    } else if (join_ == JoinMode::kRound) {
      const double kx = h_ * (1 - c) * kRoundLeg, ky = v_ * (1 - c) * kRoundLeg;
      piece.kind = JoinPiece::Kind::kCurve;
      piece.c1 = previous.offsetEnd + Vec{roundHalfDown(kx * a.x), roundHalfDown(ky * a.y)};
      piece.c2 = current.offsetStart - Vec{roundHalfDown(kx * b.x), roundHalfDown(ky * b.y)};
    } else if (c > 0 || (join_ == JoinMode::kMiterOrSquare && s > 0.5)) {
      miter(previous, current, s);
    } else {
      previous.offsetEnd =
          previous.offsetEnd + Vec{roundHalfDown(h_ * s * a.x), roundHalfDown(v_ * s * a.y)};
      current.offsetStart =
          current.offsetStart - Vec{roundHalfDown(h_ * s * b.x), roundHalfDown(v_ * s * b.y)};
      piece.kind = JoinPiece::Kind::kLine;
    }
    return piece;
  }

  // The control point where two offset legs of the control polygon cross, when both legs
  // have extent and neither folds back sharply over the other.
  std::optional<Vec> legCrossing(Vec from, Vec vertex, Vec to) const {
    const Vec u = unit(from, vertex), w = unit(vertex, to);
    if (u == Vec{} || w == Vec{} || dot(u, w) < -0.5) return std::nullopt;
    return intersection(vertex + normal(u), u, vertex + normal(w), w);
  }

  // Control points of an offset curve: where the offset legs of its control polygon cross,
  // so that an arc stays an arc; otherwise through the crossing A' of the offset tangent
  // lines, or the input controls moved with their end points.
  std::pair<Vec, Vec> offsetControls(const Segment& s) const {
    std::optional<Vec> c1 = legCrossing(s.p, s.c1, s.c2);
    std::optional<Vec> c2 = legCrossing(s.c1, s.c2, s.e);
    if (c1 && c2) return {*c1, *c2};
    const std::optional<Vec> a = intersection(s.p, s.startTangent, s.e, s.endTangent);
    const std::optional<Vec> offsetA =
        intersection(s.offsetStart, s.startTangent, s.offsetEnd, s.endTangent);
    auto near = [](const std::optional<Vec>& x, Vec p) {
      return x && std::hypot(x->x - p.x, x->y - p.y) < 0.5;
    };
    if (!c1) {
      if (offsetA)
        c1 = near(a, s.p) ? s.offsetStart : *offsetA;
      else
        c1 = s.c1 + (s.offsetStart - s.p);
    }
    if (!c2) {
      if (offsetA)
        c2 = near(a, s.e) ? s.offsetEnd : *offsetA;
      else
        c2 = s.c2 + (s.offsetEnd - s.e);
    }
    return {*c1, *c2};
  }

  double h_, v_;
  JoinMode join_;
};

}  // namespace

Outline ContourOffsetter::offset(const Outline& source, int m) const {
  ContourCollector collector;
  source.enumerate(collector, m);
  Outline result(1);
  OutlineBuilder builder(result);
  const ContourWork work(h_, v_, join_);
  for (std::vector<Segment>& contour : collector.contours)
    if (!contour.empty()) work.offsetContour(contour, builder);
  builder.end();
  return result;
}

}  // namespace sorvella
