// Type 1 charstrings assembled by hand, interpreted into glyphs.
#include "postscript/charstring_interpreter.h"

#include <gtest/gtest.h>

#include <map>
#include <variant>

#include "support/charstring_bytes.h"

namespace sorvella {
namespace {

using Item = test::CharstringItem;
using namespace test::charstring_op;

// The charstring's bytes after `lenIV` lead-in bytes.
std::vector<uint8_t> assemble(std::initializer_list<Item> items, int lenIV = 0) {
  std::vector<uint8_t> out(static_cast<std::size_t>(lenIV), 0xAA);
  std::vector<uint8_t> plain = test::assembleCharstring(items);
  out.insert(out.end(), plain.begin(), plain.end());
  return out;
}

class Charstrings : public ::testing::Test {
 protected:
  std::optional<Glyph> run(std::initializer_list<Item> items, int masters = 1) {
    CharstringInterpreter interpreter(masters, 0,
                                      [this](int32_t n) -> std::optional<std::span<const uint8_t>> {
                                        auto it = subrs_.find(n);
                                        if (it == subrs_.end()) return std::nullopt;
                                        return std::span<const uint8_t>(it->second);
                                      });
    auto bytes = assemble(items);
    auto glyph = interpreter.interpret(bytes, seac_, &record_);
    status_ = interpreter.status();
    return glyph;
  }
  std::map<int32_t, std::vector<uint8_t>> subrs_;
  CharstringGlyphRecord record_;
  CharstringStatus status_ = CharstringStatus::kOk;
  bool seac_ = true;
};

TEST_F(Charstrings, LinesFromTheSideBearingPoint) {
  auto g = run({40, 500, kHsbw, 60, 0, kRmoveto, 300, kHlineto, 400, kVlineto, -300, kHlineto,
                kClosepath, kEndchar});
  ASSERT_TRUE(g);
  EXPECT_EQ(g->advance(0), (Point{500, 0}));
  EXPECT_EQ(record_.sideBearing, std::vector<int16_t>{40});
  ASSERT_EQ(g->nodeCount(), 4);
  EXPECT_EQ(g->node(0), Node::move({100, 0}));
  EXPECT_EQ(g->node(1), Node::line({400, 0}));
  EXPECT_EQ(g->node(2), Node::line({400, 400}));
  EXPECT_EQ(g->node(3), Node::line({100, 400}));
  EXPECT_FALSE(g->hints());
}

TEST_F(Charstrings, CurvesStoreEndPointThenBothControls) {
  auto g =
      run({0,          600, kHsbw, 100, 100, kRmoveto,   10, 20, 30, 40, 50,         60,
           kRrcurveto, 5,   6,     7,   8,   kVhcurveto, 9,  10, 11, 12, kHvcurveto, kEndchar});
  ASSERT_TRUE(g);
  ASSERT_EQ(g->nodeCount(), 4);
  EXPECT_EQ(g->node(1), Node::curve({190, 220}, {110, 120}, {140, 160}));
  EXPECT_EQ(g->node(2), Node::curve({204, 232}, {190, 225}, {196, 232}));
  EXPECT_EQ(g->node(3), Node::curve({223, 255}, {213, 232}, {223, 243}));
}

TEST_F(Charstrings, MovesInARowStartOneContourAndATrailingMoveIsDropped) {
  auto g =
      run({0, 500, kHsbw, 10, kHmoveto, 20, kVmoveto, 100, kHlineto, 300, 300, kRmoveto, kEndchar});
  ASSERT_TRUE(g);
  ASSERT_EQ(g->nodeCount(), 2);
  EXPECT_EQ(g->node(0), Node::move({10, 20}));
  EXPECT_EQ(g->node(1), Node::line({110, 20}));
}

TEST_F(Charstrings, StemsAreRelativeToTheSideBearingAndListedOnce) {
  auto g = run({50, 500,    kHsbw, 0,  20,  kHstem, 10,  30, kVstem,  0,
                20, kHstem, 100,   10, 200, 10,     300, 10, kHstem3, kEndchar});
  ASSERT_TRUE(g && g->hints());
  const GlyphHints& hints = *g->hints();
  ASSERT_EQ(hints.horizontal.size(), 4u);
  EXPECT_EQ(hints.horizontal[0], (Hint{{{0, 20}}}));
  EXPECT_EQ(hints.horizontal[3], (Hint{{{300, 10}}}));
  ASSERT_EQ(hints.vertical.size(), 1u);
  EXPECT_EQ(hints.vertical[0], (Hint{{{60, 30}}}));
  EXPECT_TRUE(hints.replacement.empty());  // no replacement point: lists only
}

TEST_F(Charstrings, SbwSetsBothSideBearingsAndTheAdvanceVector) {
  auto g = run({20, 30, 0, 1000, kSbw, 0, 50, kHstem, 5, 5, kRmoveto, kEndchar});
  ASSERT_TRUE(g);
  EXPECT_EQ(g->advance(0), (Point{0, 1000}));
  EXPECT_EQ(g->hints()->horizontal[0], (Hint{{{30, 50}}}));
}

TEST_F(Charstrings, HintReplacementMarksTheNodeWhereTheNewSetStarts) {
  subrs_[4] = assemble({500, 40, kHstem, kReturn});
  auto g = run({0,        600,      kHsbw, 100, 40, kHstem,         0,    0,         kRmoveto,
                100,      kHlineto, 4,     1,   3,  kCallothersubr, kPop, kCallsubr, 100,
                kVlineto, kEndchar});
  ASSERT_TRUE(g && g->hints());
  EXPECT_EQ(g->hints()->replacement, (std::vector<HintReplacementEntry>{{1, 0}, {255, 2}, {1, 1}}));
  EXPECT_EQ(g->nodeCount(), 3);
}

TEST_F(Charstrings, FlexGivesTwoCurvesAndNoMove) {
  // Reference point, then the six points of the two curves.
  auto g = run({0,   500,      kHsbw,    0, 0, kRmoveto,       0,    1,    kCallothersubr,
                100, 0,        kRmoveto, 0, 2, kCallothersubr,  // reference point (100, 0)
                -50, 10,       kRmoveto, 0, 2, kCallothersubr,  // (50, 10)
                20,  10,       kRmoveto, 0, 2, kCallothersubr,  // (70, 20)
                30,  0,        kRmoveto, 0, 2, kCallothersubr,  // (100, 20)
                30,  0,        kRmoveto, 0, 2, kCallothersubr,  // (130, 20)
                20,  -10,      kRmoveto, 0, 2, kCallothersubr,  // (150, 10)
                50,  -10,      kRmoveto, 0, 2, kCallothersubr,  // (200, 0)
                50,  200,      0,        3, 0, kCallothersubr, kPop, kPop, kSetcurrentpoint,
                10,  kHlineto, kEndchar});
  ASSERT_TRUE(g) << static_cast<int>(status_);
  ASSERT_EQ(g->nodeCount(), 4);
  EXPECT_EQ(g->node(0), Node::move({0, 0}));
  EXPECT_EQ(g->node(1), Node::curve({100, 20}, {50, 10}, {70, 20}));
  EXPECT_EQ(g->node(2), Node::curve({200, 0}, {130, 20}, {150, 10}));
  EXPECT_EQ(g->node(3), Node::line({210, 0}));
}

TEST_F(Charstrings, SeacRecordsTheAccentAndDrawsNothing) {
  auto g = run({0, 556, kHsbw, 30, 100, 200, 97, 194, kSeac});
  ASSERT_TRUE(g);
  EXPECT_EQ(g->nodeCount(), 0);
  EXPECT_TRUE(record_.accented);
  EXPECT_EQ(record_.baseCode, 97);
  EXPECT_EQ(record_.accentCode, 194);
  EXPECT_EQ(record_.accentX, std::vector<int16_t>{100});
  EXPECT_EQ(record_.accentY, std::vector<int16_t>{200});
  EXPECT_EQ(record_.accentSideBearing, std::vector<int16_t>{30});
  seac_ = false;
  run({0, 556, kHsbw, 30, 100, 200, 97, 194, kSeac});
  EXPECT_FALSE(record_.accented);
}

TEST_F(Charstrings, DivMakesFractionsThatRoundAtTheEnd) {
  auto g = run({0, 1003, 2, kDiv, kHsbw, 7, 2, kDiv, 0, kRmoveto, kEndchar});
  ASSERT_TRUE(g);
  EXPECT_EQ(g->advance(0).x, 501);  // 501.5, halves go down
  EXPECT_EQ(g->nodeCount(), 0);     // only a move, dropped at the end
}

TEST_F(Charstrings, FaultsSetTheirStatusAndGiveNoGlyph) {
  EXPECT_FALSE(run({0, 500, kHsbw, 7, kCallsubr}));
  EXPECT_EQ(status_, CharstringStatus::kUndefinedSubroutine);
  EXPECT_FALSE(run({1, 0, kDiv}));
  EXPECT_EQ(status_, CharstringStatus::kDivisionByZero);
  EXPECT_FALSE(run({1, kRlineto}));
  EXPECT_EQ(status_, CharstringStatus::kTooFewOperands);
  EXPECT_FALSE(run(
      {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25}));
  EXPECT_EQ(status_, CharstringStatus::kStackOverflow);
  subrs_[0] = assemble({0, kCallsubr, kReturn});
  EXPECT_FALSE(run({0, kCallsubr}));  // calls itself forever
  EXPECT_EQ(status_, CharstringStatus::kTooComplex);
}

TEST_F(Charstrings, ReadingStopsAtTheEndOfTruncatedData) {
  auto g = run({0, 500, kHsbw, 10, 10, kRmoveto, 100});  // no endchar, a dangling number
  ASSERT_TRUE(g);
  EXPECT_EQ(g->advance(0).x, 500);
  std::vector<uint8_t> cut = {139, 247};  // 0, then a two-byte number missing its second byte
  CharstringInterpreter interpreter(1, 0, nullptr);
  EXPECT_TRUE(interpreter.interpret(cut, true));
}

TEST_F(Charstrings, LeadInBytesAreSkipped) {
  CharstringInterpreter interpreter(1, 4, nullptr);
  auto bytes = assemble({0, 321, kHsbw, kEndchar}, 4);
  auto g = interpreter.interpret(bytes, true);
  ASSERT_TRUE(g);
  EXPECT_EQ(g->advance(0).x, 321);
}

TEST_F(Charstrings, BlendsGiveOneValuePerMaster) {
  // Two masters: width 500 and 500 + 20; the move is 10 and 10 - 4.
  auto g = run({0, 500, 20, 2, 14, kCallothersubr, kHsbw, 10, -4, 2, 14, kCallothersubr, 0,
                kRmoveto, 100, kHlineto, kEndchar},
               2);
  ASSERT_TRUE(g) << static_cast<int>(status_);
  EXPECT_EQ(g->advance(0).x, 500);
  EXPECT_EQ(g->advance(1).x, 520);
  EXPECT_EQ(g->point(0, 0, 0), (Point{10, 0}));
  EXPECT_EQ(g->point(0, 0, 1), (Point{6, 0}));
  EXPECT_EQ(g->point(1, 0, 1), (Point{106, 0}));
  EXPECT_FALSE(run({0, 500, 20, 3, 14, kCallothersubr, kHsbw}, 2));
  EXPECT_EQ(status_, CharstringStatus::kBadBlend);
}

}  // namespace
}  // namespace sorvella
