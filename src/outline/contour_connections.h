// Recompute connections: marks smooth every on-curve node where a curve meets a line or
// another curve without a visible corner; every other node becomes sharp.
#pragma once

#include "glyph/outline.h"

namespace sorvella {

// Clears the connection bits of every node, then judges the joins of master m.
void recomputeConnections(Outline& outline, int master = 0);

}  // namespace sorvella
