// Hint replacement: which hints conflict, and the programs built along small outlines whose
// nodes touch chosen hints.
#include "outline/autohint_replacement.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "outline/autohint.h"
#include "support/path_glyph.h"

namespace sorvella {
namespace {

using test::pathGlyph;
using test::stemHint;
using Program = std::vector<HintReplacementEntry>;

constexpr uint16_t kH = hint_kind::kHorizontal;
constexpr uint16_t kPoint = hint_kind::kReplacementPoint;

TEST(HintConflicts, OverlappingSpansConflictTouchingEndsDoNot) {
  const std::tuple<Hint, Hint, bool> cases[] = {
      {stemHint(0, 50), stemHint(49, 10), true},
      {stemHint(0, 50), stemHint(50, 10), false},     // touching ends
      {stemHint(50, -50), stemHint(-10, 10), false},  // the same, given from the other side
      {Hint{{{0, 10}, {100, 10}}}, Hint{{{20, 10}, {105, 10}}}, true},  // in the second master
  };
  for (const auto& [a, b, conflict] : cases) {
    EXPECT_EQ(hintsConflict(a, b), conflict)
        << a.masters[0].position << " " << b.masters[0].position;
    EXPECT_EQ(hintsConflict(b, a), conflict);
  }
}

class ReplacementProgram : public ::testing::Test {
 protected:
  Program build(const char* path, std::vector<Hint> horizontal) {
    Glyph g = pathGlyph(path);
    g.hints().emplace().horizontal = std::move(horizontal);
    return buildReplacementProgram(g);
  }
};

// Node 0 touches h0 (0, 50) and h1 (0, 80); node 1 meets h1 before any node meets h0, so h1
// takes h0's place. Node 2 touches only h0 and opens the second set.
TEST_F(ReplacementProgram, ConflictingHintAtAMemberIsExchangedWhenItComesFirst) {
  Program p = build("M 0 0 L 100 80 L 200 50 L 300 200", {stemHint(0, 50), stemHint(0, 80)});
  EXPECT_EQ(p, (Program{{kH, 1}, {kPoint, 2}, {kH, 1}}));
}

// The same with nodes 1 and 2 swapped: h0 is met first, so h1 is left out at node 0.
TEST_F(ReplacementProgram, ConflictingHintAtAMemberIsLeftOutWhenTheMemberComesFirst) {
  Program p = build("M 0 0 L 100 50 L 200 80 L 300 200", {stemHint(0, 50), stemHint(0, 80)});
  EXPECT_EQ(p, (Program{{kH, 0}, {kPoint, 2}, {kH, 0}}));
}

// At node 1, h2 (20, 100) conflicts first with h0 (80, 60), whose place it would take, but
// also with h1 (20, 30) beside it: it stays out instead of joining a conflicting set.
TEST_F(ReplacementProgram, ExchangedHintMayNotConflictWithTheOtherMembers) {
  Program p =
      build("M 0 80 L 100 20 L 200 120", {stemHint(80, 60), stemHint(20, 30), stemHint(20, 100)});
  EXPECT_EQ(p, (Program{{kH, 0}, {kH, 1}, {kPoint, 2}, {kH, 2}, {kPoint, -2}, {kH, 0}, {kH, 1}}));
}

// Without conflicts, or when both hints are touched only by node 0 (the second is left out
// there and never offered where it could open a set), no point is made and no program kept.
TEST_F(ReplacementProgram, NoPointMeansNoProgram) {
  EXPECT_TRUE(build("M 0 0 L 100 50 L 200 80", {stemHint(0, 50), stemHint(50, 30)}).empty());
  EXPECT_TRUE(build("M 0 0 L 300 200", {stemHint(0, 50), stemHint(0, 80)}).empty());
}

// An upper bar drawn first and a lower one after it, overlapping: two sets, switched at the
// lower bar's first node that touches its hint.
TEST(AutohintReplacement, OverlappingBarsOfTwoContoursSwitchAtTheSecond) {
  Glyph g = pathGlyph("M 0 100 L 300 100 L 300 180 L 0 180 M 400 50 L 700 50 L 700 130 L 400 130");
  ASSERT_EQ(autohint(g, 0, {}, AutohintParameters{}), AutohintStatus::kOk);
  ASSERT_EQ(test::stemsOf(g.hints()->horizontal),
            (std::vector<std::pair<int, int>>{{50, 80}, {100, 80}}));
  EXPECT_EQ(g.hints()->replacement, (Program{{kH, 1}, {kPoint, 4}, {kH, 0}}));
}

// The set switches to h1 inside the first contour; where that contour closes, its first node
// needs h0 again, and the point made there names the contour's last node, negated.
TEST_F(ReplacementProgram, PointAtAContourEndCarriesItsLastNodeNegated) {
  Program p =
      build("M 0 0 L 100 80 L 200 200 M 400 300 L 500 300", {stemHint(0, 50), stemHint(20, 60)});
  EXPECT_EQ(p, (Program{{kH, 0}, {kPoint, 1}, {kH, 1}, {kPoint, -2}, {kH, 0}}));
}

}  // namespace
}  // namespace sorvella
