#include "glyph/outline.h"
#include "glyph/outline_pen.h"

namespace sorvella {

namespace {

// Halves a doubled coordinate; builder input is always even where it came from an outline.
Point halved(WidePoint p) { return {static_cast<int16_t>(p.x / 2), static_cast<int16_t>(p.y / 2)}; }

}  // namespace

OutlineBuilder::OutlineBuilder(Outline& target) : target_(target) {
  target_.reserveMore(kReserveBytes);
}

void OutlineBuilder::moveTo(Point p) { target_.appendNode(Node::move(p)); }

void OutlineBuilder::lineTo(Point p) { target_.appendNode(Node::line(p)); }

void OutlineBuilder::curveTo(Point, Point control1, Point control2, Point end) {
  target_.appendNode(Node::curve(end, control1, control2));
}

void OutlineBuilder::quadTo(WidePoint, WidePoint control, WidePoint end, bool endOnCurve) {
  target_.appendNode(Node::offCurve(halved(control)));
  if (endOnCurve) target_.appendNode(Node::line(halved(end)));
}

void OutlineBuilder::end() { target_.shrinkToFit(); }

}  // namespace sorvella
