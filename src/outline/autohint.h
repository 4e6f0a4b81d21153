// Autohinting one glyph: horizontal and vertical stem hints from the outline's edges, ghost
// hints where flat parts lie in alignment zones, and the hint replacement program.
#pragma once

#include <cstdint>
#include <span>

#include "glyph/glyph.h"
#include "outline/autohint_parameters.h"
#include "outline/hint_zones.h"

namespace sorvella {

enum class AutohintStatus {
  kOk,
  kTooManyZones,           // more than kMaxAlignmentZones zones
  kMalformedOutline,       // the outline does not begin with a move node
  kHintMastersDiffer,      // a hint does not hold one stem per master of the glyph
  kTooManyHints,           // an existing hint list longer than kMaxAutohintHints
  kBadReplacementProgram,  // an existing program names a hint or node that does not exist
};

// The most hints of one direction a glyph may hold for autohinting.
inline constexpr int kMaxAutohintHints = 1000;

// Autohints the glyph on master `master` (clamped to the glyph's masters); stems are stored
// for every master. Unless the status is kOk the glyph is left unchanged.
AutohintStatus autohint(Glyph& glyph, int master, std::span<const AlignmentZone> zones,
                        const AutohintParameters& parameters);

}  // namespace sorvella
