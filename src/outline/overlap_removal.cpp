#include "outline/overlap_removal.h"

#include <new>

#include "outline/contour_connections.h"

namespace sorvella {

OverlapStatus removeOverlap(Glyph& glyph, int master, uint16_t mode, const OverlapLimits& limits) {
  if (glyph.hints()) glyph.hints()->replacement.clear();
  if (glyph.masterCount() != 1 || master != 0) return OverlapStatus::kSeveralMasters;
  Outline result(1);
  try {
    OverlapEngine engine(limits);
    glyph.enumerate(engine, master);
    if (OverlapStatus status = engine.run(mode); status != OverlapStatus::kOk) return status;
    OutlineBuilder builder(result);
    engine.writeResult(builder);
  } catch (const std::bad_alloc&) {
    return OverlapStatus::kOutOfMemory;
  }
  if (result.status() == kOutlineOutOfMemory) return OverlapStatus::kOutOfMemory;
  recomputeConnections(result, 0);
  if (result.empty()) {
    glyph.clearNodes();
  } else if (!glyph.replaceNodes(0, glyph.nodeCount(), result)) {
    return OverlapStatus::kOutOfMemory;
  }
  return OverlapStatus::kOk;
}

}  // namespace sorvella
