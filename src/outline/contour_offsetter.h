// ContourOffsetter: moves every contour of one master to the right of its direction of travel
// by a horizontal and a vertical amount, joining the offset segments at the corners.
#pragma once

#include "glyph/outline.h"

namespace sorvella {

enum class JoinMode : int {
  kRound = 1,
  kGentleMiter = 2,    // miter only where the turn is less than a right angle; else square
  kMiterOrSquare = 3,  // miter up to a little past a right angle; else square
};

class ContourOffsetter {
 public:
  ContourOffsetter(double h = 20.0, double v = 20.0, JoinMode join = JoinMode::kRound)
      : h_(h), v_(v), join_(join) {}

  // The offset contours of master m of `source` as a single-master outline, one contour per
  // source contour that has any extent. With counter-clockwise outer contours, positive
  // amounts move outer contours outward and holes inward.
  Outline offset(const Outline& source, int m = 0) const;

 private:
  double h_;
  double v_;
  JoinMode join_;
};

}  // namespace sorvella
