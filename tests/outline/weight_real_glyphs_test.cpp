// Change weight by +20 and -20 on Debian's DejaVu Sans and on 2,000 IPA Mincho glyphs: the
// overlap engine merges the offset contours of at least 99 % of them, a later remove overlap
// finds the merged glyphs clean, and strokes grow or shrink with the sign of the weight.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <iostream>
#include <vector>

#include "cidfont/cid_font_import.h"
#include "cidfont/truetype_importer.h"
#include "outline/overlap_removal.h"
#include "outline/weight_outline.h"
#include "support/cid_fixtures.h"
#include "support/outline_geometry.h"
#include "support/truetype_peer.h"

namespace sorvella {
namespace {

// The sanitized tree weighs every 8th glyph; SORVELLA_WEIGHT_SAMPLE=1 weighs all.
int sampleEvery() {
  const char* env = std::getenv("SORVELLA_WEIGHT_SAMPLE");
#if defined(__SANITIZE_ADDRESS__)
  return env ? std::max(1, std::atoi(env)) : 8;
#else
  return env ? std::max(1, std::atoi(env)) : 1;
#endif
}

double filledArea(const Outline& o) {
  double area = 0;
  for (double a : test::contourAreas(test::flattenOutline(o, 16))) area += a / 2;
  return std::abs(area);  // either drawing direction
}

void expectSound(const std::vector<Glyph>& glyphs) {
  ASSERT_GT(glyphs.size(), 100u);
  for (int weight : {20, -20}) {
    int merged = 0, unclean = 0;
    double before = 0, after = 0, moved = 0;
    for (const Glyph& source : glyphs) {
      Glyph glyph = source;
      const OffsetResult r = changeWeight(glyph, {weight, weight, false, false});
      if (r.outcome != OffsetOutcome::kMerged) {
        if (r.changed()) std::cout << "unmerged: " << source.name() << '\n';
        continue;
      }
      ++merged;
      const double area = filledArea(glyph);
      before += filledArea(source);
      after += area;
      Glyph again = glyph;
      EXPECT_EQ(removeOverlap(again, 0, overlap_mode::kCorrectOrientation), OverlapStatus::kOk);
      const double change = std::abs(filledArea(again) - area);
      moved += change;
      if (change > 0.001 * area + 1e-9) ++unclean;
    }
    std::cout << "weight " << weight << ": " << merged << " of " << glyphs.size() << " merged, "
              << unclean << " moved by remove overlap by over 0.1 %\n";
    EXPECT_GE(merged * 100, static_cast<int>(glyphs.size()) * 99);
    // Thinning leaves slivers of strokes a few units wide whose merged curves can still graze
    // each other; growing leaves none.
    EXPECT_LE(unclean * 10, weight > 0 ? 0 : merged);
    EXPECT_LE(moved, 0.001 * after);
    EXPECT_TRUE(weight > 0 ? after > before * 1.1 : after < before * 0.9);
  }
}

// Every glyph with nodes, of every sampled glyph position, up to `limit`.
AddSubsetFontCallback collect(std::vector<Glyph>& glyphs, int every, std::size_t limit) {
  return [&glyphs, every, limit, index = 0](CCidFont&, SubsetFont& subset) mutable {
    for (int32_t g = 0; g < subset.slotCount(); ++g, ++index)
      if (subset.glyph(g) && !subset.glyph(g)->empty() && index % every == 0 &&
          glyphs.size() < limit)
        glyphs.push_back(*subset.glyph(g));
    return true;
  };
}

TEST(WeightRealGlyphsTest, DejaVuSans) {
  TTImporter importer;
  ASSERT_TRUE(importer.Open(std::filesystem::path(test::kDejaVuSans)));
  importer.Name();
  std::vector<Glyph> glyphs;
  ASSERT_TRUE(importer.Run(collect(glyphs, sampleEvery(), SIZE_MAX)));
  expectSound(glyphs);
}

// 2,000 glyphs spread over the font.
TEST(WeightRealGlyphsTest, IpaMincho) {
  std::vector<Glyph> glyphs;
  ASSERT_NE(
      importCidFont(test::cidFixture("ipamincho.cid"), collect(glyphs, 4 * sampleEvery(), 2000))
          .font,
      nullptr);
  expectSound(glyphs);
}

}  // namespace
}  // namespace sorvella
