// The facts the batch tool shows of a subset font, whatever file it came from, so that the
// dumps of a native font file and of the Type 1 font it was made from can be compared.
#pragma once

#include <iosfwd>
#include <nlohmann/json.hpp>

#include "glyph/subset_font.h"

namespace sorvella::cli {

// Font information, the Private values of the first master (every master's when there are
// several) and one entry per glyph slot, null for an empty slot; keys are the fields' names.
// With `outlines`, each glyph's "contours" lists its nodes instead of counting them, and its
// hints and hint replacement program follow.
void describeSubsetFont(const SubsetFont& font, nlohmann::ordered_json& json,
                        bool outlines = false);

// The readable form of what describeSubsetFont gave.
void printSubsetFont(const nlohmann::ordered_json& json, std::ostream& out);

}  // namespace sorvella::cli
