#include "editor/snapping.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "base/rounding.h"
#include "editor/edit_geometry.h"

namespace sorvella {

namespace {

int gridValue(int v, int spacing) {
  if (spacing <= 0) return v;
  return static_cast<int>(roundHalfDown(static_cast<double>(v) / spacing) * spacing);
}

// The nearest candidate within the tolerance; ties go to the later one.
void nearest(int v, int candidate, int tolerance, int& best, int& bestDistance) {
  const int distance = std::abs(candidate - v);
  if (distance <= tolerance && distance <= bestDistance) {
    best = candidate;
    bestDistance = distance;
  }
}

int snapToHints(int v, const std::vector<Hint>& hints, int master, int tolerance) {
  int best = v, bestDistance = tolerance + 1;
  for (const Hint& h : hints) {
    if (master >= static_cast<int>(h.masters.size())) continue;
    const Stem& s = h.masters[static_cast<std::size_t>(master)];
    nearest(v, s.position, tolerance, best, bestDistance);
    nearest(v, s.position + s.width, tolerance, best, bestDistance);
  }
  return best;
}

int snapToGuides(int v, int across, const std::vector<Guide>& guides, int master, int tolerance) {
  int best = v, bestDistance = tolerance + 1;
  for (const Guide& g : guides) {
    if (master >= static_cast<int>(g.masters.size())) continue;
    nearest(v, guideCoordinate(g, master, across), tolerance, best, bestDistance);
  }
  return best;
}

}  // namespace

int snapTolerance(double viewScale) {
  if (!(viewScale > 0)) return 100;
  const double units = std::trunc(3.0 / viewScale);
  return static_cast<int>(std::clamp(units, 1.0, 100.0));
}

int snapNodes(Glyph& glyph, const SnapSettings& settings) {
  const int m = settings.master;
  if (m < 0 || m >= glyph.masterCount()) return 0;
  const int tolerance = snapTolerance(settings.viewScale);
  int moved = 0;
  for (int i = 0; i < glyph.nodeCount(); ++i) {
    const Point p = glyph.point(i, 0, m);
    int x = p.x, y = p.y;
    if (settings.toGrid) {
      const int gx = gridValue(x, settings.gridX), gy = gridValue(y, settings.gridY);
      if (std::abs(gx - x) <= tolerance) x = gx;
      if (std::abs(gy - y) <= tolerance) y = gy;
    }
    if (settings.toMargins) {
      int best = x, bestDistance = tolerance + 1;
      nearest(x, 0, tolerance, best, bestDistance);
      nearest(x, glyph.advance(m).x, tolerance, best, bestDistance);
      x = best;
    }
    if (settings.toHints && glyph.hints()) {
      y = snapToHints(y, glyph.hints()->horizontal, m, tolerance);
      x = snapToHints(x, glyph.hints()->vertical, m, tolerance);
    }
    if (settings.toGuides && glyph.guides()) {
      const int nx = snapToGuides(x, y, glyph.guides()->vertical, m, tolerance);
      y = snapToGuides(y, x, glyph.guides()->horizontal, m, tolerance);
      x = nx;
    }
    const Point to{clampToInt16(x), clampToInt16(y)};
    if (to == p) continue;
    moveEndPoint(glyph, m, i, to);
    ++moved;
  }
  return moved;
}

}  // namespace sorvella
