// The autohinter on every glyph of the DejaVu Sans and IPA Mincho CIDFont fixtures: each stem
// edge (a ghost's one edge) lies on a node's end point, and no set of a hint replacement
// program holds two conflicting hints.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>

#include "outline/autohint.h"
#include "outline/autohint_replacement.h"
#include "cidfont/cid_font_import.h"
#include "support/cid_fixtures.h"

namespace sorvella {
namespace {

// What the glyph's hints break, or nothing.
std::string brokenRule(const Glyph& g) {
  const GlyphHints& h = *g.hints();
  std::set<int> x, y;
  for (int n = 0; n < g.nodeCount(); ++n) {
    x.insert(g.point(n).x);
    y.insert(g.point(n).y);
  }
  for (const Hint& hint : h.horizontal) {
    const Stem& s = hint.masters[0];
    const bool ghost = s.width == 21 || s.width == -20;
    if (!y.contains(s.position) || (!ghost && !y.contains(s.position + s.width)))
      return "horizontal hint at " + std::to_string(s.position);
  }
  for (const Hint& hint : h.vertical)
    if (!x.contains(hint.masters[0].position) ||
        !x.contains(hint.masters[0].position + hint.masters[0].width))
      return "vertical hint at " + std::to_string(hint.masters[0].position);
  for (const HintReplacementEntry& e : h.replacement) {
    const std::size_t size = (e.kind == hint_kind::kHorizontal ? h.horizontal : h.vertical).size();
    if (e.kind == hint_kind::kReplacementPoint ? e.value == 0 || std::abs(e.value) >= g.nodeCount()
                                               : e.value < 0 || std::size_t(e.value) >= size)
      return "program entry " + std::to_string(e.value);
  }
  if (!h.replacement.empty() && hintSetsConflict(h)) return "conflicting hints in one set";
  return {};
}

class AutohintFixtures : public ::testing::TestWithParam<const char*> {};

TEST_P(AutohintFixtures, HintEdgesLieOnNodesAndNoSetHoldsAConflict) {
  const std::filesystem::path path = test::cidFixture(GetParam());
  ASSERT_TRUE(std::filesystem::exists(path)) << path << ": run tests/fixtures/make-fixtures.sh";
  AutohintParameters parameters;
  parameters.removeHints = true;
  int outlines = 0, stems = 0, programs = 0, broken = 0;
  const CidFontImport imported = importCidFont(path, [&](CCidFont&, SubsetFont& subset) {
    const std::vector<AlignmentZone> zones = alignmentZones(subset, 0);
    for (int32_t slot = 0; slot < subset.slotCount(); ++slot) {
      Glyph* g = subset.glyph(slot);
      if (!g || g->empty()) continue;
      ++outlines;
      const AutohintStatus status = autohint(*g, 0, zones, parameters);
      EXPECT_EQ(status, AutohintStatus::kOk) << g->name();
      if (status != AutohintStatus::kOk) return false;
      const std::string rule = brokenRule(*g);
      if (!rule.empty() && ++broken <= 10) ADD_FAILURE() << g->name() << ": " << rule;
      stems += g->hints()->vertical.empty() ? 0 : 1;
      programs += g->hints()->replacement.empty() ? 0 : 1;
    }
    return true;
  });
  ASSERT_NE(imported.font, nullptr);
  EXPECT_EQ(broken, 0);
  // The rules were put to work: stems on most glyphs, programs on some.
  EXPECT_GT(stems, outlines / 2);
  EXPECT_GT(programs, 0);
  std::printf("%s: %d glyphs with outlines, %d with vertical stems, %d with a program\n",
              GetParam(), outlines, stems, programs);
}

INSTANTIATE_TEST_SUITE_P(DejaVuSansAndIpaMincho, AutohintFixtures,
                         ::testing::Values("dict1200.cid", "ipamincho.cid"));

}  // namespace
}  // namespace sorvella
