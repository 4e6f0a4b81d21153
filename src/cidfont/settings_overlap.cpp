#include "cidfont/settings_overlap.h"

#include "outline/overlap_removal.h"

namespace sorvella {

OverlapModeControls overlapModeControls(uint16_t overlapMode) {
  return {(overlapMode & overlap_mode::kCorrectOrientation) != 0,
          (overlapMode & overlap_mode::kAtmFill) != 0};
}

uint16_t overlapModeFromControls(const OverlapModeControls& controls) {
  return static_cast<uint16_t>(
      (controls.correctOrientation ? overlap_mode::kCorrectOrientation : 0) |
      (controls.atmFillMode ? overlap_mode::kAtmFill : 0));
}

OverlapStatus removeOverlap(Glyph& glyph, int master, const Options& options) {
  return removeOverlap(glyph, master, options.overlapMode);
}

}  // namespace sorvella
