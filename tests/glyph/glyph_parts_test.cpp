// The parts a glyph carries besides its outline: stems, guides, kerning, hint merging, the
// tight bounding box, the name and clearing.
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

class StemTest : public ::testing::Test {};

TEST_F(StemTest, SameEdgesGivenFromTheOtherSideAreTheSameStem) {
  EXPECT_TRUE(sameStem(stem(100, 20), stem(120, -20)));
  EXPECT_TRUE(sameStem(stem(120, -20), stem(100, 20)));
  EXPECT_TRUE(sameStem(stem(100, 20), stem(100, 20)));
}

TEST_F(StemTest, OtherEdgesAreDifferentStems) {
  EXPECT_FALSE(sameStem(stem(100, 20), stem(120, 20)));   // shifted
  EXPECT_FALSE(sameStem(stem(100, 20), stem(80, -20)));   // mirrored about the wrong edge
  EXPECT_FALSE(sameStem(stem(100, 20), stem(120, -21)));  // widths do not cancel
}

TEST_F(StemTest, EveryMasterMustMatchOnItsOwn) {
  Hint a = stems({100, 20}, {200, 30});
  EXPECT_TRUE(sameStem(a, stems({100, 20}, {230, -30})));
  EXPECT_FALSE(sameStem(a, stems({100, 20}, {200, 31})));
  EXPECT_FALSE(sameStem(a, stems({120, -20}, {201, 30})));
}

TEST_F(StemTest, FindStemReturnsTheFirstMatchOrMinusOne) {
  std::vector<Hint> hints = {stem(50, 10), stem(120, -20), stem(100, 20)};
  EXPECT_EQ(findStem(hints, stem(100, 20)), 1);
  EXPECT_EQ(findStem(hints, stem(60, -10)), 0);
  EXPECT_EQ(findStem(hints, stem(100, 21)), -1);
  EXPECT_EQ(findStem({}, stem(0, 0)), -1);
}

class GuideTest : public ::testing::Test {
 protected:
  static Guide guide(int16_t position, int16_t slope) {
    return Guide{{GuideValue{position, slope}}};
  }
};

TEST_F(GuideTest, FlatGuideIsItsPositionEverywhere) {
  EXPECT_EQ(guideCoordinate(guide(250, 0), 0, 0), 250);
  EXPECT_EQ(guideCoordinate(guide(250, 0), 0, -9999), 250);
}

TEST_F(GuideTest, SlopedGuideRoundsToTheNearestWithHalvesDown) {
  // Slope 5000 is a tangent of 0.5.
  EXPECT_EQ(guideCoordinate(guide(100, 5000), 0, 400), 300);
  EXPECT_EQ(guideCoordinate(guide(100, 5000), 0, 3), 101);  // 1.5
  EXPECT_EQ(guideCoordinate(guide(100, 5000), 0, 5), 102);  // 2.5
  EXPECT_EQ(guideCoordinate(guide(100, 5000), 0, -3), 98);  // -1.5
  EXPECT_EQ(guideCoordinate(guide(100, -5000), 0, 3), 98);  // -1.5
  EXPECT_EQ(guideCoordinate(guide(100, 7000), 0, 1), 101);  // 0.7
  EXPECT_EQ(guideCoordinate(guide(100, 7000), 0, -1), 99);  // -0.7
  EXPECT_EQ(guideCoordinate(guide(100, 2500), 0, 1), 100);  // 0.25
}

TEST_F(GuideTest, EachMasterUsesItsOwnValues) {
  Guide g{{GuideValue{0, 0}, GuideValue{10, 10000}}};
  EXPECT_EQ(guideCoordinate(g, 0, 40), 0);
  EXPECT_EQ(guideCoordinate(g, 1, 40), 50);
}

class KerningTest : public ::testing::Test {};

