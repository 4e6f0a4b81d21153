// The Type 1 font writer of "Export Subset Font": one master of a subset font as a segmented
// binary Type 1 font program (.pfb) with hinted charstrings and hint replacement subroutines.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

#include "glyph/subset_font.h"
#include "platform/progress_callback.h"

namespace sorvella {

// The whole .pfb: clear-text header, eexec-encrypted Private and CharStrings, and the 512
// zeros with cleartomark. Glyph names come from exportGlyphNames; a font without a glyph
// named .notdef gets an empty one first. Composites are flattened. Empty when cancelled.
std::vector<uint8_t> type1FontBytes(const SubsetFont& font, int master = 0,
                                    const ProgressCallback& progress = {});

// Writes type1FontBytes through a temporary file; false when cancelled or not written.
bool writeType1Font(const SubsetFont& font, const std::filesystem::path& path, int master = 0,
                    const ProgressCallback& progress = {});

}  // namespace sorvella
