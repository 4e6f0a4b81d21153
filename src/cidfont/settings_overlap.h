// The OverlapMode option: its two controls on the glyph edit options page, and remove overlap
// run with the mode the option holds.
#pragma once

#include <cstdint>

#include "cidfont/settings.h"
#include "glyph/glyph.h"
#include "outline/overlap_status.h"

namespace sorvella {

namespace overlap_option_text {
inline constexpr const char* kGroup = "Remove Overlap";
inline constexpr const char* kCorrectOrientation = "Correct contours' orientation";
inline constexpr const char* kAtmFillMode = "ATM fill mode";
inline constexpr const char* kPostScriptFillMode = "PostScript fill mode";
}  // namespace overlap_option_text

struct OverlapModeControls {
  bool correctOrientation = false;  // the check box
  bool atmFillMode = false;         // the first radio button; else the second
  friend bool operator==(const OverlapModeControls&, const OverlapModeControls&) = default;
};

OverlapModeControls overlapModeControls(uint16_t overlapMode);
// The option rebuilt from its two controls alone; other bits it held are dropped.
uint16_t overlapModeFromControls(const OverlapModeControls& controls);

// Remove overlap on one master with the options' OverlapMode.
OverlapStatus removeOverlap(Glyph& glyph, int master, const Options& options);

}  // namespace sorvella
