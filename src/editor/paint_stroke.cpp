#include "editor/paint_stroke.h"

#include <cmath>
#include <numbers>
#include <vector>

#include "base/rounding.h"

namespace sorvella {

namespace {

constexpr double kArcHandle = 0.5523;  // cubic quarter arc of a unit circle
constexpr double kDegree = std::numbers::pi / 180;

struct Vec {
  double x, y;
  Vec operator+(Vec o) const { return {x + o.x, y + o.y}; }
  Vec operator-(Vec o) const { return {x - o.x, y - o.y}; }
  Vec operator*(double k) const { return {x * k, y * k}; }
};

double cross(Vec a, Vec b) {
  return a.x * b.y - a.y * b.x;
}
double dot(Vec a, Vec b) {
  return a.x * b.x + a.y * b.y;
}
Vec leftOf(Vec v) {
  return {-v.y, v.x};
}
Vec at(Point p) {
  return {static_cast<double>(p.x), static_cast<double>(p.y)};
}
Point rounded(Vec v) {
  return {roundToInt16(v.x), roundToInt16(v.y)};
}

// Appends a closed polygon counter-clockwise; one without area after rounding adds nothing.
void addPolygon(Outline& o, const std::vector<Vec>& corners) {
  std::vector<Point> p;
  for (const Vec& v : corners) {
    const Point r = rounded(v);
    if (p.empty() || p.back() != r) p.push_back(r);
  }
  while (p.size() > 1 && p.back() == p.front()) p.pop_back();
  if (p.size() < 3) return;
  int64_t area = 0;
  for (std::size_t i = 0; i < p.size(); ++i) {
    const Point a = p[i], b = p[(i + 1) % p.size()];
    area += static_cast<int64_t>(a.x) * b.y - static_cast<int64_t>(b.x) * a.y;
  }
  if (area == 0) return;
  const bool reverse = area < 0;
  o.appendNode(Node::move(p[reverse ? p.size() - 1 : 0]));
  for (std::size_t k = 1; k < p.size(); ++k)
    o.appendNode(Node::line(p[reverse ? p.size() - 1 - k : k]));
}

// Appends `quarters` quarter arcs of radius r around c, counter-clockwise from direction u
// (a unit vector), closed by a line back to the arc's start.
void addArc(Outline& o, Vec c, Vec u, double r, int quarters) {
  Vec from = u;
  o.appendNode(Node::move(rounded(c + from * r)));
  for (int q = 0; q < quarters; ++q) {
    const Vec to = leftOf(from);
    o.appendNode(Node::curve(rounded(c + to * r), rounded(c + (from + to * kArcHandle) * r),
                             rounded(c + (to + from * kArcHandle) * r)));
    from = to;
  }
}

// The cap beyond end point p, `out` the unit direction leaving the stroke there.
void addCap(Outline& o, Vec p, Vec out, double half, PaintCap cap) {
  const Vec side = leftOf(out) * half;
  switch (cap) {
    case PaintCap::kRound:
      addArc(o, p, Vec{out.y, -out.x}, half, 2);  // from the right side round to the left
      break;
    case PaintCap::kSquare:
      addPolygon(o, {p - side, p + out * half - side, p + out * half + side, p + side});
      break;
    case PaintCap::kFlat:
      break;
  }
}

// The join at p between a piece arriving along d1 and one leaving along d2 (unit vectors).
void addJoin(Outline& o, Vec p, Vec d1, Vec d2, double half, PaintJoin join) {
  // A turn that opens the outer side by less than a unit leaves nothing to fill once the
  // corners are rounded; freehand paths are full of them.
  if (std::hypot(d1.x - d2.x, d1.y - d2.y) * half < 1) return;
  const double turn = cross(d1, d2);
  if (join == PaintJoin::kRound) {
    addArc(o, p, {1, 0}, half, 4);
    return;
  }
  // The corners on the outer side of the turn.
  const double outer = turn > 0 ? -half : half;
  const Vec o1 = leftOf(d1) * outer, o2 = leftOf(d2) * outer;
  const Vec sum = o1 + o2;
  const double sum2 = dot(sum, sum);
  if (join == PaintJoin::kMiter && sum2 > 0) {
    const Vec tip = sum * (2 * half * half / sum2);
    if (dot(tip, tip) <= kMiterLimit * kMiterLimit * half * half) {
      addPolygon(o, {p, p + o1, p + tip, p + o2});
      return;
    }
  }
  addPolygon(o, {p, p + o1, p + o2});
}

}  // namespace

Outline strokeOutline(std::span<const Point> path, const PaintOptions& brush) {
  Outline o(1);
  if (path.empty() || brush.width < 1) return o;
  const double half = brush.width / 2.0;
  std::vector<Vec> run;
  for (const Point& p : path)
    if (run.empty() || rounded(run.back()) != p) run.push_back(at(p));

  if (brush.kind == BrushKind::kCalligraphic) {
    const double a = brush.angle * kDegree;
    const Vec nib = Vec{std::cos(a), std::sin(a)} * half;
    for (std::size_t i = 1; i < run.size(); ++i)
      addPolygon(o, {run[i - 1] - nib, run[i] - nib, run[i] + nib, run[i - 1] + nib});
    return o;
  }

  if (run.size() == 1) {
    const Vec p = run.front();
    if (brush.cap == PaintCap::kRound) addArc(o, p, {1, 0}, half, 4);
    if (brush.cap == PaintCap::kSquare)
      addPolygon(o, {p + Vec{-half, -half}, p + Vec{half, -half}, p + Vec{half, half},
                     p + Vec{-half, half}});
    return o;
  }
  std::vector<Vec> dir;
  for (std::size_t i = 1; i < run.size(); ++i) {
    const Vec d = run[i] - run[i - 1];
    dir.push_back(d * (1 / std::hypot(d.x, d.y)));
  }
  for (std::size_t i = 1; i < run.size(); ++i) {
    const Vec side = leftOf(dir[i - 1]) * half;
    addPolygon(o, {run[i - 1] - side, run[i] - side, run[i] + side, run[i - 1] + side});
  }
  for (std::size_t i = 1; i + 1 < run.size(); ++i)
    addJoin(o, run[i], dir[i - 1], dir[i], half, brush.join);
  if (run.size() > 3 && rounded(run.front()) == rounded(run.back())) {
    addJoin(o, run.front(), dir.back(), dir.front(), half, brush.join);
  } else {
    addCap(o, run.front(), dir.front() * -1.0, half, brush.cap);
    addCap(o, run.back(), dir.back(), half, brush.cap);
  }
  return o;
}

}  // namespace sorvella
