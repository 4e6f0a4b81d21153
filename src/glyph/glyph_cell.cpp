// Fitting a glyph into a pixel cell and feeding its outline to a ScanlineFill.
#include "glyph/glyph_cell.h"

#include <algorithm>
#include <cmath>

#include "glyph/outline_pen.h"

namespace sorvella {

namespace {

class CellPen : public OutlinePen {
 public:
  CellPen(const CellFit& fit, ScanlineFill& fill) : fit_(fit), fill_(fill) {}

  // Segments before any move start at the origin, as the outline walk assumes.
  void begin() override { fill_.moveTo(x(0), y(0)); }
  void moveTo(Point p) override { fill_.moveTo(x(p.x), y(p.y)); }
  void lineTo(Point p) override { fill_.lineTo(x(p.x), y(p.y)); }
  void quadTo(WidePoint, WidePoint c, WidePoint e, bool) override {
    fill_.quadTo(x(c.x * 0.5), y(c.y * 0.5), x(e.x * 0.5), y(e.y * 0.5));
  }
  void curveTo(Point, Point c1, Point c2, Point e) override {
    fill_.cubicTo(x(c1.x), y(c1.y), x(c2.x), y(c2.y), x(e.x), y(e.y));
  }
  void closePath() override { fill_.closePath(); }

 private:
  double x(double v) const { return fit_.originX + v * fit_.scale; }
  double y(double v) const { return fit_.originY - v * fit_.scale; }

  const CellFit& fit_;
  ScanlineFill& fill_;
};

}  // namespace

CellFit fitGlyphToCell(const Glyph& glyph, int fitAscender, int fitDescender, int width,
                       int height) {
  constexpr double kMaxScale = 7.0;
  CellFit fit;
  // In doubles, so that settings far apart cannot overflow.
  double span = static_cast<double>(fitAscender) - fitDescender;
  fit.scale = span == 0 ? kMaxScale : std::min(height / span, kMaxScale);

  int32_t xMin = std::min<int32_t>(0, glyph.advance(0).x);
  int32_t xMax = std::max<int32_t>(0, glyph.advance(0).x);
  if (!glyph.empty()) {
    Box points;
    glyph.widenControlBox(0, points);
    Box tight = glyph.boundingBox();
    for (const Box& b : {points, tight}) {
      if (b.xMin > b.xMax) continue;  // nothing drawable, so no extent
      xMin = std::min<int32_t>(xMin, b.xMin);
      xMax = std::max<int32_t>(xMax, b.xMax);
    }
  }
  // trunc(n / 2.0) of an integral n is n / 2 in integers, without their overflow.
  double sumX = std::ceil((xMin + xMax) * fit.scale - 0.5);
  double sumY = std::ceil(-(static_cast<double>(fitDescender) + fitAscender) * fit.scale - 0.5);
  fit.originX = std::trunc((width - sumX) / 2);
  fit.originY = std::trunc((height - sumY) / 2);
  return fit;
}

void fillGlyph(const Glyph& glyph, const CellFit& fit, ScanlineFill& fill) {
  CellPen pen(fit, fill);
  glyph.enumerate(pen, 0, 0);
}

}  // namespace sorvella
