// Source segments evaluated in font units: points, tangents, the distance of a point from the
// segment near a parameter, and the parameter of the segment's point nearest to a point.
#pragma once

#include <algorithm>
#include <cmath>

#include "outline/overlap_work.h"

namespace sorvella {

struct CurvePoint {
  double x = 0, y = 0;
};

inline CurvePoint sourcePoint(const SourceSegment& s, int i) {
  return {static_cast<double>(s.p[i].x) / kSourceScale,
          static_cast<double>(s.p[i].y) / kSourceScale};
}

inline CurvePoint pointAt(const SourceSegment& s, double t) {
  const CurvePoint p0 = sourcePoint(s, 0), p3 = sourcePoint(s, 3);
  if (!s.curve) return {p0.x + (p3.x - p0.x) * t, p0.y + (p3.y - p0.y) * t};
  const CurvePoint p1 = sourcePoint(s, 1), p2 = sourcePoint(s, 2);
  const double u = 1 - t, a = u * u * u, b = 3 * u * u * t, c = 3 * u * t * t, d = t * t * t;
  return {a * p0.x + b * p1.x + c * p2.x + d * p3.x, a * p0.y + b * p1.y + c * p2.y + d * p3.y};
}

inline CurvePoint tangentAt(const SourceSegment& s, double t) {
  const CurvePoint p0 = sourcePoint(s, 0), p3 = sourcePoint(s, 3);
  if (!s.curve) return {p3.x - p0.x, p3.y - p0.y};
  const CurvePoint p1 = sourcePoint(s, 1), p2 = sourcePoint(s, 2);
  const double u = 1 - t, a = 3 * u * u, b = 6 * u * t, c = 3 * t * t;
  return {a * (p1.x - p0.x) + b * (p2.x - p1.x) + c * (p3.x - p2.x),
          a * (p1.y - p0.y) + b * (p2.y - p1.y) + c * (p3.y - p2.y)};
}

// The segment near t as its tangent line: a point on it and the unit normal.
struct LocalLine {
  CurvePoint at;
  CurvePoint normal;
  double distance(double x, double y) const {
    return std::abs((x - at.x) * normal.x + (y - at.y) * normal.y);
  }
};

inline LocalLine localLine(const SourceSegment& s, double t) {
  CurvePoint p = pointAt(s, t), d = tangentAt(s, t);
  double length = std::hypot(d.x, d.y);
  if (length == 0) return {p, {0, 0}};
  return {p, {-d.y / length, d.x / length}};
}

// Newton steps from t towards the parameter of the point nearest to (x, y), kept in [lo, hi].
inline double nearestParameter(const SourceSegment& s, double x, double y, double t, double lo,
                               double hi) {
  for (int i = 0; i < 4; ++i) {
    CurvePoint p = pointAt(s, t), d = tangentAt(s, t);
    double speed = d.x * d.x + d.y * d.y;
    if (speed == 0) break;
    t = std::clamp(t - ((p.x - x) * d.x + (p.y - y) * d.y) / speed, lo, hi);
  }
  return t;
}

}  // namespace sorvella
