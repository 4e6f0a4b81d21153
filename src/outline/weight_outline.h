// Change weight and Create outline: a glyph's contours offset by a horizontal and a vertical
// amount and merged by the overlap engine, optionally scaled back into the glyph's old box.
#pragma once

#include <cstdint>

#include "glyph/glyph.h"
#include "outline/contour_offsetter.h"
#include "outline/overlap_engine.h"
#include "outline/overlap_status.h"

namespace sorvella {

struct WeightParameters {
  int32_t h = 0;  // horizontal weight, font units; negative thins
  int32_t v = 0;
  bool saveDimensions = true;
  bool roundedCorners = false;
};

// Round with "Rounded corners", else miter or square; always miter or square when a weight
// is not positive.
JoinMode joinModeFor(const WeightParameters& parameters);

enum class OffsetOutcome {
  kMerged,          // the overlap engine merged the offset contours
  kRawOffset,       // the engine failed; the unmerged offset contours were used
  kNoNodes,         // nothing to offset: the glyph is unchanged
  kSeveralMasters,  // the glyph has more than one master: unchanged
  kOutOfMemory,     // unchanged
};

struct OffsetResult {
  OffsetOutcome outcome = OffsetOutcome::kNoNodes;
  OverlapStatus engineStatus = OverlapStatus::kOk;  // why the engine failed
  bool changed() const {
    return outcome == OffsetOutcome::kMerged || outcome == OffsetOutcome::kRawOffset;
  }
};

// Every stroke heavier by h on each side horizontally and v vertically (lighter for negative
// amounts). The hint replacement program is emptied; hints, guides and advance stay.
OffsetResult changeWeight(Glyph& glyph, const WeightParameters& parameters,
                          const OverlapLimits& limits = {});

// The glyph's own contours reversed, then the merged outward offset contours: a band of the
// given widths along the former outline.
OffsetResult createOutline(Glyph& glyph, const WeightParameters& parameters,
                           const OverlapLimits& limits = {});

}  // namespace sorvella
