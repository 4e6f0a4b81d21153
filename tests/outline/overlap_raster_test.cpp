// Remove overlap and union over the glyphs of real CIDFonts, checked with the tests' own
// scanline fill: the same area as the input's non-zero fill, no crossing segments, outer
// contours counter-clockwise and holes clockwise, and glyphs without overlaps left whole.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "cidfont/cid_font_import.h"
#include "outline/overlap_engine.h"
#include "outline/overlap_removal.h"
#include "support/cid_fixtures.h"
#include "support/outline_geometry.h"
#include "support/random_glyph.h"

namespace sorvella {
namespace {

using test::FlatPiece;

struct Fixture {
  const char* file;
  int sanitizedSample;  // the sanitized tree checks every so many glyphs, in seconds
};

// SORVELLA_OVERLAP_SAMPLE=1 checks every glyph in the sanitized tree too.
#if defined(__SANITIZE_ADDRESS__)
constexpr double kScanlineSpacing = 2;
int sampleEvery(const Fixture& f) {
  const char* env = std::getenv("SORVELLA_OVERLAP_SAMPLE");
  return env ? std::max(1, std::atoi(env)) : f.sanitizedSample;
}
#else
constexpr double kScanlineSpacing = 0.5;
int sampleEvery(const Fixture&) {
  return 1;
}
#endif
constexpr uint16_t kMode = overlap_mode::kCorrectOrientation;  // PostScript fill mode

Outline shifted(const Outline& o, int dx, int dy) {
  Outline copy(o);
  for (int i = 0; i < copy.nodeCount(); ++i)
    for (int k = 0; k < copy.pointCount(i); ++k) {
      Point p = copy.point(i, k);
      copy.setPoint(i, k, 0, {static_cast<int16_t>(p.x + dx), static_cast<int16_t>(p.y + dy)});
    }
  return copy;
}

std::vector<FlatPiece> joined(std::vector<FlatPiece> a, const std::vector<FlatPiece>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// Total length (along the control polygon) of the result's segments that are not segments
// of the input, in either direction.
double newSegmentLength(const Outline& input, const Outline& result) {
  using Segment = std::array<int, 8>;
  auto walk = [](const Outline& o, const auto& visit) {
    for (int s = 0; s < o.nodeCount(); s = o.contourEnd(s) + 1)
      for (int i = s + 1, e = o.contourEnd(s); i <= e + 1; ++i) {
        Point a = o.point(i - 1), b = o.point(i > e ? s : i);
        bool curve = i <= e && o.type(i) == node_type::kCurve;
        Point c1 = curve ? o.point(i, 1) : a, c2 = curve ? o.point(i, 2) : b;
        if (!(i > e && a == b)) visit(Segment{a.x, a.y, c1.x, c1.y, c2.x, c2.y, b.x, b.y});
      }
  };
  std::set<Segment> known;
  walk(input, [&](const Segment& s) {
    known.insert(s);
    known.insert({s[6], s[7], s[4], s[5], s[2], s[3], s[0], s[1]});
  });
  double length = 0;
  walk(result, [&](const Segment& s) {
    if (known.count(s)) return;
    for (int k = 2; k < 8; k += 2) length += std::hypot(s[k] - s[k - 2], s[k + 1] - s[k - 1]);
  });
  return length;
}

class OverlapRasterTest : public ::testing::TestWithParam<Fixture> {
 protected:
  void SetUp() override {
    const std::filesystem::path path = test::cidFixture(GetParam().file);
    ASSERT_TRUE(std::filesystem::exists(path)) << path << " is missing";
    const int every = sampleEvery(GetParam());
    const int offset = static_cast<int>(test::testSeed() % static_cast<uint32_t>(every));
    std::cout << "seed " << test::testSeed() << ", every " << every << "th glyph\n";
    int index = 0;
    const CidFontImport imported = importCidFont(path, [&](CCidFont&, SubsetFont& subset) {
      for (int32_t g = 0; g < subset.slotCount(); ++g, ++index)
        if (subset.glyph(g) && index % every == offset) outlines_.push_back(*subset.glyph(g));
      return true;
    });
    ASSERT_NE(imported.font, nullptr);
    ASSERT_GT(outlines_.size() * static_cast<std::size_t>(every), 1000u);
  }

  // Compares a result with the union of the inputs' non-zero fills; `inputs` hold the
  // pieces of the input outlines with distinct segment and contour numbers. Each crossing
  // may cost a square unit; and an integer cut end lies up to half a unit off its segment,
  // which turns a new straight piece of length L about that end by up to L / 4 square units
  // (curve pieces are split near such an end, but lines are kept whole).
  void check(const std::vector<std::vector<FlatPiece>>& inputs, const Outline& input,
             const Outline& result, const std::string& what) {
    std::vector<FlatPiece> all;
    std::vector<const std::vector<FlatPiece>*> sets;
    for (const auto& set : inputs) {
      all = joined(all, set);
      sets.push_back(&set);
    }
    const std::vector<FlatPiece> out = test::flattenOutline(result);
    const int crossings = test::findContacts(all).crossings;
    const test::FillComparison fill = test::compareFills(sets, out, kScanlineSpacing);
    const double allowed = 0.001 * fill.areaA + crossings + newSegmentLength(input, result) / 4;
    std::string problems;
    if (fill.difference > allowed)
      problems += " " + std::to_string(fill.difference) + " square units filled differently, of " +
                  std::to_string(fill.areaA);
    if (const int c = test::findContacts(out).crossings; c > 0)
      problems += " " + std::to_string(c) + " crossing pieces";
    const std::vector<double> areas = test::contourAreas(out);
    const std::vector<int> depths = test::contourDepths(out);
    for (std::size_t c = 0; c < areas.size(); ++c)
      if ((areas[c] > 0) != (depths[c] % 2 == 0))
        problems += " contour " + std::to_string(c) + " at depth " + std::to_string(depths[c]) +
                    " runs the wrong way";
    // Without overlaps, and with a unit between contours, nothing is cut or dropped.
    if (inputs.size() == 1 && crossings == 0 && test::findContacts(all, 1.0).touches == 0) {
      std::vector<const std::vector<FlatPiece>*> single{&all};
      test::FillComparison self = test::compareFills(single, all, kScanlineSpacing);
      if (std::max(-self.minWindingB, self.maxWindingB) <= 1 &&
          std::min(-self.minWindingB, self.maxWindingB) == 0 &&
          result.contourCount() != input.contourCount())
        problems += " " + std::to_string(result.contourCount()) + " contours instead of " +
                    std::to_string(input.contourCount());
    }
    if (!problems.empty()) {
      ++failed_;
      if (failures_.size() < 3000) failures_ += what + problems + "\n";
    }
  }

  std::vector<Glyph> outlines_;
  std::string failures_;
  int failed_ = 0;
};

TEST_P(OverlapRasterTest, RemoveOverlapAndUnionWithShiftedCopyKeepTheFill) {
  for (std::size_t i = 0; i < outlines_.size(); ++i) {
    const Glyph& input = outlines_[i];
    const std::string name = input.name();
    const std::vector<FlatPiece> pieces = test::flattenOutline(input);

    Glyph cleaned = input;
    ASSERT_EQ(removeOverlap(cleaned, 0, kMode), OverlapStatus::kOk) << name;
    check({pieces}, input, cleaned, name);

    const Outline moved = shifted(input, 15, 15);
    OverlapEngine a, b;
    input.enumerate(a);
    moved.enumerate(b);
    ASSERT_EQ(unite(a, b, kMode), OverlapStatus::kOk) << name;
    Outline united(1);
    OutlineBuilder builder(united);
    a.writeResult(builder);
    Outline both(input);
    both.appendNodes(moved, 0, moved.nodeCount());
    check({pieces, test::flattenOutline(moved, 32, 1 << 20, 1 << 20)}, both, united,
          name + " united");
  }
  EXPECT_EQ(failed_, 0) << "of " << outlines_.size() << " glyphs:\n" << failures_;
}

INSTANTIATE_TEST_SUITE_P(Fixtures, OverlapRasterTest,
                         ::testing::Values(Fixture{"dict1200.cid", 10},
                                           Fixture{"ipamincho.cid", 200}));

}  // namespace
}  // namespace sorvella
