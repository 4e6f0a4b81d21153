#include "editor/edit_geometry.h"

#include <algorithm>
#include <cmath>

#include "base/rounding.h"
#include "editor/outline_walk.h"

namespace sorvella {

namespace {

struct Vec {
  double x = 0;
  double y = 0;
};

Vec operator+(Vec a, Vec b) {
  return {a.x + b.x, a.y + b.y};
}
Vec operator-(Vec a, Vec b) {
  return {a.x - b.x, a.y - b.y};
}
Vec operator*(Vec a, double f) {
  return {a.x * f, a.y * f};
}
double dot(Vec a, Vec b) {
  return a.x * b.x + a.y * b.y;
}
double cross(Vec a, Vec b) {
  return a.x * b.y - a.y * b.x;
}
double length(Vec a) {
  return std::sqrt(dot(a, a));
}
Vec unit(Vec a) {
  const double l = length(a);
  return l == 0 ? Vec{} : Vec{a.x / l, a.y / l};
}
Vec vec(Point p) {
  return {static_cast<double>(p.x), static_cast<double>(p.y)};
}
Vec vec(PointerPosition p) {
  return {p.x, p.y};
}
Point rounded(Vec v) {
  return {roundToInt16(v.x), roundToInt16(v.y)};
}

bool withinSquare(PointerPosition p, Point q) {
  return std::abs(p.x - q.x) <= kHitTolerance && std::abs(p.y - q.y) <= kHitTolerance;
}

// Distance test against a straight piece; fills the parameter along it.
bool nearSegment(PointerPosition p, Vec a, Vec b, double& along) {
  const Vec d = b - a;
  const double l2 = dot(d, d);
  double s = l2 == 0 ? 0.0 : std::clamp(dot(vec(p) - a, d) / l2, 0.0, 1.0);
  const Vec closest = a + d * s;
  if (length(vec(p) - closest) > kHitTolerance) return false;
  along = s;
  return true;
}

Vec bezier(Vec p0, Vec p1, Vec p2, Vec p3, double t) {
  const double u = 1 - t;
  return p0 * (u * u * u) + p1 * (3 * u * u * t) + p2 * (3 * u * t * t) + p3 * (t * t * t);
}

class HitTester {
 public:
  HitTester(const Glyph& glyph, const HitTestView& view, PointerPosition p)
      : g_(glyph), view_(view), p_(p), m_(std::clamp(view.master, 0, glyph.masterCount() - 1)) {}

  std::optional<Grab> run() {
    if (!(view_.nodesShown && view_.controlVectorsShown)) {
      if (auto grab = highlighted()) return grab;
    }
    int pendingClose = -1;  // the move node whose closing segment is still to be tested
    for (int i = 0; i < g_.nodeCount(); ++i) {
      if (g_.type(i) == node_type::kMove) {
        if (view_.testSegments && pendingClose >= 0) {
          if (auto grab = segment(pendingClose)) return grab;
        }
        pendingClose = i;
      }
      if (view_.testPoints && view_.nodesShown) {
        if (g_.type(i) == node_type::kCurve && view_.controlVectorsShown) {
          if (point(i, 1)) return Grab{i, GrabPart::kFirstControl, 1.0};
          if (point(i, 2)) return Grab{i, GrabPart::kSecondControl, 1.0};
        }
        if (point(i, 0)) return Grab{i, GrabPart::kEndPoint, 1.0};
      }
      if (view_.testSegments && g_.type(i) != node_type::kMove) {
        if (auto grab = segment(i)) return grab;
      }
    }
    if (view_.testSegments && pendingClose >= 0) return segment(pendingClose);
    return std::nullopt;
  }

 private:
  bool point(int i, int k) const { return withinSquare(p_, g_.point(i, k, m_)); }

  std::optional<Grab> highlighted() const {
    const int h = g_.highlightedNode();
    if (!g_.hasNode(h)) return std::nullopt;
    const bool curve = g_.type(h) == node_type::kCurve;
    if (point(h, 0)) return Grab{h, GrabPart::kEndPoint, 1.0};
    if (g_.highlightedPart() == 0) {
      if (curve && point(h, 2)) return Grab{h, GrabPart::kSecondControl, 1.0};
      const int next = nextInContour(g_, h);
      if (next != h && g_.type(next) == node_type::kCurve && point(next, 1))
        return Grab{next, GrabPart::kFirstControl, 1.0};
    } else {
      const int previous = previousInContour(g_, h);
      if (previous != h && point(previous, 0)) return Grab{previous, GrabPart::kEndPoint, 1.0};
      if (curve && point(h, 1)) return Grab{h, GrabPart::kFirstControl, 1.0};
      if (curve && point(h, 2)) return Grab{h, GrabPart::kSecondControl, 1.0};
    }
    return std::nullopt;
  }

