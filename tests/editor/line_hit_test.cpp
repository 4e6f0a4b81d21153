// Hints and guides under the pointer: the nearest line within three units, hidden layers left
// out, slanted guides met where the pointer is, and deletion keeping the program's numbering.
#include "editor/line_hit.h"

#include <gtest/gtest.h>

namespace sorvella {
namespace {

class LineHitTest : public ::testing::Test {
 protected:
  void SetUp() override {
    glyph_.hints().emplace();
    glyph_.hints()->horizontal = {Hint{{Stem{100, 50}}}, Hint{{Stem{300, 40}}}};
    glyph_.hints()->vertical = {Hint{{Stem{200, 60}}}};
    glyph_.guides().emplace();
    glyph_.guides()->horizontal = {Guide{{GuideValue{152, 0}}}};
    // Leans one unit right per unit up (slope x 10000).
    glyph_.guides()->vertical = {Guide{{GuideValue{500, 10000}}}};
  }
  std::optional<LineGrab> at(double x, double y, bool hints = true, bool guides = true) {
    return hitTestLines(glyph_, {0, hints, guides}, {x, y});
  }
  Glyph glyph_;
};

TEST_F(LineHitTest, NearestEdgeWithinThreeUnitsAndHintsBeforeGuidesOnTies) {
  EXPECT_EQ(at(0, 103), (LineGrab{LineKind::kHorizontalHint, 0, 0}));
  EXPECT_EQ(at(0, 338), (LineGrab{LineKind::kHorizontalHint, 1, 1}));
  EXPECT_EQ(at(258, 0), (LineGrab{LineKind::kVerticalHint, 0, 1}));
  EXPECT_FALSE(at(0, 104).has_value());
  // 150 is the hint's upper edge, 152 the guide: the nearer wins, a tie goes to the hint.
  EXPECT_EQ(at(0, 151.5), (LineGrab{LineKind::kHorizontalGuide, 0, 0}));
  EXPECT_EQ(at(0, 151), (LineGrab{LineKind::kHorizontalHint, 0, 1}));
  EXPECT_EQ(at(0, 150, false, true), (LineGrab{LineKind::kHorizontalGuide, 0, 0}));
  EXPECT_FALSE(at(0, 103, false, false).has_value());
}

TEST_F(LineHitTest, SlantedGuideIsMetWhereThePointerIs) {
  const int16_t x = guideCoordinate(glyph_.guides()->vertical[0], 0, 200);
  ASSERT_NE(x, 500);  // the guide does lean
  EXPECT_EQ(at(x + 2, 200), (LineGrab{LineKind::kVerticalGuide, 0, 0}));
  EXPECT_FALSE(at(502, 200).has_value());
}

TEST_F(LineHitTest, DeletingAHintRenumbersTheReplacementProgram) {
  auto& program = glyph_.hints()->replacement;
  program = {{hint_kind::kHorizontal, 0},
             {hint_kind::kVertical, 0},
             {hint_kind::kReplacementPoint, 4},
             {hint_kind::kHorizontal, 1}};
  ASSERT_TRUE(deleteLine(glyph_, {LineKind::kHorizontalHint, 0, 1}));
  ASSERT_EQ(glyph_.hints()->horizontal.size(), 1u);
  EXPECT_EQ(glyph_.hints()->horizontal[0].masters[0].position, 300);
  const std::vector<HintReplacementEntry> expected = {
      {hint_kind::kVertical, 0}, {hint_kind::kReplacementPoint, 4}, {hint_kind::kHorizontal, 0}};
  EXPECT_EQ(program, expected);
  ASSERT_TRUE(deleteLine(glyph_, {LineKind::kVerticalGuide, 0, 0}));
  EXPECT_TRUE(glyph_.guides()->vertical.empty());
  EXPECT_FALSE(deleteLine(glyph_, {LineKind::kVerticalGuide, 0, 0}));
  EXPECT_FALSE(deleteLine(glyph_, {LineKind::kVerticalHint, 3, 0}));
}

}  // namespace
}  // namespace sorvella
