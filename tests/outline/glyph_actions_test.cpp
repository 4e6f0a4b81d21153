// The per-glyph actions on small glyphs whose results are known, their summaries, and programs
// that go on past a failing action.
#include "outline/glyph_actions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "support/path_glyph.h"

namespace sorvella {
namespace {

GlyphAction actionOf(ActionKind kind, std::vector<double> fields = {},
                     std::vector<bool> checks = {}) {
  GlyphAction a = GlyphAction::make(kind);
  for (std::size_t i = 0; i < fields.size(); ++i) a.setField(static_cast<int>(i), fields[i]);
  for (std::size_t i = 0; i < checks.size(); ++i) a.checks[i] = checks[i];
  return a;
}

class GlyphActionTest : public ::testing::Test {
 protected:
  // x 30 .. 430, y 0 .. 500, advance 500, a stem and a guide each way, a replacement program.
  void SetUp() override {
    glyph_.setAdvance(0, {500, 0});
    glyph_.hints() = GlyphHints{{test::stemHint(100, 40)}, {test::stemHint(60, 80)}, {{255, 2}}};
    glyph_.guides() = GlyphGuides{{Guide{{GuideValue{300, 0}}}}, {Guide{{GuideValue{200, 0}}}}};
  }
  ProgramOnGlyph run(std::vector<GlyphAction> actions) {
    std::vector<PreparedAction> prepared;
    for (const GlyphAction& a : actions) prepared.push_back(prepareAction(a, font_, 0, {}));
    return applyProgram(prepared, glyph_);
  }
  // Points of master 0 after a run on a fresh path.
  std::vector<Point> pointsAfter(const char* path, std::vector<GlyphAction> actions) {
    glyph_ = test::pathGlyph(path);
    run(std::move(actions));
    std::vector<Point> points;
    for (int i = 0; i < glyph_.nodeCount(); ++i) points.push_back(glyph_.point(i));
    return points;
  }
  std::pair<int, int> stem(bool horizontal) const {
    return test::stemsOf(horizontal ? glyph_.hints()->horizontal : glyph_.hints()->vertical).at(0);
  }

  SubsetFont font_;
  Glyph glyph_ = test::pathGlyph("M 30 0 L 430 0 L 430 500 L 30 500");
};

TEST_F(GlyphActionTest, ShiftThenChangeWidthCentresRegardlessOfTheShift) {
  run({actionOf(ActionKind::kShift, {10, 7}), actionOf(ActionKind::kChangeWidth, {600})});
  EXPECT_EQ(glyph_.point(0), (Point{100, 7}));
  EXPECT_EQ(glyph_.advance(0), (Point{600, 0}));
  EXPECT_EQ(stem(false), std::make_pair(130, 80));
  EXPECT_EQ(stem(true), std::make_pair(107, 40));
  EXPECT_EQ(glyph_.guides()->vertical[0].masters[0].position, 270);
  EXPECT_EQ(glyph_.guides()->horizontal[0].masters[0].position, 307);
}

TEST_F(GlyphActionTest, ScaleByHalfHalvesAdvanceAndHintsThenSidebearingsMoveThem) {
  run({actionOf(ActionKind::kScale, {50, 50})});
  EXPECT_EQ(glyph_.point(2), (Point{215, 250}));
  EXPECT_EQ(glyph_.advance(0), (Point{250, 0}));
  EXPECT_EQ(stem(true), std::make_pair(50, 20));
  EXPECT_EQ(stem(false), std::make_pair(30, 40));
  run({actionOf(ActionKind::kSetSidebearings, {80, 80})});  // x 15 .. 215
  EXPECT_EQ(glyph_.advance(0), (Point{360, 0}));
  EXPECT_EQ(stem(false), std::make_pair(95, 40));
}

TEST_F(GlyphActionTest, PointTransformationsRoundHalvesDown) {
  const char* path = "M 100 0 L 0 500 L 0 150";
  EXPECT_EQ(pointsAfter(path, {actionOf(ActionKind::kRotate, {90, 0, 0})}),
            (std::vector<Point>{{0, 100}, {-500, 0}, {-150, 0}}));
  EXPECT_EQ(pointsAfter(path, {actionOf(ActionKind::kRotate, {-90, 0, 100})}),
            (std::vector<Point>{{-100, 0}, {400, 100}, {50, 100}}));
  EXPECT_EQ(pointsAfter(path, {actionOf(ActionKind::kSlant, {12, 0})}),
            (std::vector<Point>{{100, 0}, {106, 500}, {32, 150}}));
  // Near a right angle the tangent is held at 9, the sine and cosine keeping their signs.
  EXPECT_EQ(pointsAfter(path, {actionOf(ActionKind::kSlant, {89.5, 50})})[2], (Point{900, 150}));
  EXPECT_EQ(pointsAfter(path, {actionOf(ActionKind::kSlant, {90.4, 50})})[2], (Point{-900, 150}));
  EXPECT_EQ(pointsAfter("M 1 1 L 3 -1", {actionOf(ActionKind::kScale, {50, -50})}),
            (std::vector<Point>{{0, -1}, {1, 0}}));
}

TEST_F(GlyphActionTest, RemoveHintsOfOneDirectionKeepsTheOther) {
  run({actionOf(ActionKind::kRemoveHints, {}, {true, false})});
  EXPECT_TRUE(glyph_.hints()->vertical.empty());
  EXPECT_TRUE(glyph_.hints()->replacement.empty());
  EXPECT_EQ(glyph_.hints()->horizontal.size(), 1u);
  run({actionOf(ActionKind::kRemoveHints, {}, {true, true})});
  EXPECT_FALSE(glyph_.hints());
}

TEST_F(GlyphActionTest, AFailingActionDoesNotStopTheProgram) {
  Glyph two(2);
  two.appendNode(Node::move({0, 0}, 2));
  two.appendNode(Node::line({100, 0}, 2));
  two.setHighlight(1, 0);
  glyph_ = two;
  const ProgramOnGlyph r =
      run({actionOf(ActionKind::kRemoveOverlap), actionOf(ActionKind::kChangeWeight, {0, 10, 10}),
           actionOf(ActionKind::kShift, {5, 0})});
  EXPECT_TRUE(r.failed);
  EXPECT_EQ(r.failedKind, ActionKind::kRemoveOverlap);
  EXPECT_EQ(glyph_.point(1), (Point{105, 0}));
  EXPECT_EQ(glyph_.highlightedNode(), -1);
}

TEST(ActionSummaryTest, ShowsTheParametersInTheKindsFormat) {
  const std::pair<GlyphAction, const char*> cases[] = {
      {actionOf(ActionKind::kScale, {50, 12.345}), "Scale by (50.00%, 12.35%)"},
      {actionOf(ActionKind::kRemoveHints, {}, {false, true}), "Remove hints (H)"},
      {actionOf(ActionKind::kChangeWeight, {0, 10, -4}, {false, true}),
       "Weight H: 10, V: -4, -, R"},
      {actionOf(ActionKind::kCreateOutline, {0, 20.6, 20}), "Outline H: 21, V: 20, D, -"},
      {actionOf(ActionKind::kShift, {1e9, NAN}), "Shift by (32767, 0)"}};
  for (const auto& [action, summary] : cases) EXPECT_EQ(action.summary(), summary);
  EXPECT_EQ(actionControlLabels(ActionKind::kChangeWeight),
            (std::array<std::string, 5>{"", "Horz. weight:", "Vert. weight:", "Save dimensions",
                                        "Rounded corners"}));
}

}  // namespace
}  // namespace sorvella
