// Change weight by +20 and -20 on the glyphs of Debian's DejaVu Sans and of IPA Mincho: the
// overlap engine merges the offset contours of nearly every glyph, a later remove overlap
// finds the merged glyphs clean, and strokes grow with positive weights and shrink with
// negative ones.
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

// The sanitized tree checks every so many glyphs; SORVELLA_WEIGHT_SAMPLE=1 checks all.
#if defined(__SANITIZE_ADDRESS__)
constexpr int kSanitizedSample = 8;
#else
constexpr int kSanitizedSample = 1;
#endif
constexpr std::size_t kMinchoGlyphs = 2000;

int sampleEvery() {
  const char* env = std::getenv("SORVELLA_WEIGHT_SAMPLE");
  return env ? std::max(1, std::atoi(env)) : kSanitizedSample;
}

double filledArea(const Outline& o) {
  double area = 0;
  for (double a : test::contourAreas(test::flattenOutline(o, 16))) area += a / 2;
  return area;
}

struct WeightTally {
  int glyphs = 0;
  int rawOffset = 0;
  int unclean = 0;  // merged glyphs whose area a later remove overlap changed by over 0.1 %
  double areaBefore = 0, areaAfter = 0;
  double areaChanged = 0;  // by the later remove overlap, summed over the glyphs
};

WeightTally weighGlyphs(const std::vector<Glyph>& glyphs, int weight) {
  WeightTally t;
  for (const Glyph& source : glyphs) {
    Glyph glyph = source;
    const OffsetResult r = changeWeight(glyph, {weight, weight, false, false});
    if (!r.changed()) continue;
    ++t.glyphs;
    if (r.outcome == OffsetOutcome::kRawOffset) {
      ++t.rawOffset;
      std::cout << "unmerged: " << source.name() << " (" << overlapCode(r.engineStatus) << ")\n";
      continue;
    }
    const double merged = filledArea(glyph);
    t.areaBefore += std::abs(filledArea(source));  // either drawing direction
    t.areaAfter += merged;
    Glyph again = glyph;
    const bool cleaned =
        removeOverlap(again, 0, overlap_mode::kCorrectOrientation) == OverlapStatus::kOk;
    const double change = std::abs(filledArea(again) - merged);
    t.areaChanged += change;
    if (!cleaned || change > 0.001 * std::abs(merged) + 1e-9) {
      ++t.unclean;
      std::cout << "unclean after weight " << weight << ": " << source.name() << " " << merged
                << " -> " << filledArea(again) << '\n';
    }
  }
  return t;
}

class WeightRealGlyphsTest : public ::testing::Test {
 protected:
  static void expectSound(const std::vector<Glyph>& glyphs) {
    ASSERT_FALSE(glyphs.empty());
    for (int weight : {20, -20}) {
      const WeightTally t = weighGlyphs(glyphs, weight);
      std::cout << "weight " << weight << ": " << t.glyphs << " glyphs, " << t.rawOffset
                << " unmerged, " << t.unclean << " unclean, area moved by the cleaning "
                << t.areaChanged / t.areaAfter * 100 << " %\n";
      EXPECT_GT(t.glyphs, static_cast<int>(glyphs.size()) / 2);
      EXPECT_LE(t.rawOffset * 100, t.glyphs);
      // Thinning leaves slivers of strokes a few units wide, whose merged curves can still
      // graze each other; they may move a little area, growing strokes none.
      if (weight > 0) {
        EXPECT_EQ(t.unclean, 0);
      } else {
        EXPECT_LE(t.unclean * 10, t.glyphs);
      }
      EXPECT_LE(t.areaChanged, 0.001 * t.areaAfter);
      if (weight > 0)
        EXPECT_GT(t.areaAfter, t.areaBefore * 1.1);
      else
        EXPECT_LT(t.areaAfter, t.areaBefore * 0.9);
    }
  }
};

TEST_F(WeightRealGlyphsTest, DejaVuSans) {
  TTImporter importer;
  ASSERT_TRUE(importer.Open(std::filesystem::path(test::kDejaVuSans)));
  importer.Name();
  std::vector<Glyph> glyphs;
  int index = 0;
  const int every = sampleEvery();
  ASSERT_TRUE(importer.Run([&](CCidFont&, SubsetFont& subset) {
    for (int32_t g = 0; g < subset.slotCount(); ++g, ++index)
      if (subset.glyph(g) && index % every == 0) glyphs.push_back(*subset.glyph(g));
    return true;
  }));
  EXPECT_GT(glyphs.size() * static_cast<std::size_t>(every), 5000u);
  expectSound(glyphs);
}

TEST_F(WeightRealGlyphsTest, IpaMincho) {
  const std::filesystem::path path = test::cidFixture("ipamincho.cid");
  ASSERT_TRUE(std::filesystem::exists(path)) << path << " is missing";
  std::vector<Glyph> glyphs;
  int index = 0;
  const int every = sampleEvery();
  // 2,000 glyphs spread over the font.
  const CidFontImport imported = importCidFont(path, [&](CCidFont&, SubsetFont& subset) {
    for (int32_t g = 0; g < subset.slotCount(); ++g, ++index)
      if (subset.glyph(g) && index % (4 * every) == 0 && glyphs.size() < kMinchoGlyphs)
        glyphs.push_back(*subset.glyph(g));
    return true;
  });
  ASSERT_NE(imported.font, nullptr);
  expectSound(glyphs);
}

}  // namespace
}  // namespace sorvella
