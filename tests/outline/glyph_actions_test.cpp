// The per-glyph actions on small glyphs whose results are known (shift, scale, rotate, slant,
// sidebearings, width, hints, overlap, weight), their summaries, and programs that go on past
// a failing action.
#include "outline/glyph_actions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "support/path_glyph.h"
#include "support/sample_fonts.h"

namespace sorvella {
namespace {

// x 30 .. 430, y 0 .. 500, advance 500, with one stem each way and a replacement program.
Glyph sampleGlyph() {
  Glyph g = test::pathGlyph("M 30 0 L 430 0 L 430 500 L 30 500");
  g.setAdvance(0, {500, 0});
  GlyphHints hints;
  hints.horizontal.push_back(test::stemHint(100, 40));
  hints.vertical.push_back(test::stemHint(60, 80));
  hints.replacement.push_back({hint_kind::kReplacementPoint, 2});
  g.hints() = hints;
  GlyphGuides guides;
  guides.horizontal.push_back(Guide{{GuideValue{300, 0}}});
  guides.vertical.push_back(Guide{{GuideValue{200, 0}}});
  g.guides() = guides;
  return g;
}

GlyphAction actionOf(ActionKind kind, std::vector<double> fields = {},
                     std::vector<bool> checks = {}) {
  GlyphAction a = GlyphAction::make(kind);
  for (std::size_t i = 0; i < fields.size(); ++i) a.setField(static_cast<int>(i), fields[i]);
  for (std::size_t i = 0; i < checks.size(); ++i) a.checks[i] = checks[i];
  return a;
}

class GlyphActionTest : public ::testing::Test {
 protected:
  ProgramOnGlyph run(std::vector<GlyphAction> actions) {
    std::vector<PreparedAction> prepared;
    for (const GlyphAction& a : actions) prepared.push_back(prepareAction(a, font_, 0, {}));
    return applyProgram(prepared, glyph_);
  }
  Box box() const {
    Box b;
    glyph_.widenControlBox(0, b);
    return b;
  }

