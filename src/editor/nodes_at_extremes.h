// Nodes at extremes: every cubic curve is split where its x or y derivative is zero, so that
// the outline has a node at each horizontal and vertical extreme.
#pragma once

#include "glyph/glyph.h"

namespace sorvella {

// Works on master 0 of a one-master glyph (false for others) and recomputes the connections.
// Returns whether the node count changed.
bool addNodesAtExtremes(Glyph& glyph);

}  // namespace sorvella
