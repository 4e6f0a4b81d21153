// The glyphs of a subset font as the writers export them: one master taken out, components
// flattened into the outline, and every glyph given a usable, unique PostScript name.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "glyph/glyph.h"
#include "glyph/subset_font.h"

namespace sorvella {

// A single-master copy of slot `slot` for master `master`: name, advance, outline and hints,
// with the outlines of its components (and theirs) appended, scaled and shifted; a component
// that leads back to a glyph being expanded is skipped. An empty or missing slot gives an
// empty glyph.
Glyph flattenedGlyph(const SubsetFont& font, int32_t slot, int master);

// One name per slot (empty for empty slots): the glyph's name reduced to name characters, or
// "glyph" and the slot number when that leaves nothing or the name was taken by an earlier
// slot; a further ".n" makes a made-up name unique.
std::vector<std::string> exportGlyphNames(const SubsetFont& font);

// The tight box of a single-master outline; empty when it has no nodes.
Box outlineBox(const Glyph& glyph);

}  // namespace sorvella