  SubsetFont font_ = test::sampleFont();
  Glyph glyph_ = sampleGlyph();
};

TEST_F(GlyphActionTest, ShiftThenChangeWidthCentresRegardlessOfTheShift) {
  run({actionOf(ActionKind::kShift, {10, 0}), actionOf(ActionKind::kChangeWidth, {600})});
  EXPECT_EQ(box().xMin, 100);
  EXPECT_EQ(box().xMax, 500);
  EXPECT_EQ(glyph_.advance(0), (Point{600, 0}));
  // Vertical stems and guides moved with the outline, horizontal ones stayed.
  EXPECT_EQ(glyph_.hints()->vertical[0].masters[0].position, 60 + 70);
  EXPECT_EQ(glyph_.hints()->horizontal[0].masters[0].position, 100);
  EXPECT_EQ(glyph_.guides()->vertical[0].masters[0].position, 200 + 70);
}

TEST_F(GlyphActionTest, ShiftMovesHintsAndGuidesAlongTheirAxes) {
  run({actionOf(ActionKind::kShift, {-5, 7})});
  EXPECT_EQ(box(), (Box{25, 7, 425, 507}));
  EXPECT_EQ(test::stemsOf(glyph_.hints()->horizontal),
            (std::vector<std::pair<int, int>>{{107, 40}}));
  EXPECT_EQ(test::stemsOf(glyph_.hints()->vertical), (std::vector<std::pair<int, int>>{{55, 80}}));
  EXPECT_EQ(glyph_.guides()->horizontal[0].masters[0].position, 307);
  EXPECT_EQ(glyph_.advance(0), (Point{500, 0}));
}

TEST_F(GlyphActionTest, ScaleByHalfHalvesAdvanceAndHints) {
  run({actionOf(ActionKind::kScale, {50, 50})});
  EXPECT_EQ(box(), (Box{15, 0, 215, 250}));
  EXPECT_EQ(glyph_.advance(0), (Point{250, 0}));
  EXPECT_EQ(test::stemsOf(glyph_.hints()->horizontal),
            (std::vector<std::pair<int, int>>{{50, 20}}));
  EXPECT_EQ(test::stemsOf(glyph_.hints()->vertical), (std::vector<std::pair<int, int>>{{30, 40}}));
  EXPECT_EQ(glyph_.guides()->horizontal[0].masters[0].position, 150);
}

TEST_F(GlyphActionTest, ScaleRoundsHalvesDownAndMirrorsWithNegativePercentages) {
  glyph_ = test::pathGlyph("M 1 1 L 3 1 L 3 3");
  run({actionOf(ActionKind::kScale, {50, -50})});
  EXPECT_EQ(glyph_.point(0), (Point{0, -1}));  // 0.5 goes down to 0, -0.5 to -1
  EXPECT_EQ(glyph_.point(1), (Point{1, -1}));
}

TEST_F(GlyphActionTest, RotateQuarterTurnAboutTheOriginAndAboutACentre) {
  glyph_ = test::pathGlyph("M 100 0 L 200 0 L 200 50");
  run({actionOf(ActionKind::kRotate, {90, 0, 0})});
  EXPECT_EQ(glyph_.point(0), (Point{0, 100}));
  EXPECT_EQ(glyph_.point(2), (Point{-50, 200}));
  run({actionOf(ActionKind::kRotate, {-90, 0, 100})});
  EXPECT_EQ(glyph_.point(0), (Point{0, 100}));
  EXPECT_EQ(glyph_.point(1), (Point{100, 100}));
}

TEST_F(GlyphActionTest, SlantMovesPointsByTheTangentAboveTheBase) {
  glyph_ = test::pathGlyph("M 0 500 L 100 0 L 100 -100");
  run({actionOf(ActionKind::kSlant, {12, 0})});
  EXPECT_EQ(glyph_.point(0), (Point{106, 500}));
  EXPECT_EQ(glyph_.point(1), (Point{100, 0}));
  EXPECT_EQ(glyph_.point(2), (Point{79, -100}));
}

TEST_F(GlyphActionTest, NearVerticalSlantIsLimitedToTangentNine) {
  glyph_ = test::pathGlyph("M 0 150 L 100 50 L 100 -50");
  run({actionOf(ActionKind::kSlant, {89.5, 50})});
  EXPECT_EQ(glyph_.point(0), (Point{900, 150}));
  EXPECT_EQ(glyph_.point(1), (Point{100, 50}));
  glyph_ = test::pathGlyph("M 0 150 L 100 50 L 100 -50");
  run({actionOf(ActionKind::kSlant, {-89.5, 50})});
  EXPECT_EQ(glyph_.point(0), (Point{-900, 150}));
  // Just past a right angle the cosine keeps its negative sign.
  glyph_ = test::pathGlyph("M 0 150 L 100 50 L 100 -50");
  run({actionOf(ActionKind::kSlant, {90.4, 50})});
  EXPECT_EQ(glyph_.point(0), (Point{-900, 150}));
}

TEST_F(GlyphActionTest, SetSidebearingsMovesAndSetsTheAdvance) {
  run({actionOf(ActionKind::kSetSidebearings, {80, 80})});
  EXPECT_EQ(box().xMin, 80);
  EXPECT_EQ(glyph_.advance(0), (Point{560, 0}));
  EXPECT_EQ(glyph_.hints()->vertical[0].masters[0].position, 110);
}

TEST_F(GlyphActionTest, ChangeWidthNarrowerThanTheGlyphKeepsItAtZero) {
  run({actionOf(ActionKind::kChangeWidth, {300})});
  EXPECT_EQ(box().xMin, 0);
  EXPECT_EQ(glyph_.advance(0), (Point{300, 0}));
  Glyph empty;
  empty.setAdvance(0, {250, 0});
  glyph_ = empty;
  run({actionOf(ActionKind::kChangeWidth, {600}), actionOf(ActionKind::kSetSidebearings, {1, 1})});
  EXPECT_EQ(glyph_.advance(0), (Point{600, 0}));
}

TEST_F(GlyphActionTest, RemoveHintsOfOneDirectionKeepsTheOther) {
  run({actionOf(ActionKind::kRemoveHints, {}, {true, false})});
  ASSERT_TRUE(glyph_.hints());
  EXPECT_TRUE(glyph_.hints()->vertical.empty());
  EXPECT_TRUE(glyph_.hints()->replacement.empty());
  EXPECT_EQ(glyph_.hints()->horizontal.size(), 1u);
  glyph_ = sampleGlyph();
  run({actionOf(ActionKind::kRemoveHints, {}, {false, true})});
  EXPECT_TRUE(glyph_.hints()->horizontal.empty());
  EXPECT_EQ(glyph_.hints()->vertical.size(), 1u);
  run({actionOf(ActionKind::kRemoveHints, {}, {true, true})});
  EXPECT_FALSE(glyph_.hints());
}

TEST_F(GlyphActionTest, AutohintUsesTheFontsZonesAndRemoveOverlapMerges) {
  glyph_ = *font_.glyph(4);  // "H" with its three stems
  glyph_.hints().reset();
  run({actionOf(ActionKind::kAutohint)});
  ASSERT_TRUE(glyph_.hints());
  EXPECT_EQ(glyph_.hints()->vertical.size(), 2u);
  glyph_ = test::pathGlyph("M 0 0 L 100 0 L 100 100 L 0 100 M 50 50 L 150 50 L 150 150 L 50 150");
  EXPECT_FALSE(run({actionOf(ActionKind::kRemoveOverlap)}).failed);
  EXPECT_EQ(glyph_.contourCount(), 1);
}

TEST_F(GlyphActionTest, WeightActionsReportTheirCorners) {
  glyph_ = test::pathGlyph("M 0 0 L 100 0 L 100 100 L 0 100");
  run({actionOf(ActionKind::kChangeWeight, {0, 10, 10}, {false, false})});
  EXPECT_EQ(box(), (Box{-10, -10, 110, 110}));
  run({actionOf(ActionKind::kCreateOutline, {0, 5, 5}, {true, false})});
  EXPECT_EQ(glyph_.contourCount(), 2);
  EXPECT_EQ(box(), (Box{-10, -10, 110, 110}));
}

TEST_F(GlyphActionTest, AFailingActionDoesNotStopTheProgram) {
  Glyph two(2);
  two.appendNode(Node::move({0, 0}, 2));
  two.appendNode(Node::line({100, 0}, 2));
  two.appendNode(Node::line({0, 100}, 2));
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

struct SummaryCase {
  GlyphAction action;
  const char* summary;
};

class ActionSummaryTest : public ::testing::TestWithParam<SummaryCase> {};

TEST_P(ActionSummaryTest, ShowsTheParametersInTheKindsFormat) {
  EXPECT_EQ(GetParam().action.summary(), GetParam().summary);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ActionSummaryTest,
    ::testing::Values(
        SummaryCase{actionOf(ActionKind::kShift, {10, -3}), "Shift by (10, -3)"},
        SummaryCase{actionOf(ActionKind::kScale, {50, 12.345}), "Scale by (50.00%, 12.35%)"},
        SummaryCase{actionOf(ActionKind::kRotate, {90, 1, 2}),
                    "Rotate on 90.00 deg. around (1, 2)"},
        SummaryCase{actionOf(ActionKind::kSlant, {12, 40}), "Slant on 12.00 deg. base on (40)"},
        SummaryCase{actionOf(ActionKind::kAutohint), "Autohint"},
        SummaryCase{actionOf(ActionKind::kRemoveHints), "Remove hints (V+H)"},
        SummaryCase{actionOf(ActionKind::kRemoveHints, {}, {true, false}), "Remove hints (V)"},
        SummaryCase{actionOf(ActionKind::kRemoveHints, {}, {false, true}), "Remove hints (H)"},
        SummaryCase{actionOf(ActionKind::kRemoveOverlap), "Remove overlap"},
        SummaryCase{actionOf(ActionKind::kSetSidebearings), "Sidebearings L: 80, R: 80"},
        SummaryCase{actionOf(ActionKind::kChangeWidth), "Set width = 500"},
        SummaryCase{actionOf(ActionKind::kChangeWidth, {-20}), "Set width = 0"},
        SummaryCase{actionOf(ActionKind::kChangeWeight), "Weight H: 0, V: 0, D, -"},
        SummaryCase{actionOf(ActionKind::kChangeWeight, {0, 10, -4}, {false, true}),
                    "Weight H: 10, V: -4, -, R"},
        SummaryCase{actionOf(ActionKind::kCreateOutline, {0, 20.6, 20}, {true, true}),
                    "Outline H: 21, V: 20, D, R"},
        SummaryCase{actionOf(ActionKind::kShift, {1e9, NAN}), "Shift by (32767, 0)"}));

TEST(ActionKindInfoTest, LabelsGoToTheControlsTheKindUses) {
  EXPECT_EQ(actionControlLabels(ActionKind::kChangeWeight),
            (std::array<std::string, 5>{"", "Horz. weight:", "Vert. weight:", "Save dimensions",
                                        "Rounded corners"}));
  EXPECT_EQ(actionControlLabels(ActionKind::kScale),
            (std::array<std::string, 5>{"Horizontal Scale:", "Vertical Scale:", "", "",
                                        "Scale proportionally"}));
  EXPECT_EQ(actionControlLabels(ActionKind::kAutohint), (std::array<std::string, 5>{}));
}

}  // namespace
}  // namespace sorvella
