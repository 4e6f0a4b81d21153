// The Private dictionary entries a master's hinting values give, as the Type 1 writer and
// the CID-keyed writer both put them into their font programs.
#pragma once

#include <string>

#include "glyph/per_master_block.h"
#include "glyph/subset_font_info.h"

namespace sorvella {

// One "/Key value def" line per entry, each ended with `eol`: BlueValues always, the other
// zone and stem-snap arrays when they have entries, BlueScale, BlueShift, BlueFuzz, StdHW and
// StdVW when above 0, ForceBold. Counts are cut to the array sizes.
std::string privateDictEntries(const PerMasterBlock& values, const ZoneCounts& counts,
                               const char* eol);

// "[a b c d e f]" of the six matrix values; the default matrix for one that cannot be
// inverted.
std::string fontMatrixText(const PerMasterBlock& values);

}  // namespace sorvella
