// Hint replacement: the conflict test of a glyph's hint sets and the program that switches
// between sets of non-conflicting hints along the outline.
#pragma once

#include <vector>

#include "glyph/glyph.h"

namespace sorvella {

// Two hints of one direction conflict when their spans overlap in at least one master;
// touching ends do not.
bool hintsConflict(const Hint& a, const Hint& b);

// One set of a replacement program: indices into the horizontal and vertical hint lists.
struct HintSet {
  std::vector<int32_t> horizontal;
  std::vector<int32_t> vertical;
};

// The sets of the program in order, or all hints as one set when there is none.
std::vector<HintSet> hintSets(const GlyphHints& hints);

// Whether some set holds two conflicting hints. Indices must be within the lists.
bool hintSetsConflict(const GlyphHints& hints);

// The program for the glyph's hints along its outline, or an empty one when no replacement
// point is needed. The outline must begin with a move node and every hint must carry one
// stem per master.
std::vector<HintReplacementEntry> buildReplacementProgram(const Glyph& glyph);

}  // namespace sorvella
