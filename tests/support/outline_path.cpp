#include "support/outline_path.h"

#include <algorithm>
#include <sstream>
#include <vector>

namespace sorvella::test {

std::string rectanglePath(int x0, int y0, int x1, int y1, bool counterClockwise) {
  std::ostringstream s;
  s << "M " << x0 << ' ' << y0;
  if (counterClockwise)
    s << " L " << x1 << ' ' << y0 << " L " << x1 << ' ' << y1 << " L " << x0 << ' ' << y1;
  else
    s << " L " << x0 << ' ' << y1 << " L " << x1 << ' ' << y1 << " L " << x1 << ' ' << y0;
  return s.str() + " ";
}

std::string contourSummary(const Outline& o) {
  std::vector<std::string> all;
  for (int s = 0; s < o.nodeCount(); s = o.contourEnd(s) + 1) {
    std::vector<Point> points;
    for (int i = s; i <= o.contourEnd(s); ++i) points.push_back(o.point(i));
    int64_t area = 0;
    for (std::size_t i = 0; i < points.size(); ++i) {
      const Point a = points[i], b = points[(i + 1) % points.size()];
      area += int64_t{a.x} * b.y - int64_t{a.y} * b.x;
    }
    std::rotate(
        points.begin(),
        std::min_element(points.begin(), points.end(),
                         [](Point a, Point b) { return a.x != b.x ? a.x < b.x : a.y < b.y; }),
        points.end());
    std::string text = area > 0 ? "+" : "-";
    for (Point p : points) text += "(" + std::to_string(p.x) + "," + std::to_string(p.y) + ")";
    all.push_back(text);
  }
  std::sort(all.begin(), all.end());
  std::string joined;
  for (const std::string& c : all) joined += c + " ";
  return joined;
}

}  // namespace sorvella::test
