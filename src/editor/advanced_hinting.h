// Advanced hinting: adding and removing single replacement points of a glyph's hint
// replacement program, with hint sets built for the nodes each point governs.
#pragma once

#include <cstdint>
#include <vector>

#include "glyph/glyph.h"

namespace sorvella {

// The set entries (kind 1, then kind 2, by hint index) for nodes first ... last - 1.
std::vector<HintReplacementEntry> buildRangeHintSet(const Glyph& glyph, int first, int last);

// "Add replace point here" at node n (1 ... node count - 1). False when the glyph has no
// hints, n is out of range or a replacement point is already at n.
bool addReplacePoint(Glyph& glyph, int n);

// "Remove this replace point": `entry` indexes the program and must be a replacement point.
bool removeReplacePoint(Glyph& glyph, std::size_t entry);

// Index of the program's replacement point at node n, or -1.
int replacePointAt(const Glyph& glyph, int n);

}  // namespace sorvella
