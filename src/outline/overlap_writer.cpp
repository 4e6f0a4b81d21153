// Writing the kept contours: consecutive edges of one source segment whose parameter ranges
// touch become one piece (also across the loop's start); a line piece is a line, a curve
// piece the exact part of its source curve, moved onto the integer end points of its edges.
#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>

#include "base/rounding.h"
#include "outline/overlap_curve.h"
#include "outline/overlap_work.h"

namespace sorvella {

namespace {

constexpr double kShiftArea = 4;
constexpr double kSplitStep = 0.25;
constexpr double kMinSplitArc = 4;
constexpr double kMaxSplitArc = 60;
constexpr double kLatticeDistance = 0.12;

struct Piece {
  EdgePoint a, b;
  double t0, t1;
  uint32_t segment;
};

bool continues(const Piece& p, const Piece& q) {
  return p.segment == q.segment && p.t1 == q.t0 && (p.t1 > p.t0) == (q.t1 > q.t0);
}

struct Vec {
  double x, y;
};

Vec lerp(Vec a, Vec b, double t) {
  return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t};
}

// Splits at t; `first` receives [0, t], `second` [t, 1].
void splitCurve(const std::array<Vec, 4>& p, double t, std::array<Vec, 4>* first,
                std::array<Vec, 4>* second) {
  Vec ab = lerp(p[0], p[1], t), bc = lerp(p[1], p[2], t), cd = lerp(p[2], p[3], t);
  Vec abc = lerp(ab, bc, t), bcd = lerp(bc, cd, t);
  Vec mid = lerp(abc, bcd, t);
  if (first) *first = {p[0], ab, abc, mid};
  if (second) *second = {mid, bcd, cd, p[3]};
}

std::array<Vec, 4> subCurve(const SourceSegment& s, double from, double to) {
  std::array<Vec, 4> p;
  for (int i = 0; i < 4; ++i)
    p[i] = {static_cast<double>(s.p[i].x) / kSourceScale,
            static_cast<double>(s.p[i].y) / kSourceScale};
  const double lo = std::min(from, to), hi = std::max(from, to);
  if (hi < 1) splitCurve(p, hi, &p, nullptr);
  if (lo > 0 && hi > 0) splitCurve(p, lo / hi, nullptr, &p);
  if (from > to) std::reverse(p.begin(), p.end());
  return p;
}

Point point(EdgePoint p) {
  return {clampToInt16(p.x), clampToInt16(p.y)};
}
Point rounded(Vec v) {
  return {roundToInt16(v.x), roundToInt16(v.y)};
}

class ContourWriter {
 public:
  explicit ContourWriter(const OverlapWork& w) : w_(w) {}

  void write(OutlinePen& pen) {
    for (uint32_t i = 0; i < w_.contours.size(); ++i)
      if (w_.contours[i].kept()) collect(w_.contours[i]);
    // In the order of the input contours that the written ones start on.
    std::vector<std::size_t> order(starts_.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
      const Piece& pa = pieces_[starts_[a]];
      const Piece& pb = pieces_[starts_[b]];
      if (pa.segment != pb.segment) return pa.segment < pb.segment;
      return std::min(pa.t0, pa.t1) < std::min(pb.t0, pb.t1);
    });
    pen.begin();
    for (std::size_t k : order) emit(pen, k);
    pen.end();
  }

 private:
  // Appends the contour's pieces, beginning with the one of the earliest source segment.
  void collect(const OverlapContour& c) {
    const bool reversed = c.has(contour_flag::kReversed);
    edges_.clear();
    for (uint32_t i = 0; i < c.count; ++i) {
      const OverlapEdge& e = w_.edges[w_.loopEdges[c.first + (reversed ? c.count - 1 - i : i)]];
      edges_.push_back(reversed ? Piece{e.b, e.a, e.t1, e.t0, e.segment}
                                : Piece{e.a, e.b, e.t0, e.t1, e.segment});
    }
    const std::size_t n = edges_.size();
    std::size_t breakAt = 0;
    while (breakAt < n && continues(edges_[(breakAt + n - 1) % n], edges_[breakAt])) ++breakAt;
    if (breakAt == n) breakAt = 0;  // one segment all round; cannot happen with real loops
    merged_.clear();
    for (std::size_t i = 0; i < n; ++i) {
      const Piece& e = edges_[(breakAt + i) % n];
      if (!merged_.empty() && continues(merged_.back(), e)) {
        merged_.back().b = e.b;
        merged_.back().t1 = e.t1;
      } else {
        merged_.push_back(e);
      }
    }
    std::size_t first = 0;
    for (std::size_t i = 1; i < merged_.size(); ++i) {
      const Piece& p = merged_[i];
      const Piece& best = merged_[first];
      if (p.segment < best.segment ||
          (p.segment == best.segment && std::min(p.t0, p.t1) < std::min(best.t0, best.t1)))
        first = i;
    }
    starts_.push_back(pieces_.size());
    counts_.push_back(merged_.size());
    for (std::size_t i = 0; i < merged_.size(); ++i)
      pieces_.push_back(merged_[(first + i) % merged_.size()]);
  }

