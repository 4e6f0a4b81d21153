#include "editor/paint_settings.h"

#include <cmath>
#include <numbers>

namespace sorvella {

namespace {
constexpr double kDegree = std::numbers::pi / 180;
}  // namespace

PaintOptions paintOptionsFrom(const Options& options) {
  PaintOptions paint;
  paint.width = options.brushWidth;
  const Options::Direction d = options.brushDirection;
  paint.angle =
      (d.x == 0 && d.y == 0) ? 0 : static_cast<int>(std::lround(std::atan2(d.y, d.x) / kDegree));
  paint.autoTransform = options.paintAutoTransform != 0;
  return paint;
}

void storePaintOptions(const PaintOptions& paint, Options& options) {
  options.brushWidth = paint.width;
  // Keep the stored direction when the angle did not change, so 3:2 stays exact.
  if (paintOptionsFrom(options).angle != paint.angle)
    options.brushDirection = {std::cos(paint.angle * kDegree), std::sin(paint.angle * kDegree)};
  options.paintAutoTransform = paint.autoTransform ? 1 : 0;
}

}  // namespace sorvella
