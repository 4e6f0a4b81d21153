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

// The programs built along small outlines whose nodes touch horizontal hints.
TEST(ReplacementProgram, SetsSwitchWhereNodesNeedConflictingHints) {
  const struct {
    const char* why;
    const char* path;
    std::vector<Hint> hints;
    Program expected;
  } cases[] = {
      {"node 1 meets h1 before any node meets h0: h1 takes h0's place; node 2 opens set 2",
       "M 0 0 L 100 80 L 200 50 L 300 200",
       {stemHint(0, 50), stemHint(0, 80)},
       {{kH, 1}, {kPoint, 2}, {kH, 1}}},
      {"h0 is met first, so h1 is left out at node 0",
       "M 0 0 L 100 50 L 200 80 L 300 200",
       {stemHint(0, 50), stemHint(0, 80)},
       {{kH, 0}, {kPoint, 2}, {kH, 0}}},
      {"h2 would take h0's place but conflicts with h1 beside it too: it stays out",
       "M 0 80 L 100 20 L 200 120",
       {stemHint(80, 60), stemHint(20, 30), stemHint(20, 100)},
       {{kH, 0}, {kH, 1}, {kPoint, 2}, {kH, 2}, {kPoint, -2}, {kH, 0}, {kH, 1}}},
      {"no conflicts: no point, no program",
       "M 0 0 L 100 50 L 200 80",
       {stemHint(0, 50), stemHint(50, 30)},
       {}},
      {"both touched only by node 0: the second is never offered",
       "M 0 0 L 300 200",
       {stemHint(0, 50), stemHint(0, 80)},
       {}},
      {"where the first contour closes, its first node needs h0 again; the point names the "
       "contour's last node, negated",
       "M 0 0 L 100 80 L 200 200 M 400 300 L 500 300",
       {stemHint(0, 50), stemHint(20, 60)},
       {{kH, 0}, {kPoint, 1}, {kH, 1}, {kPoint, -2}, {kH, 0}}},
  };
  for (const auto& c : cases) {
    Glyph g = pathGlyph(c.path);
    g.hints().emplace().horizontal = c.hints;
    EXPECT_EQ(buildReplacementProgram(g), c.expected) << c.why;
  }
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

}  // namespace
}  // namespace sorvella
