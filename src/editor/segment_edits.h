// Edits of one segment from its context menu: a node inserted at a curve parameter, a curve
// turned into a straight line, and a curve whose handles lie on its chord made straight.
#pragma once

#include "glyph/glyph.h"

namespace sorvella {

// Splits the segment ending at `node` at t (0 < t < 1): a curve into its two exact halves, a
// straight segment by a line node. The new node comes before `node`. One-master glyphs only.
bool insertNodeAt(Glyph& glyph, int node, double t);

// The curve ending at `node` becomes a line node to the same end point.
bool convertToLine(Glyph& glyph, int node);

// "Convert": a line node becomes a curve with its handles at a third and two thirds of the
// segment, a curve node a line.
bool convertNode(Glyph& glyph, int node);

// A curve whose control points lie on the straight line between its ends becomes a line;
// false when it does not.
bool normalizeCurve(Glyph& glyph, int node);

}  // namespace sorvella
