// The parts a glyph carries besides its outline: stems, hint merging and the tight bounding
// box.
#include "glyph/glyph_parts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "glyph/glyph.h"
#include "glyph/glyph_printers.h"

namespace sorvella {
namespace {

Hint stem(int16_t position, int16_t width) {
  return Hint{{Stem{position, width}}};
}

Hint stems(Stem master0, Stem master1) {
  return Hint{{master0, master1}};
}

HintReplacementEntry entry(uint16_t kind, int32_t value) {
  return {kind, value};
}

using Program = std::vector<HintReplacementEntry>;

// The same edges given from the other side are the same stem; every master must match on its own.
TEST(Stems, SameStemAndFindStem) {
  const struct {
    Hint a, b;
    bool same;
  } cases[] = {
      {stem(100, 20), stem(120, -20), true},
      {stem(100, 20), stem(120, 20), false},   // shifted
      {stem(100, 20), stem(80, -20), false},   // mirrored about the wrong edge
      {stem(100, 20), stem(120, -21), false},  // widths do not cancel
      {stems({100, 20}, {200, 30}), stems({100, 20}, {230, -30}), true},
      {stems({100, 20}, {200, 30}), stems({100, 20}, {200, 31}), false},
      {stems({100, 20}, {200, 30}), stems({120, -20}, {201, 30}), false},
  };
  for (const auto& c : cases) EXPECT_EQ(sameStem(c.a, c.b), c.same);
  std::vector<Hint> hints = {stem(50, 10), stem(120, -20), stem(100, 20)};
  EXPECT_EQ(findStem(hints, stem(100, 20)), 1);
  EXPECT_EQ(findStem(hints, stem(60, -10)), 0);
  EXPECT_EQ(findStem(hints, stem(100, 21)), -1);
}

class MergeHintsTest : public ::testing::Test {
 protected:
  Glyph ours;
  Glyph theirs;
};

TEST_F(MergeHintsTest, ProgramsAreCreatedForBothSidesWhenNeitherHadOne) {
  ours.hints() = GlyphHints{{stem(10, 20)}, {stem(30, 40)}, {}};
  theirs.hints() = GlyphHints{{stem(50, 5), stem(70, 5)}, {}, {}};
  ours.mergeHints(theirs, 7);
  const GlyphHints& merged = *ours.hints();
  EXPECT_EQ(merged.horizontal, (std::vector<Hint>{stem(10, 20), stem(50, 5), stem(70, 5)}));
  EXPECT_EQ(merged.vertical, (std::vector<Hint>{stem(30, 40)}));
  EXPECT_EQ(merged.replacement,
            (Program{entry(1, 0), entry(2, 0), entry(255, 7), entry(1, 1), entry(1, 2)}));
}

TEST_F(MergeHintsTest, TheirProgramIsRenumberedAndShiftedAfterOurs) {
  ours.hints() = GlyphHints{{stem(1, 1), stem(2, 2)}, {stem(3, 3)}, {entry(1, 1), entry(2, 0)}};
  theirs.hints() = GlyphHints{
      {stem(4, 4)},
      {stem(5, 5), stem(6, 6)},
      {entry(1, 0), entry(2, 1), entry(255, 4), entry(1, 0), entry(2, 0), entry(255, -9)}};
  ours.mergeHints(theirs, 12);
  const GlyphHints& merged = *ours.hints();
  EXPECT_EQ(merged.horizontal, (std::vector<Hint>{stem(1, 1), stem(2, 2), stem(4, 4)}));
  EXPECT_EQ(merged.vertical, (std::vector<Hint>{stem(3, 3), stem(5, 5), stem(6, 6)}));
  EXPECT_EQ(merged.replacement,
            (Program{entry(1, 1), entry(2, 0), entry(255, 12), entry(1, 2), entry(2, 2),
                     entry(255, 16), entry(1, 2), entry(2, 1), entry(255, -21)}));
}

TEST_F(MergeHintsTest, GlyphWithoutHintsTakesTheirsWithShiftedPoints) {
  theirs.hints() =
      GlyphHints{{stem(4, 4)}, {}, {entry(1, 0), entry(255, 3), entry(1, 0), entry(255, -5)}};
  ours.mergeHints(theirs, 4);
  ASSERT_TRUE(ours.hints().has_value());
  EXPECT_EQ(ours.hints()->horizontal, (std::vector<Hint>{stem(4, 4)}));
  EXPECT_EQ(ours.hints()->replacement,
            (Program{entry(1, 0), entry(255, 7), entry(1, 0), entry(255, -9)}));
  EXPECT_EQ(theirs.hints()->replacement[1], entry(255, 3));  // theirs stay as they were
}

TEST_F(MergeHintsTest, NothingChangesWhenTheyHaveNoStems) {
  GlyphHints before{{stem(10, 20)}, {}, {}};
  ours.hints() = before;
  ours.mergeHints(theirs, 3);
  EXPECT_EQ(*ours.hints(), before);
  theirs.hints() = GlyphHints{{}, {}, {entry(255, 2)}};
  ours.mergeHints(theirs, 3);
  EXPECT_EQ(*ours.hints(), before);
  Glyph bare;
  bare.mergeHints(theirs, 3);
  EXPECT_FALSE(bare.hints().has_value());
}

// Curves count their extremes, not their controls, rounded outward; other masters do not count.
TEST(BoundingBox, OfEachOutline) {
  const struct {
    std::vector<Node> nodes;
    Box box;
  } cases[] = {
      {{}, Box{32767, 32767, -32767, -32767}},
      // x runs 0, -39, -39, 0: the extreme is -29.25 at t = 0.5.
      {{Node::move({0, 0}), Node::curve({0, 100}, {-39, 0}, {-39, 100})}, Box{-30, 0, 0, 100}},
      // y runs 0, 99, 30: the top is 9801 / 168 = 58.34 at t = 99 / 168.
      {{Node::move({0, 0}), Node::offCurve({50, 99}), Node::line({100, 30})}, Box{0, 0, 100, 59}},
  };
  for (const auto& c : cases) {
    Glyph glyph;
    for (const Node& n : c.nodes) glyph.appendNode(n);
    EXPECT_EQ(glyph.boundingBox(), c.box);
  }
  Glyph two(2);
  two.appendNode(Node::move({0, 0}, 2));
  two.appendNode(Node::line({50, 20}, 2));
  two.setPoint(1, 0, 1, {900, 900});
  EXPECT_EQ(two.boundingBox(), (Box{0, 0, 50, 20}));
  two.setPoint(1, 0, 0, {-50, 30});
  EXPECT_EQ(two.boundingBox(), (Box{-50, 0, 0, 30}));
}

}  // namespace
}  // namespace sorvella
