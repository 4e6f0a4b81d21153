#include "editor/transform_frame.h"

#include <cmath>
#include <numbers>

#include "base/rounding.h"
#include "editor/outline_walk.h"

namespace sorvella {

namespace {

constexpr double kDegreesPerRadian = 180 / std::numbers::pi;
constexpr FrameHandle kHandles[] = {
    FrameHandle::kBottomLeft, FrameHandle::kBottomRight, FrameHandle::kTopRight,
    FrameHandle::kTopLeft,    FrameHandle::kBottom,      FrameHandle::kRight,
    FrameHandle::kTop,        FrameHandle::kLeft,
};

FrameHandle opposite(FrameHandle h) {
  switch (h) {
    case FrameHandle::kBottomLeft:
      return FrameHandle::kTopRight;
    case FrameHandle::kBottomRight:
      return FrameHandle::kTopLeft;
    case FrameHandle::kTopRight:
      return FrameHandle::kBottomLeft;
    case FrameHandle::kTopLeft:
      return FrameHandle::kBottomRight;
    case FrameHandle::kBottom:
      return FrameHandle::kTop;
    case FrameHandle::kRight:
      return FrameHandle::kLeft;
    case FrameHandle::kTop:
      return FrameHandle::kBottom;
    case FrameHandle::kLeft:
      return FrameHandle::kRight;
    case FrameHandle::kInside:
      break;
  }
  return FrameHandle::kInside;
}

bool isCorner(FrameHandle h) {
  return h <= FrameHandle::kTopLeft;
}

// The factor that takes the grabbed distance from the fixed line to the pointer's; 1 when
// the grab was on the fixed line itself.
double factor(double fixed, double from, double to) {
  const double span = from - fixed;
  return span == 0 ? 1.0 : (to - fixed) / span;
}

}  // namespace

std::optional<TransformFrame> TransformFrame::around(const Outline& outline, int master) {
  if (master < 0 || master >= outline.masterCount()) return std::nullopt;
  TransformFrame frame;
  for (int i = 0; i < outline.nodeCount(); ++i) {
    if (!outline.isSelected(i)) continue;
    frame.box_.include(outline.point(i, 0, master));
    if (outline.type(i) == node_type::kCurve) frame.box_.include(outline.point(i, 2, master));
    const int next = nextInContour(outline, i);
    if (next != i && outline.type(next) == node_type::kCurve)
      frame.box_.include(outline.point(next, 1, master));
  }
  if (frame.box_.empty()) return std::nullopt;
  return frame;
}

Point TransformFrame::handlePosition(FrameHandle handle) const {
  const int16_t midX = static_cast<int16_t>((box_.xMin + box_.xMax) / 2);
  const int16_t midY = static_cast<int16_t>((box_.yMin + box_.yMax) / 2);
  switch (handle) {
    case FrameHandle::kBottomLeft:
      return {box_.xMin, box_.yMin};
    case FrameHandle::kBottomRight:
      return {box_.xMax, box_.yMin};
    case FrameHandle::kTopRight:
      return {box_.xMax, box_.yMax};
    case FrameHandle::kTopLeft:
      return {box_.xMin, box_.yMax};
    case FrameHandle::kBottom:
      return {midX, box_.yMin};
    case FrameHandle::kRight:
      return {box_.xMax, midY};
    case FrameHandle::kTop:
      return {midX, box_.yMax};
    case FrameHandle::kLeft:
      return {box_.xMin, midY};
    case FrameHandle::kInside:
      break;
  }
  return {midX, midY};
}

bool TransformFrame::offered(FrameHandle handle, FrameMode mode) {
  return mode == FrameMode::kScale ||
         (handle != FrameHandle::kLeft && handle != FrameHandle::kRight);
}

std::optional<FrameHandle> TransformFrame::hit(PointerPosition pointer, double tolerance,
                                               FrameMode mode) const {
  for (FrameHandle h : kHandles) {
    if (!offered(h, mode)) continue;
    const Point at = handlePosition(h);
    if (std::abs(pointer.x - at.x) <= tolerance && std::abs(pointer.y - at.y) <= tolerance)
      return h;
  }
  if (pointer.x >= box_.xMin && pointer.x <= box_.xMax && pointer.y >= box_.yMin &&
      pointer.y <= box_.yMax)
    return FrameHandle::kInside;
  return std::nullopt;
}

PointTransform TransformFrame::transformFor(FrameHandle handle, FrameMode mode,
                                            PointerPosition from, PointerPosition to) const {
  if (handle == FrameHandle::kInside)
    return moveTransform(roundToInt32(to.x - from.x), roundToInt32(to.y - from.y));
  const Point fixed = handlePosition(opposite(handle));
  if (mode == FrameMode::kScale) {
    const bool alongX = handle != FrameHandle::kTop && handle != FrameHandle::kBottom;
    const bool alongY = handle != FrameHandle::kLeft && handle != FrameHandle::kRight;
    return scaleTransform(fixed, alongX ? factor(fixed.x, from.x, to.x) : 1.0,
                          alongY ? factor(fixed.y, from.y, to.y) : 1.0);
  }
  if (isCorner(handle)) {
    const Point centre = handlePosition(FrameHandle::kInside);
    const double angle = std::atan2(to.y - centre.y, to.x - centre.x) -
                         std::atan2(from.y - centre.y, from.x - centre.x);
    return rotateTransform(angle * kDegreesPerRadian, centre);
  }
  // A side slants: its horizontal shift over its height from the opposite side.
  const double height = from.y - fixed.y;
  if (height == 0) return moveTransform(0, 0);
  return slantTransform(std::atan((to.x - from.x) / height) * kDegreesPerRadian, fixed.y);
}

}  // namespace sorvella
