#include "editor/view_mapping.h"

#include <algorithm>

namespace sorvella {

Box glyphViewBox(const Glyph& glyph, int master) {
  Box box;
  if (master >= 0 && master < glyph.masterCount()) glyph.widenControlBox(master, box);
  box.include(Point{0, 0});
  const Point advance = glyph.advance(master);
  box.include(Point{advance.x, 0});
  return box;
}

ViewMapping ViewMapping::make(int zoom, const Box& box, int windowWidth, int windowHeight,
                              int fitAscender, int fitDescender) {
  ViewMapping v;
  const double width = std::max(windowWidth, 1);
  const double height = std::max(windowHeight, 1);
  const double boxWidth = static_cast<double>(box.xMax) - box.xMin;
  const double boxHeight = static_cast<double>(box.yMax) - box.yMin;
  if (zoom > 0) {
    const int range = fitAscender - fitDescender;
    const double fit = range > 0 ? std::min(height / range, kMaxViewScale) : kMaxViewScale;
    v.scale_ = fit * zoom / 100.0;
    // The fit range fills the height; the glyph box stays centred across.
    v.originY_ = fitAscender * v.scale_ + (range > 0 ? 0.0 : height / 2);
    v.originX_ = width / 2 - (box.xMin + boxWidth / 2) * v.scale_;
    return v;
  }
  const double innerWidth = std::max(width - 2 * kFitMargin, 1.0);
  const double innerHeight = std::max(height - 2 * kFitMargin, 1.0);
  const double sx = boxWidth > 0 ? std::min(innerWidth / boxWidth, kMaxViewScale) : kMaxViewScale;
  const double sy =
      boxHeight > 0 ? std::min(innerHeight / boxHeight, kMaxViewScale) : kMaxViewScale;
  v.scale_ = std::min(sx, sy);
  v.originX_ = width / 2 - (box.xMin + boxWidth / 2) * v.scale_;
  v.originY_ = height / 2 + (box.yMin + boxHeight / 2) * v.scale_;
  return v;
}

ScreenPoint ViewMapping::toScreen(double x, double y) const {
  return {originX_ + x * scale_, originY_ - y * scale_};
}

int zoomedIn(int zoom) {
  return zoom <= 0 ? 200 : std::min(zoom * 2, kMaxZoom);
}

}  // namespace sorvella
