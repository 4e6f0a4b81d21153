// The Transform tool's frame around the selection: its handles, what a press on them grabs,
// and the scale, rotation, slant or move that a drag from there to the pointer makes.
#pragma once

#include <optional>

#include "editor/edit_geometry.h"
#include "editor/selection_transform.h"
#include "glyph/outline.h"

namespace sorvella {

// Handles by position: corners, then the middles of the sides, then the inside (a move).
enum class FrameHandle {
  kBottomLeft,
  kBottomRight,
  kTopRight,
  kTopLeft,
  kBottom,
  kRight,
  kTop,
  kLeft,
  kInside,
};

// Scale: corners scale both axes about the opposite corner, sides one axis about the
// opposite side. Rotate: corners rotate about the centre, top and bottom slant about the
// opposite side. The inside moves in both modes.
enum class FrameMode { kScale, kRotate };

class TransformFrame {
 public:
  // The box of the selected end points and their attached control points; none when nothing
  // is selected.
  static std::optional<TransformFrame> around(const Outline& outline, int master);

  const Box& box() const { return box_; }
  Point handlePosition(FrameHandle handle) const;
  // Whether the handle does anything in the mode (the left and right sides do not rotate).
  static bool offered(FrameHandle handle, FrameMode mode);

  // The handle within `tolerance` font units of the pointer (corners first, then sides), else
  // the inside, else none.
  std::optional<FrameHandle> hit(PointerPosition pointer, double tolerance, FrameMode mode) const;

  // The transformation for a drag of `handle` from `from` to `to`.
  PointTransform transformFor(FrameHandle handle, FrameMode mode, PointerPosition from,
                              PointerPosition to) const;

 private:
  Box box_;
};

}  // namespace sorvella
