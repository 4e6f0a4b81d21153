#include "support/outline_geometry.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "glyph/outline_pen.h"

namespace sorvella::test {

namespace {

class FlatteningPen : public OutlinePen {
 public:
  FlatteningPen(std::vector<FlatPiece>& out, int steps, int segment, int contour)
      : out_(out), steps_(steps), segment_(segment), contour_(contour - 1) {}
  void moveTo(Point p) override {
    ++contour_;
    x_ = startX_ = p.x;
    y_ = startY_ = p.y;
  }
  void lineTo(Point p) override {
    add(p.x, p.y);
    ++segment_;
  }
  void curveTo(Point s, Point c1, Point c2, Point e) override {
    for (int k = 1; k <= steps_; ++k) {
      double t = static_cast<double>(k) / steps_, u = 1 - t;
      add(u * u * u * s.x + 3 * u * u * t * c1.x + 3 * u * t * t * c2.x + t * t * t * e.x,
          u * u * u * s.y + 3 * u * u * t * c1.y + 3 * u * t * t * c2.y + t * t * t * e.y);
    }
    ++segment_;
  }
  void quadTo(WidePoint s, WidePoint c, WidePoint e, bool) override {
    for (int k = 1; k <= steps_; ++k) {
      double t = static_cast<double>(k) / steps_, u = 1 - t;
      add((u * u * s.x + 2 * u * t * c.x + t * t * e.x) / 2,
          (u * u * s.y + 2 * u * t * c.y + t * t * e.y) / 2);
    }
    ++segment_;
  }
  void closePath() override {
    if (x_ != startX_ || y_ != startY_)
      lineTo({static_cast<int16_t>(startX_), static_cast<int16_t>(startY_)});
  }

