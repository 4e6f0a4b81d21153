// The DerevoZorov objects other than brush strokes: rectangles, ellipses, polygons and pen
// contours as closed outlines, and the Paint Options that shape the brush and the polygon.
#pragma once

#include <span>
#include <vector>

#include "glyph/outline.h"

namespace sorvella {

enum class PaintShape { kRectangle, kEllipse, kBrush, kLine, kPolygon, kPen };

// How a finished polygon meets the glyph: as a filled contour or traced with the brush.
enum class PolygonMode { kContour, kBrushTrace };

// Pen points closer than this to the last kept one add nothing but nodes.
inline constexpr int kPenMinimumStep = 4;

// The order of kPaintCaps and kPaintJoins.
enum class PaintCap { kRound, kSquare, kFlat };
enum class PaintJoin { kRound, kBevel, kMiter };
// A round nib paints a disc of the brush's width; a calligraphic one a flat nib at the angle.
enum class BrushKind { kRound, kCalligraphic };

struct PaintOptions {
  int width = 40;
  int angle = 0;  // degrees, calligraphic brush
  BrushKind kind = BrushKind::kRound;
  PaintCap cap = PaintCap::kRound;
  PaintJoin join = PaintJoin::kRound;
  PolygonMode polygon = PolygonMode::kContour;
  bool autoTransform = false;

  bool operator==(const PaintOptions&) const = default;
};

namespace paint_options_text {
inline constexpr const char* kTitle = "Paint Options";
inline constexpr const char* kWidth = "Width:";
inline constexpr const char* kAngle = "Angle:";
inline constexpr const char* kCap = "Cap:";
inline constexpr const char* kJoin = "Join:";
inline constexpr const char* kPolygonTool = "Polygon tool";
inline constexpr const char* kContourPolygon = "Normal (contour) polygon";
inline constexpr const char* kBrushTrace = "Brush trace";
inline constexpr const char* kAutoTransform = "Automatically activate Transform operation";
}  // namespace paint_options_text

inline constexpr const char* kPaintCaps[] = {"Round", "Square", "Flat"};
inline constexpr const char* kPaintJoins[] = {"Round", "Bevel", "Miter"};

// The rectangle or ellipse spanned by two corners, drawn clockwise; empty when the box has
// no width or height.
Outline rectangleOutline(Point a, Point b);
Outline ellipseOutline(Point a, Point b);

// One closed contour of lines through the points, clockwise, repeated points dropped; empty
// unless at least three distinct points span an area.
Outline polygonOutline(std::span<const Point> points);

// A freehand closed contour: the path thinned to steps of kPenMinimumStep, then as a polygon.
Outline penOutline(std::span<const Point> path);

// A polygon traced with the brush: its sides, the closing one included, as one brush stroke.
Outline polygonTrace(std::span<const Point> points, const PaintOptions& brush);

// Selects, alone, the nodes whose end points lie on the straight sides of `object` (within
// one unit), so that what a polygon added can be transformed next; returns their number.
int selectNodesOn(Outline& outline, const Outline& object);

}  // namespace sorvella
