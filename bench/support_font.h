// The fonts the benchmarks share: a CID font of 65,535 characters in 128 subset fonts, all
// placed, and the glyphs of the IPA Mincho fixture.
#pragma once

#include <vector>

#include "cidfont/cid_font.h"
#include "glyph/glyph.h"

namespace sorvella::bench {

const CCidFont& bigFont();
// Every glyph of the tests' IPA Mincho CIDFont fixture, which is made on first use; none when
// it cannot be made.
std::vector<Glyph> ipaMinchoGlyphs();

}  // namespace sorvella::bench
