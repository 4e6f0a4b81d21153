// Snap to guides: every end point goes to the nearest grid point, margin, hint edge and guide
// within a tolerance of 3 screen pixels, moved with the end-point drag rules.
#pragma once

#include "glyph/glyph.h"

namespace sorvella {

struct SnapSettings {
  int master = 0;
  double viewScale = 1.0;  // pixels per font unit
  bool toGrid = false;     // snapping to the grid is on and the grid is shown
  int gridX = 50;
  int gridY = 50;
  bool toMargins = false;  // x to the origin and the advance width (the side bearings' lines)
  bool toHints = false;   // the hints layer is shown
  bool toGuides = false;  // the guidelines layer is shown
};

// 3 pixels in font units, truncated, within 1 ... 100.
int snapTolerance(double viewScale);

// Returns the number of nodes moved.
int snapNodes(Glyph& glyph, const SnapSettings& settings);

}  // namespace sorvella
