// Remove overlap on one master of a glyph: the outline is replaced by the engine's result only
// when the run succeeds; the hint replacement program is emptied first in any case.
#pragma once

#include "glyph/glyph.h"
#include "outline/overlap_engine.h"
#include "outline/overlap_status.h"

namespace sorvella {

// `mode` holds overlap_mode bits. Glyphs of several masters are refused (kSeveralMasters),
// since the result has the nodes of one master only.
OverlapStatus removeOverlap(Glyph& glyph, int master, uint16_t mode,
                            const OverlapLimits& limits = {});

}  // namespace sorvella
