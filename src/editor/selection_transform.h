// Transforming the selected nodes of one master: each selected end point together with the
// control points attached to it, by a scale, slant, rotation or move.
#pragma once

#include <functional>

#include "glyph/outline.h"

namespace sorvella {

using PointTransform = std::function<Point(Point)>;

// p -> (c.x + round((p.x - c.x) * fx), c.y + round((p.y - c.y) * fy)).
PointTransform scaleTransform(Point centre, double fx, double fy);
// Degrees clockwise about the base line y = base; a steep angle is limited to a tangent of 9.
PointTransform slantTransform(double angle, int base);
// Degrees about the centre.
PointTransform rotateTransform(double angle, Point centre);
PointTransform moveTransform(int dx, int dy);

// Returns how many points moved (each point is transformed once).
int transformSelection(Outline& outline, int master, const PointTransform& transform);

}  // namespace sorvella
