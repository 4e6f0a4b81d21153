// Random glyphs holding every part a glyph record stores, for round-trip and fuzz-style tests.
#pragma once

#include <cstdint>
#include <random>

#include "glyph/glyph.h"

namespace sorvella::test {

// The seed every randomised test uses unless SORVELLA_TEST_SEED is set; tests print it.
uint32_t testSeed();

// Nodes of every kind (with connections, never selected), hints with a replacement
// program, guides, components, kerning pairs and TrueType data.
Glyph randomGlyph(std::mt19937& rng, int masterCount);

}  // namespace sorvella::test