  void emit(OutlinePen& pen, std::size_t contour) {
    const std::size_t first = starts_[contour], count = counts_[contour];
    pen.moveTo(point(pieces_[first].a));
    for (std::size_t i = 0; i < count; ++i) {
      const Piece& piece = pieces_[first + i];
      const SourceSegment& s = w_.segments[piece.segment];
      if (s.curve) {
        emitCurve(pen, s, piece);
      } else if (i + 1 < count) {
        pen.lineTo(point(piece.b));  // the closing line is implied
      }
    }
    pen.closePath();
  }

  // A curve piece, with its cut ends on the curve's points nearest to their integer points
  // (so that they move across the curve only). Where that move would shift a long piece
  // noticeably, the piece is split close to that end at a point of the curve that lies
  // (almost) on an integer point, so that only the short part moves.
  void emitCurve(OutlinePen& pen, const SourceSegment& s, const Piece& piece) {
    const double reach = std::abs(piece.t1 - piece.t0) / 2;
    auto onCurve = [&](EdgePoint p, double t) {
      if (t <= 0 || t >= 1) return t;
      return nearestParameter(s, p.x, p.y, t, std::max(0.0, t - reach), std::min(1.0, t + reach));
    };
    Joint joints[4];
    int n = 0;
    joints[n++] = {piece.a, onCurve(piece.a, piece.t0)};
    Joint last{piece.b, onCurve(piece.b, piece.t1)};
    const double length = polygonLength(subCurve(s, joints[0].t, last.t));
    if (Joint split; shifted(s, joints[0], length) &&
                     latticeJoint(s, joints[0].t, last.t, offCurve(s, joints[0]), split))
      joints[n++] = split;
    if (Joint split; shifted(s, last, length) &&
                     latticeJoint(s, last.t, joints[n - 1].t, offCurve(s, last), split))
      joints[n++] = split;
    joints[n++] = last;
    for (int k = 0; k + 1 < n; ++k) writeCurve(pen, s, joints[k], joints[k + 1]);
  }

  struct Joint {
    EdgePoint p;
    double t;
  };

  static double polygonLength(const std::array<Vec, 4>& q) {
    double sum = 0;
    for (int i = 1; i < 4; ++i) sum += std::hypot(q[i].x - q[i - 1].x, q[i].y - q[i - 1].y);
    return sum;
  }

  // Whether moving a cut end onto its integer point shifts a piece of this length by more
  // than about kShiftArea square units.
  static double offCurve(const SourceSegment& s, const Joint& j) {
    CurvePoint c = pointAt(s, j.t);
    return std::hypot(j.p.x - c.x, j.p.y - c.y);
  }
  static bool shifted(const SourceSegment& s, const Joint& j, double length) {
    return j.t > 0 && j.t < 1 && offCurve(s, j) * length / 2 > kShiftArea;
  }

  // A parameter from `from` towards `to`, between kMinSplitArc and kMaxSplitArc units along
  // the curve and at most half way, whose point lies within kLatticeDistance of an integer point;
  // failing that, the one nearest to an integer point if it is markedly nearer than the end's own.
  static bool latticeJoint(const SourceSegment& s, double from, double to, double endDistance,
                           Joint& joint) {
    const double direction = to > from ? 1 : -1;
    const double middle = (from + to) / 2;
    double t = from, arc = 0, best = endDistance / 2;
    bool found = false;
    while (arc < kMaxSplitArc) {
      CurvePoint d = tangentAt(s, t);
      double speed = std::hypot(d.x, d.y);
      if (speed == 0) break;
      t += direction * kSplitStep / speed;
      arc += kSplitStep;
      if ((t - middle) * direction >= 0) break;
      if (arc < kMinSplitArc) continue;
      CurvePoint c = pointAt(s, t);
      EdgePoint q{static_cast<int32_t>(std::lround(c.x)), static_cast<int32_t>(std::lround(c.y))};
      double distance = std::hypot(q.x - c.x, q.y - c.y);
      if (distance < best) {
        best = distance;
        joint = {q, t};
        found = true;
        if (distance < kLatticeDistance) break;
      }
    }
    return found;
  }

  // The exact part of the curve between two joints, its ends moved onto their integer points
  // and each control point moved with its end.
  static void writeCurve(OutlinePen& pen, const SourceSegment& s, const Joint& from,
                         const Joint& to) {
    std::array<Vec, 4> q = subCurve(s, from.t, to.t);
    Vec c1{q[1].x + from.p.x - q[0].x, q[1].y + from.p.y - q[0].y};
    Vec c2{q[2].x + to.p.x - q[3].x, q[2].y + to.p.y - q[3].y};
    pen.curveTo(point(from.p), rounded(c1), rounded(c2), point(to.p));
  }

  const OverlapWork& w_;
  std::vector<Piece> edges_, merged_, pieces_;
  std::vector<std::size_t> starts_, counts_;
};

}  // namespace

void writeContours(const OverlapWork& w, OutlinePen& pen) {
  ContourWriter(w).write(pen);
}

}  // namespace sorvella
