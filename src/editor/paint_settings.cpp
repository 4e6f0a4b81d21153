#include "editor/paint_settings.h"

#include <cmath>
#include <numbers>

namespace sorvella {

namespace {

constexpr double kDegree = std::numbers::pi / 180;

// Slots of the options record's tool fields that keep the Paint Options the file has no keys
// for; each starts at the value that means the default choice.
constexpr std::size_t kPolygonSlot = 5;  // 0 contour, 1 brush trace
constexpr std::size_t kCapSlot = 7;      // index into kPaintCaps
constexpr std::size_t kJoinSlot = 8;     // index into kPaintJoins
constexpr std::size_t kKindSlot = 9;     // 1 round, 2 calligraphic
constexpr int32_t kRoundCode = 1;
constexpr int32_t kCalligraphicCode = 2;

// A value outside 0 .. count - 1 reads as the first choice.
template <typename E, std::size_t N>
E choice(int32_t value, const char* const (&)[N]) {
  return static_cast<E>(value >= 0 && static_cast<std::size_t>(value) < N ? value : 0);
}

}  // namespace

PaintOptions paintOptionsFrom(const Options& options) {
  PaintOptions paint;
  paint.width = options.brushWidth;
  const Options::Direction d = options.brushDirection;
  paint.angle =
      (d.x == 0 && d.y == 0) ? 0 : static_cast<int>(std::lround(std::atan2(d.y, d.x) / kDegree));
  paint.autoTransform = options.paintAutoTransform != 0;
  const auto& modes = options.toolModes;
  paint.polygon = modes[kPolygonSlot] == 1 ? PolygonMode::kBrushTrace : PolygonMode::kContour;
  paint.cap = choice<PaintCap>(modes[kCapSlot], kPaintCaps);
  paint.join = choice<PaintJoin>(modes[kJoinSlot], kPaintJoins);
  paint.kind = modes[kKindSlot] == kCalligraphicCode ? BrushKind::kCalligraphic : BrushKind::kRound;
  return paint;
}

void storePaintOptions(const PaintOptions& paint, Options& options) {
  options.brushWidth = paint.width;
  // Keep the stored direction when the angle did not change, so 3:2 stays exact.
  if (paintOptionsFrom(options).angle != paint.angle)
    options.brushDirection = {std::cos(paint.angle * kDegree), std::sin(paint.angle * kDegree)};
  options.paintAutoTransform = paint.autoTransform ? 1 : 0;
  auto& modes = options.toolModes;
  modes[kPolygonSlot] = paint.polygon == PolygonMode::kBrushTrace ? 1 : 0;
  modes[kCapSlot] = static_cast<int32_t>(paint.cap);
  modes[kJoinSlot] = static_cast<int32_t>(paint.join);
  modes[kKindSlot] = paint.kind == BrushKind::kCalligraphic ? kCalligraphicCode : kRoundCode;
}

}  // namespace sorvella