  std::optional<Grab> segment(int i) const {
    const int previous = previousInContour(g_, i);
    if (previous == i) return std::nullopt;
    const Vec a = vec(g_.point(previous, 0, m_));
    const Vec b = vec(g_.point(i, 0, m_));
    double along = 0;
    if (g_.type(i) == node_type::kCurve) {
      const Vec c1 = vec(g_.point(i, 1, m_)), c2 = vec(g_.point(i, 2, m_));
      Vec from = a;
      for (int s = 0; s < kCurveTestSteps; ++s) {
        const Vec to = bezier(a, c1, c2, b, (s + 1.0) / kCurveTestSteps);
        if (nearSegment(p_, from, to, along))
          return Grab{i, GrabPart::kSegment, (s + along) / kCurveTestSteps};
        from = to;
      }
      return std::nullopt;
    }
    // Legs of a quadratic control polygon count only where the control vectors are shown.
    const bool leg =
        g_.type(i) == node_type::kOffCurve || g_.type(previous) == node_type::kOffCurve;
    if (leg && !view_.controlVectorsShown) return std::nullopt;
    if (nearSegment(p_, a, b, along)) return Grab{i, GrabPart::kSegment, along};
    return std::nullopt;
  }

  const Glyph& g_;
  const HitTestView& view_;
  PointerPosition p_;
  int m_;
};

bool isCurve(const Outline& o, int i) {
  return o.type(i) == node_type::kCurve;
}
bool isSet(const Outline& o, int i) {
  return nodeConnectionOf(o.header(i)) != node_flag::kSharp;
}

void addChanged(std::vector<int>& changed, int node) {
  if (std::find(changed.begin(), changed.end(), node) == changed.end()) changed.push_back(node);
}

}  // namespace

std::optional<Grab> hitTest(const Glyph& glyph, const HitTestView& view, PointerPosition pointer) {
  if (glyph.empty()) return std::nullopt;
  return HitTester(glyph, view, pointer).run();
}

bool EditDrag::begin(const Glyph& glyph, int master, Grab grab, PointerPosition grabPosition) {
  active_ = false;
  if (!glyph.hasNode(grab.node) || master < 0 || master >= glyph.masterCount()) return false;
  const bool curve = glyph.type(grab.node) == node_type::kCurve;
  if ((grab.part == GrabPart::kFirstControl || grab.part == GrabPart::kSecondControl) && !curve)
    return false;
  start_.assign(glyph);
  master_ = master;
  node_ = grab.node;
  t_ = grab.t;
  grab_ = grabPosition;
  endNode_ = node_;
  switch (grab.part) {
    case GrabPart::kEndPoint:
      rule_ = Rule::kEndPoint;
      break;
    case GrabPart::kFirstControl:
      rule_ = Rule::kFirstControl;
      break;
    case GrabPart::kSecondControl:
      rule_ = Rule::kSecondControl;
      break;
    case GrabPart::kSegment: {
      const int previous = previousInContour(start_, node_);
      if (previous == node_ || !(t_ > 0 && t_ < 1)) return false;
      if (!curve) {
        rule_ = Rule::kStraightSegment;
        factor_ = t_ >= 0.5 ? 1.0 / t_ : 1.0 / (1.0 - t_);
        endNode_ = t_ >= 0.5 ? node_ : previous;
      } else if (t_ <= 0.07 || t_ >= 0.93) {
        rule_ = Rule::kCurveEnd;
        endNode_ = t_ <= 0.07 ? previous : node_;
        const Point s = start(endNode_, 0);
        offset_ = {s.x - grab_.x, s.y - grab_.y};
      } else {
        rule_ = Rule::kCurveReshape;
        prepareReshape();
      }
      break;
    }
  }
  active_ = true;
  return true;
}

std::vector<int> EditDrag::dragTo(Glyph& glyph, PointerPosition p) {
  std::vector<int> changed;
  if (!active_ || !glyph.hasNode(node_) || glyph.nodeCount() != start_.nodeCount()) return changed;
  switch (rule_) {
    case Rule::kEndPoint:
      dragEndPoint(glyph, node_, p, changed);
      break;
    case Rule::kFirstControl:
      dragFirstControl(glyph, p, changed);
      break;
    case Rule::kSecondControl:
      dragSecondControl(glyph, p, changed);
      break;
    case Rule::kStraightSegment: {
      const Point s = start(endNode_, 0);
      dragEndPoint(glyph, endNode_,
                   {s.x + (p.x - grab_.x) * factor_, s.y + (p.y - grab_.y) * factor_}, changed);
      break;
    }
    case Rule::kCurveEnd:
      dragEndPoint(glyph, endNode_, {p.x + offset_.x, p.y + offset_.y}, changed);
      break;
    case Rule::kCurveReshape:
      reshapeCurve(glyph, p, changed);
      break;
  }
  return changed;
}

void EditDrag::dragEndPoint(Glyph& glyph, int n, PointerPosition p,
                            std::vector<int>& changed) const {
  const int m = master_;
  const Outline& s = start_;
  const int previous = previousInContour(s, n);
  const int next = nextInContour(s, n);
  const Vec P = vec(start(n, 0));
  const Point newEnd = rounded(vec(p));
  const Vec P1 = vec(newEnd);
  const Vec moved = P1 - P;
  const Vec Q = vec(start(previous, 0));
  const Vec R = vec(start(next, 0));
  glyph.setPoint(n, 0, m, newEnd);
  addChanged(changed, n);
  const bool alone = previous == n;
  auto shift = [&](int node, int k) {
    glyph.setPoint(node, k, m, rounded(vec(start(node, k)) + moved));
    addChanged(changed, node);
  };
  auto place = [&](int node, int k, Vec v) {
    glyph.setPoint(node, k, m, rounded(v));
    addChanged(changed, node);
  };
  // Rule 4 of both cases: the handle leaving the next node keeps pointing away from P.
  auto followAfterNext = [&]() {
    if (alone || isCurve(s, next) || !isSet(s, next)) return;
    const int afterNext = nextInContour(s, next);
    if (afterNext == next || !isCurve(s, afterNext)) return;
    const double L = length(vec(start(afterNext, 1)) - R);
    place(afterNext, 1, R + unit(R - P1) * L);
  };
  if (isCurve(s, n)) {
    if (!alone && isCurve(s, next)) {
      shift(n, 2);
      shift(next, 1);
      return;
    }
    if (isSet(s, n)) {
      const double L = length(vec(start(n, 2)) - P);
      place(n, 2, P1 + unit(P1 - R) * L);
    } else {
      shift(n, 2);
    }
    followAfterNext();
    return;
  }
  if (alone) return;
  const bool tooClose = dot(P1 - Q, P1 - Q) < 3;
  if (isCurve(s, next)) {
    if (!isSet(s, n) || tooClose) {
      shift(next, 1);
    } else {
      const double L = length(vec(start(next, 1)) - P);
      place(next, 1, P1 + unit(P1 - Q) * L);
    }
  }
  if (isCurve(s, previous) && isSet(s, previous)) {
    if (tooClose) {
      shift(previous, 2);
    } else {
      const double L = length(vec(start(previous, 2)) - Q);
      place(previous, 2, Q + unit(Q - P1) * L);
    }
  }
  followAfterNext();
}

void EditDrag::dragFirstControl(Glyph& glyph, PointerPosition p, std::vector<int>& changed) const {
  const Outline& s = start_;
  const int previous = previousInContour(s, node_);
  const Vec Q = vec(start(previous, 0));
  Vec c1 = vec(p);
  addChanged(changed, node_);
  if (previous != node_ && isSet(s, previous)) {
    if (isCurve(s, previous)) {
      const Point placed = rounded(c1);
      glyph.setPoint(node_, 1, master_, placed);
      const double L = length(vec(start(previous, 2)) - Q);
      glyph.setPoint(previous, 2, master_, rounded(Q + unit(Q - vec(placed)) * L));
      addChanged(changed, previous);
      return;
    }
    const Vec from = vec(start(previousInContour(s, previous), 0));
    const Vec u = unit(Q - from);
    c1 = Q + u * dot(c1 - Q, u);
  }
  glyph.setPoint(node_, 1, master_, rounded(c1));
}

void EditDrag::dragSecondControl(Glyph& glyph, PointerPosition p, std::vector<int>& changed) const {
  const Outline& s = start_;
  const int next = nextInContour(s, node_);
  const Vec P = vec(start(node_, 0));
  Vec c2 = vec(p);
  addChanged(changed, node_);
  if (next != node_ && isSet(s, node_)) {
    if (isCurve(s, next)) {
      const Point placed = rounded(c2);
      glyph.setPoint(node_, 2, master_, placed);
      const double L = length(vec(start(next, 1)) - P);
      glyph.setPoint(next, 1, master_, rounded(P + unit(P - vec(placed)) * L));
      addChanged(changed, next);
      return;
    }
    const Vec u = unit(vec(start(next, 0)) - P);
    c2 = P + u * dot(c2 - P, u);
  }
  glyph.setPoint(node_, 2, master_, rounded(c2));
}

void EditDrag::prepareReshape() {
  const Outline& s = start_;
  const int previous = previousInContour(s, node_);
  const int next = nextInContour(s, node_);
  const Vec P0 = vec(start(previous, 0)), P3 = vec(start(node_, 0));
  const Vec c1 = vec(start(node_, 1)), c2 = vec(start(node_, 2));
  const Vec a = isCurve(s, previous) ? vec(start(previous, 2))
                                     : vec(start(previousInContour(s, previous), 0));
  Vec u1 = unit(P0 - a);
  if (u1.x == 0 && u1.y == 0) u1 = unit(c1 - P0);
  const bool nextIsCurve = next != node_ && isCurve(s, next);
  const Vec b = nextIsCurve ? vec(start(next, 1)) : vec(start(next, 0));
  Vec u2 = unit(P3 - b);
  if (u2.x == 0 && u2.y == 0) u2 = unit(c2 - P3);
  auto jointOf = [&](int node, bool neighbourIsCurve) {
    const uint16_t connection = nodeConnectionOf(s.header(node));
    if (connection == node_flag::kSharp) return Joint::kFree;
    if (connection == node_flag::kSmooth && neighbourIsCurve) return Joint::kMirrored;
    return Joint::kConfined;
  };
  joint3_ = jointOf(node_, nextIsCurve);
  joint0_ = jointOf(previous, isCurve(s, previous));
  u1x_ = u1.x, u1y_ = u1.y, u2x_ = u2.x, u2y_ = u2.y;
  cross_ = cross(u1, u2);
  Vec c1s = c1, c2s = c2;
  if (joint0_ == Joint::kConfined && joint3_ == Joint::kConfined) {
    c1s = P0 + u1 * dot(c1 - P0, u1);
    c2s = P3 + u2 * dot(c2 - P3, u2);
  }
  c1x_ = c1s.x, c1y_ = c1s.y, c2x_ = c2s.x, c2y_ = c2s.y;
  mirrorLength3_ = nextIsCurve ? length(vec(start(next, 1)) - P3) : 0;
  mirrorLength0_ = isCurve(s, previous) ? length(vec(start(previous, 2)) - P0) : 0;
}

void EditDrag::reshapeCurve(Glyph& glyph, PointerPosition p, std::vector<int>& changed) const {
  const Outline& s = start_;
  const int previous = previousInContour(s, node_);
  const int next = nextInContour(s, node_);
  const Vec P0 = vec(start(previous, 0)), P3 = vec(start(node_, 0));
  const Vec u1{u1x_, u1y_}, u2{u2x_, u2y_};
  const Vec c10{c1x_, c1y_}, c20{c2x_, c2y_};
  const double t = t_;
  const Vec delta = vec(p) - vec(grab_);
  const double D = 3 * t * (1 - t) * (1 - 2 * t * (1 - t));
  const bool confined1 = joint0_ == Joint::kConfined;
  const bool confined2 = joint3_ == Joint::kConfined;
  Vec c1, c2;
  if (!confined1 && !confined2) {
    c1 = c10 + delta * ((1 - t) / D);
    c2 = c20 + delta * (t / D);
  } else if (!confined1) {
    const Vec c2Free = c20 + delta * (t / D);
    c2 = P3 + u2 * dot(c2Free - P3, u2);
    c1 = c10 + delta * (1 / (3 * t * (1 - t) * (1 - t))) - (c2 - c20) * (t / (1 - t));
  } else if (!confined2) {
    const Vec c1Free = c10 + delta * ((1 - t) / D);
    c1 = P0 + u1 * dot(c1Free - P0, u1);
    c2 = c20 + delta * (1 / (3 * t * t * (1 - t))) - (c1 - c10) * ((1 - t) / t);
  } else if (std::abs(cross_) <= 0.08) {
    c1 = c10 + u1 * (dot(u1, delta) * (1 - t) / D);
    c2 = c20 + u2 * (dot(u2, delta) * t / D);
  } else {
    c1 = c10 + u1 * (cross(delta, u2) / (3 * t * (1 - t) * (1 - t) * cross_));
    c2 = c20 - u2 * (cross(delta, u1) / (3 * t * t * (1 - t) * cross_));
  }
  glyph.setPoint(node_, 1, master_, rounded(c1));
  glyph.setPoint(node_, 2, master_, rounded(c2));
  addChanged(changed, node_);
  if (joint3_ == Joint::kMirrored) {
    glyph.setPoint(next, 1, master_, rounded(P3 + unit(P3 - c2) * mirrorLength3_));
    addChanged(changed, next);
  }
  if (joint0_ == Joint::kMirrored) {
    glyph.setPoint(previous, 2, master_, rounded(P0 + unit(P0 - c1) * mirrorLength0_));
    addChanged(changed, previous);
  }
}

void moveEndPoint(Glyph& glyph, int master, int node, Point to) {
  EditDrag drag;
  const Point from = glyph.point(node, 0, master);
  if (!drag.begin(glyph, master, Grab{node, GrabPart::kEndPoint, 1.0},
                  {1.0 * from.x, 1.0 * from.y}))
    return;
  drag.dragTo(glyph, {1.0 * to.x, 1.0 * to.y});
}

}  // namespace sorvella