 private:
  void add(double x, double y) {
    if (x != x_ || y != y_) out_.push_back({x_, y_, x, y, segment_, contour_});
    x_ = x;
    y_ = y;
  }
  std::vector<FlatPiece>& out_;
  int steps_;
  int segment_, contour_;
  double x_ = 0, y_ = 0, startX_ = 0, startY_ = 0;
};

struct Span {
  double from, to;
};

// Filled spans of every scanline under the non-zero rule, and the winding numbers met.
std::vector<std::vector<Span>> fill(const std::vector<FlatPiece>& pieces, double y0, double spacing,
                                    int lines, int& minWinding, int& maxWinding) {
  std::vector<std::vector<std::pair<double, int>>> hits(lines);
  for (const FlatPiece& p : pieces) {
    if (p.y0 == p.y1) continue;
    double lo = std::min(p.y0, p.y1), hi = std::max(p.y0, p.y1);
    int first = std::max(0, static_cast<int>(std::ceil((lo - y0) / spacing - 0.5)));
    for (int k = first; k < lines; ++k) {
      double y = y0 + (k + 0.5) * spacing;
      if (y >= hi) break;
      if (y < lo) continue;
      hits[k].push_back({p.x0 + (y - p.y0) * (p.x1 - p.x0) / (p.y1 - p.y0), p.y1 > p.y0 ? -1 : 1});
    }
  }
  std::vector<std::vector<Span>> spans(lines);
  for (int k = 0; k < lines; ++k) {
    std::sort(hits[k].begin(), hits[k].end());
    int winding = 0;
    for (std::size_t i = 0; i < hits[k].size(); ++i) {
      int before = winding;
      winding += hits[k][i].second;
      minWinding = std::min(minWinding, winding);
      maxWinding = std::max(maxWinding, winding);
      if (before == 0 && winding != 0) spans[k].push_back({hits[k][i].first, 0});
      if (before != 0 && winding == 0) spans[k].back().to = hits[k][i].first;
    }
  }
  return spans;
}

double length(const std::vector<Span>& spans) {
  double sum = 0;
  for (const Span& s : spans) sum += s.to - s.from;
  return sum;
}

// Length covered by exactly one of two sorted span lists.
double exclusiveLength(const std::vector<Span>& a, const std::vector<Span>& b) {
  std::vector<std::pair<double, int>> events;
  for (const Span& s : a) events.insert(events.end(), {{s.from, 1}, {s.to, -1}});
  for (const Span& s : b) events.insert(events.end(), {{s.from, 1}, {s.to, -1}});
  std::sort(events.begin(), events.end());
  double sum = 0;
  int depth = 0;
  for (std::size_t i = 0; i < events.size(); ++i) {
    if (depth == 1 && i > 0) sum += events[i].first - events[i - 1].first;
    depth += events[i].second;
  }
  return sum;
}

std::vector<Span> unite(const std::vector<Span>& a, const std::vector<Span>& b) {
  std::vector<Span> all(a);
  all.insert(all.end(), b.begin(), b.end());
  std::sort(all.begin(), all.end(), [](Span x, Span y) { return x.from < y.from; });
  std::vector<Span> merged;
  for (const Span& s : all) {
    if (!merged.empty() && s.from <= merged.back().to)
      merged.back().to = std::max(merged.back().to, s.to);
    else
      merged.push_back(s);
  }
  return merged;
}

double cross(double ax, double ay, double bx, double by) {
  return ax * by - ay * bx;
}

int side(const FlatPiece& p, double x, double y) {
  double c = cross(p.x1 - p.x0, p.y1 - p.y0, x - p.x0, y - p.y0);
  return (c > 0) - (c < 0);
}

// From a point to the nearest point of a piece.
double distance(const FlatPiece& p, double x, double y) {
  double dx = p.x1 - p.x0, dy = p.y1 - p.y0;
  double t = std::clamp(((x - p.x0) * dx + (y - p.y0) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
  return std::hypot(p.x0 + t * dx - x, p.y0 + t * dy - y);
}

}  // namespace

std::vector<FlatPiece> flattenOutline(const Outline& outline, int curveSteps, int firstSegment,
                                      int firstContour) {
  std::vector<FlatPiece> pieces;
  FlatteningPen pen(pieces, curveSteps, firstSegment, firstContour);
  outline.enumerate(pen);
  return pieces;
}

FillComparison compareFills(const std::vector<const std::vector<FlatPiece>*>& a,
                            const std::vector<FlatPiece>& b, double spacing) {
  double yMin = 0, yMax = 0;
  std::vector<const std::vector<FlatPiece>*> all(a);
  all.push_back(&b);
  for (const auto* set : all)
    for (const FlatPiece& p : *set) {
      yMin = std::min({yMin, p.y0, p.y1});
      yMax = std::max({yMax, p.y0, p.y1});
    }
  int lines = static_cast<int>((yMax - yMin) / spacing) + 1;
  FillComparison result;
  int ignoredMin = 0, ignoredMax = 0;
  std::vector<std::vector<Span>> spansA(lines);
  for (const auto* set : a) {
    auto spans = fill(*set, yMin, spacing, lines, ignoredMin, ignoredMax);
    for (int k = 0; k < lines; ++k) spansA[k] = unite(spansA[k], spans[k]);
  }
  auto spansB = fill(b, yMin, spacing, lines, result.minWindingB, result.maxWindingB);
  for (int k = 0; k < lines; ++k) {
    result.areaA += length(spansA[k]) * spacing;
    result.areaB += length(spansB[k]) * spacing;
    result.difference += exclusiveLength(spansA[k], spansB[k]) * spacing;
  }
  return result;
}

Contacts findContacts(const std::vector<FlatPiece>& pieces, double clearance) {
  // Segments that follow one another in a contour meet at their shared end on purpose.
  std::map<int, std::pair<int, int>> contourSegments;  // contour -> first, last segment
  for (const FlatPiece& p : pieces) {
    auto [it, added] = contourSegments.try_emplace(p.contour, p.segment, p.segment);
    it->second.second = std::max(it->second.second, p.segment);
  }
  auto neighbours = [&](const FlatPiece& p, const FlatPiece& q) {
    if (p.contour != q.contour) return false;
    auto [first, last] = contourSegments[p.contour];
    int d = std::abs(p.segment - q.segment);
    return d == 1 || (d == last - first && d > 0);
  };
  std::vector<std::size_t> order(pieces.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
  auto xMin = [&](std::size_t i) { return std::min(pieces[i].x0, pieces[i].x1) - clearance; };
  std::sort(order.begin(), order.end(),
            [&](std::size_t i, std::size_t j) { return xMin(i) < xMin(j); });
  Contacts contacts;
  std::vector<std::size_t> active;
  for (std::size_t i : order) {
    const FlatPiece& p = pieces[i];
    std::erase_if(active,
                  [&](std::size_t j) { return std::max(pieces[j].x0, pieces[j].x1) < xMin(i); });
    for (std::size_t j : active) {
      const FlatPiece& q = pieces[j];
      if (q.segment == p.segment || std::max(p.y0, p.y1) + clearance < std::min(q.y0, q.y1) ||
          std::max(q.y0, q.y1) + clearance < std::min(p.y0, p.y1))
        continue;
      int s1 = side(p, q.x0, q.y0), s2 = side(p, q.x1, q.y1);
      int s3 = side(q, p.x0, p.y0), s4 = side(q, p.x1, p.y1);
      if (s1 * s2 < 0 && s3 * s4 < 0) {
        ++contacts.crossings;
      } else if (!neighbours(p, q) &&
                 ((s1 * s2 <= 0 && s3 * s4 <= 0) ||
                  std::min({distance(p, q.x0, q.y0), distance(p, q.x1, q.y1),
                            distance(q, p.x0, p.y0), distance(q, p.x1, p.y1)}) < clearance)) {
        ++contacts.touches;
      }
    }
    active.push_back(i);
  }
  return contacts;
}

std::vector<double> contourAreas(const std::vector<FlatPiece>& pieces) {
  std::vector<double> areas;
  for (const FlatPiece& p : pieces) {
    if (p.contour >= static_cast<int>(areas.size())) areas.resize(p.contour + 1, 0.0);
    areas[p.contour] += cross(p.x0, p.y0, p.x1, p.y1);
  }
  return areas;
}

std::vector<int> contourDepths(const std::vector<FlatPiece>& pieces) {
  std::vector<const FlatPiece*> longest;
  for (const FlatPiece& p : pieces) {
    if (p.contour >= static_cast<int>(longest.size())) longest.resize(p.contour + 1, nullptr);
    const FlatPiece*& l = longest[p.contour];
    if (!l || std::hypot(p.x1 - p.x0, p.y1 - p.y0) > std::hypot(l->x1 - l->x0, l->y1 - l->y0))
      l = &p;
  }
  std::vector<int> depths(longest.size(), 0);
  std::vector<bool> inside(longest.size());
  for (std::size_t c = 0; c < longest.size(); ++c) {
    if (!longest[c]) continue;
    const double x = (longest[c]->x0 + longest[c]->x1) / 2,
                 y = (longest[c]->y0 + longest[c]->y1) / 2;
    std::fill(inside.begin(), inside.end(), false);
    for (const FlatPiece& p : pieces) {
      if (p.contour == static_cast<int>(c) || (p.y0 > y) == (p.y1 > y)) continue;
      if (x < p.x0 + (y - p.y0) * (p.x1 - p.x0) / (p.y1 - p.y0))
        inside[p.contour] = !inside[p.contour];
    }
    depths[c] = static_cast<int>(std::count(inside.begin(), inside.end(), true));
  }
  return depths;
}

}  // namespace sorvella::test