TEST_F(KerningTest, KnownRightGlyphIsReplacedNewOneIsAppended) {
  Glyph glyph(2);
  glyph.setKerning(5, -30, 0);
  glyph.setKerning(7, 12, 1);
  glyph.setKerning(5, -40, 1);
  glyph.setKerning(5, -35, 0);
  ASSERT_EQ(glyph.kerning().size(), 2u);
  EXPECT_EQ(glyph.kerning()[0].rightGlyph, 5);
  EXPECT_EQ(glyph.kerning()[0].values, (std::vector<int16_t>{-35, -40}));
  EXPECT_EQ(glyph.kerning()[1].rightGlyph, 7);
  EXPECT_EQ(glyph.kerning()[1].values, (std::vector<int16_t>{0, 12}));
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

class BoundingBoxTest : public ::testing::Test {
 protected:
  Glyph glyph;
};

TEST_F(BoundingBoxTest, EmptyGlyphHasTheEmptyBox) {
  EXPECT_EQ(glyph.boundingBox(), (Box{32767, 32767, -32767, -32767}));
}

TEST_F(BoundingBoxTest, CurveBulgingBeyondItsEndPointsCountsItsExtremeNotItsControls) {
  // Controls at y = +-99 put the curve's extremes at +-74.25, rounded outward.
  glyph.appendNode(Node::move({0, 0}));
  glyph.appendNode(Node::curve({100, 0}, {0, 99}, {100, 99}));
  glyph.appendNode(Node::curve({0, 0}, {100, -99}, {0, -99}));
  EXPECT_EQ(glyph.boundingBox(), (Box{0, -75, 100, 75}));
}

TEST_F(BoundingBoxTest, NegativeExtremeRoundsDown) {
  // x runs 0, -39, -39, 0: the extreme is -29.25 at t = 0.5.
  glyph.appendNode(Node::move({0, 0}));
  glyph.appendNode(Node::curve({0, 100}, {-39, 0}, {-39, 100}));
  EXPECT_EQ(glyph.boundingBox(), (Box{-30, 0, 0, 100}));
}

TEST_F(BoundingBoxTest, QuadraticArcCountsItsTop) {
  // y runs 0, 99, 30: the top is 9801 / 168 = 58.34 at t = 99 / 168.
  glyph.appendNode(Node::move({0, 0}));
  glyph.appendNode(Node::offCurve({50, 99}));
  glyph.appendNode(Node::line({100, 30}));
  EXPECT_EQ(glyph.boundingBox(), (Box{0, 0, 100, 59}));
}

TEST_F(BoundingBoxTest, FollowsPointMovesAndIgnoresOtherMasters) {
  Glyph two(2);
  two.appendNode(Node::move({0, 0}, 2));
  two.appendNode(Node::line({50, 20}, 2));
  two.setPoint(1, 0, 1, {900, 900});
  EXPECT_EQ(two.boundingBox(), (Box{0, 0, 50, 20}));
  two.setPoint(1, 0, 0, {-50, 30});
  EXPECT_EQ(two.boundingBox(), (Box{-50, 0, 0, 30}));
  two.deleteNode(1);
  EXPECT_EQ(two.boundingBox(), (Box{0, 0, 0, 0}));
}

class GlyphStateTest : public ::testing::Test {};

TEST_F(GlyphStateTest, NameIsCutTo255Bytes) {
  Glyph glyph;
  glyph.setName(std::string(300, 'a'));
  EXPECT_EQ(glyph.name(), std::string(255, 'a'));
  glyph.setName("uni4E00");
  EXPECT_EQ(glyph.name(), "uni4E00");
}

TEST_F(GlyphStateTest, ClearLeavesAnEmptySingleMasterGlyph) {
  Glyph glyph(3);
  glyph.setName("cid00042");
  glyph.setAdvance(2, {1000, 0});
  glyph.appendNode(Node::move({1, 1}, 3));
  glyph.hints() = GlyphHints{};
  glyph.guides() = GlyphGuides{};
  glyph.components().push_back(Component{});
  glyph.setKerning(3, -20);
  glyph.trueTypeData() = TrueTypeGlyphData{};
  glyph.setHighlight(0, 1);
  glyph.clear();
  EXPECT_EQ(glyph.masterCount(), 1);
  EXPECT_TRUE(glyph.empty());
  EXPECT_TRUE(glyph.name().empty());
  EXPECT_EQ(glyph.advances(), (std::vector<Point>{{0, 0}}));
  EXPECT_FALSE(glyph.hints().has_value());
  EXPECT_FALSE(glyph.guides().has_value());
  EXPECT_TRUE(glyph.components().empty());
  EXPECT_TRUE(glyph.kerning().empty());
  EXPECT_FALSE(glyph.trueTypeData().has_value());
  EXPECT_EQ(glyph.highlightedNode(), -1);
  EXPECT_TRUE(glyph.sameContent(Glyph()));
}

TEST_F(GlyphStateTest, NewGlyphHasRoomForOneAdvancePerMaster) {
  Glyph glyph(4);
  EXPECT_EQ(glyph.advances().size(), 4u);
  glyph.setAdvance(3, {500, 0});
  EXPECT_EQ(glyph.advance(3), (Point{500, 0}));
  EXPECT_EQ(glyph.advance(0), (Point{0, 0}));
}

}  // namespace
}  // namespace sorvella
