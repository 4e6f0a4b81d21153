// The glyph window's mapping between font units and pixels: a zoom percentage over the
// FitDescender..FitAscender range, or 0 for fitting the glyph box with a 15-pixel margin.
#pragma once

#include "glyph/glyph.h"

namespace sorvella {

inline constexpr double kMaxViewScale = 7.0;
inline constexpr int kFitMargin = 15;
inline constexpr int kFitZoom = 0;
inline constexpr int kMaxZoom = 3200;

struct ScreenPoint {
  double x = 0;
  double y = 0;
};

// The glyph's box of one master (every point) widened by the origin and the advance point.
Box glyphViewBox(const Glyph& glyph, int master);

class ViewMapping {
 public:
  // zoom 0 fits `box`; fitAscender/fitDescender are the options' values.
  static ViewMapping make(int zoom, const Box& box, int windowWidth, int windowHeight,
                          int fitAscender, int fitDescender);

  double scale() const { return scale_; }
  ScreenPoint toScreen(double x, double y) const;
  double fontX(double screenX) const { return (screenX - originX_) / scale_; }
  double fontY(double screenY) const { return (originY_ - screenY) / scale_; }

 private:
  double scale_ = 1.0;
  double originX_ = 0;  // pixel position of font (0, 0)
  double originY_ = 0;
};

// Zoom in: fit becomes 200 %, anything else doubles, up to kMaxZoom.
int zoomedIn(int zoom);

}  // namespace sorvella
