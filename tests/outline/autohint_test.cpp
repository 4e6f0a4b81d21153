// The autohinter's edge cases on small outlines: stems and the lengths of their edges, ghost
// hints at zones, existing hints, several masters, and glyphs it must leave alone.
#include "outline/autohint.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/path_glyph.h"

namespace sorvella {
namespace {

using test::pathGlyph;
using test::stemHint;
using test::stemsOf;
using Stems = std::vector<std::pair<int, int>>;

constexpr const char* kTallRectangle = "M 0 0 L 100 0 L 100 700 L 0 700";

Glyph autohinted(Glyph g, const AutohintParameters& p = {}, std::vector<AlignmentZone> z = {}) {
  EXPECT_EQ(autohint(g, 0, z, p), AutohintStatus::kOk);
  return g;
}
Stems vertical(const Glyph& g) {
  return stemsOf(g.hints()->vertical);
}
Stems horizontal(const Glyph& g) {
  return stemsOf(g.hints()->horizontal);
}

TEST(AutohintStems, TallRectangleGetsOneVerticalStemAndGhostsAtItsEnds) {
  Glyph g = autohinted(pathGlyph(kTallRectangle));
  EXPECT_EQ(vertical(g), (Stems{{0, 100}}));  // the backward pass's (100, -100) is the same
  EXPECT_EQ(horizontal(g), (Stems{{0, 21}, {700, -20}}));
  EXPECT_TRUE(g.hints()->replacement.empty());
}

// Each outline gets the stem (0, width) with one limit at the value given, none just past it.
TEST(AutohintStems, LimitsHoldExactlyAtTheirValue) {
  using P = AutohintParameters;
  struct Case {
    const char* path;
    int32_t P::*limit;
    int32_t at, past, width;
  };
  const Case cases[] = {
      {"M 0 0 L 200 0 L 200 700 L 0 700", &P::maxVWidth, 200, 199, 200},
      {"M 0 0 L 20 0 L 20 700 L 0 700", &P::minVWidth, 20, 21, 20},
      // Two pieces of 50 on x = 0 going the same way, slanted pieces between them.
      {"M 0 600 L 0 550 L 30 300 L 0 50 L 0 0 L 100 0 L 100 600", &P::minVLength, 100, 101, 100},
      // The curve leaves (0, 0) straight up towards (0, 100): lengthened to 130.
      {"M 80 0 L 0 0 C 0 100 20 200 80 200", &P::minVLength, 130, 131, 80},
      // The off-curve point leads the line after it: one piece of 150, not two.
      {"M 80 300 L 0 300 O 0 150 L 0 0 L 80 0", &P::minVLength, 150, 151, 80},
  };
  for (const Case& c : cases) {
    P p;
    p.*c.limit = c.at;
    EXPECT_EQ(vertical(autohinted(pathGlyph(c.path), p)), (Stems{{0, c.width}})) << c.path;
    p.*c.limit = c.past;
    EXPECT_EQ(vertical(autohinted(pathGlyph(c.path), p)), Stems{}) << c.path;
  }
}

// 150 / 100 truncates to 1, which only a ratio of at least 1 accepts.
TEST(AutohintStems, RatioRefusesStemsTooWideForTheirLength) {
  for (double ratio : {0.99, 1.0}) {
    AutohintParameters p{.minVLength = 10, .vRatio = ratio};
    EXPECT_EQ(vertical(autohinted(pathGlyph("M 0 0 L 150 0 L 150 100 L 0 100"), p)).size(),
              ratio < 1 ? 0u : 1u);
  }
}

// A bar on the baseline and a triangle below it whose flat top lies in a top zone; ghosts
// come in the order the outline meets them, none where a hint edge already lies.
TEST(AutohintGhosts, FlatPartsInZonesAndAtTheBoxEndsGetGhosts) {
  const char* path = "M 0 0 L 50 0 L 50 300 L 0 300 M 200 -100 L 260 50 L 140 50";
  EXPECT_EQ(horizontal(autohinted(pathGlyph(path), {}, {{-15, 15}, {55, -10}})),
            (Stems{{0, 21}, {300, -20}, {-100, 21}, {50, -20}}));
  Glyph withHint = pathGlyph(path);
  withHint.hints().emplace().horizontal.push_back(stemHint(-30, 30));
  EXPECT_EQ(horizontal(autohinted(withHint, {}, {{-15, 15}})),
            (Stems{{-30, 30}, {300, -20}, {-100, 21}}));
}

TEST(AutohintExistingHints, AreKeptWithoutDuplicatesUnlessRemoved) {
  Glyph g = pathGlyph(kTallRectangle);
  g.hints().emplace().vertical = {stemHint(100, -100), stemHint(5, 50)};
  EXPECT_EQ(vertical(autohinted(g)), (Stems{{100, -100}, {5, 50}}));
  AutohintParameters remove;
  remove.removeHints = true;
  EXPECT_EQ(vertical(autohinted(g, remove)), (Stems{{0, 100}}));
}

TEST(AutohintExistingHints, ProgramFreeOfConflictsIsKept) {
  Glyph g = pathGlyph(kTallRectangle);
  g.hints().emplace().horizontal = {stemHint(0, 21), stemHint(10, 50)};
  g.hints()->replacement = {{1, 0}, {255, 2}, {1, 1}};
  EXPECT_EQ(autohinted(g).hints()->replacement, g.hints()->replacement);
}

TEST(AutohintExistingHints, FullListTakesNoMoreOfItsDirection) {
  Glyph g = pathGlyph(kTallRectangle);
  g.hints().emplace().horizontal.assign(kMaxAutohintHints, stemHint(-5000, 1));
  Glyph after = autohinted(g);
  EXPECT_EQ(after.hints()->horizontal, g.hints()->horizontal);
  EXPECT_EQ(vertical(after), (Stems{{0, 100}}));
}

// Master 1 is 300 wide, beyond the width limit; asked for master 5, the run takes master 1.
TEST(AutohintMasters, StemsTakeEachMastersNodesAndTheRunItsClampedMaster) {
  Glyph g(2);
  auto add = [&](uint8_t type, int16_t x0, int16_t x1, int16_t y) {
    g.appendNode(Node{type, {{x0, y}, {x1, y}}});
  };
  add(node_type::kMove, 0, 0, 0);
  add(node_type::kLine, 100, 300, 0);
  add(node_type::kLine, 100, 300, 700);
  add(node_type::kLine, 0, 0, 700);
  Glyph wide = g;
  ASSERT_EQ(autohint(wide, 5, {}, {}), AutohintStatus::kOk);
  EXPECT_TRUE(wide.hints()->vertical.empty());
  ASSERT_EQ(autohint(g, 0, {}, {}), AutohintStatus::kOk);
  ASSERT_EQ(g.hints()->vertical.size(), 1u);
  EXPECT_EQ(g.hints()->vertical[0].masters, (std::vector<Stem>{{0, 100}, {0, 300}}));
}

TEST(AutohintRefusals, LeaveTheGlyphAsItWas) {
  using S = AutohintStatus;
  const std::pair<S, void (*)(Glyph&)> damages[] = {
      {S::kOk, [](Glyph&) {}},  // 29 zones are refused first, whatever the glyph
      {S::kMalformedOutline, [](Glyph& g) { g.deleteNode(0); }},
      {S::kHintMastersDiffer, [](Glyph& g) { g.hints()->vertical[0].masters.resize(2); }},
      {S::kTooManyHints, [](Glyph& g) { g.hints()->vertical.resize(kMaxAutohintHints + 1); }},
      {S::kBadReplacementProgram,
       [](Glyph& g) {
         g.hints()->replacement = {{2, 1}};
       }},
      {S::kBadReplacementProgram,
       [](Glyph& g) {
         g.hints()->replacement = {{255, -4}};
       }},
  };
  for (const auto& [status, damage] : damages) {
    Glyph g = pathGlyph(kTallRectangle);
    g.hints().emplace().vertical.push_back(stemHint(3, 30));
    damage(g);
    const Glyph before = g;
    const std::vector<AlignmentZone> zones(status == S::kOk ? 29 : 0);
    EXPECT_EQ(autohint(g, 0, zones, {}), status == S::kOk ? S::kTooManyZones : status);
    EXPECT_TRUE(g.sameContent(before)) << static_cast<int>(status);
  }
}

}  // namespace
}  // namespace sorvella
