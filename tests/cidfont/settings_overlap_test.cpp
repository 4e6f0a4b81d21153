// The OverlapMode option: its two controls, and remove overlap run with the mode it holds.
#include "cidfont/settings_overlap.h"

#include <gtest/gtest.h>

#include "support/outline_path.h"

namespace sorvella {
namespace {

TEST(OverlapModeOptionTest, ControlsShowAndRebuildTheTwoBits) {
  const struct {
    uint16_t mode;
    OverlapModeControls controls;
    uint16_t rebuilt;
  } cases[] = {
      {0, {false, false}, 0}, {1, {false, true}, 1},      {2, {true, false}, 2},
      {3, {true, true}, 3},   {0xFFFE, {true, false}, 2},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(overlapModeControls(c.mode), c.controls) << c.mode;
    EXPECT_EQ(overlapModeFromControls(c.controls), c.rebuilt) << c.mode;
  }
}

TEST(OverlapModeOptionTest, RemoveOverlapFollowsTheOption) {
  const std::string nested =
      test::rectanglePath(0, 0, 100, 100) + test::rectanglePath(20, 20, 80, 80);
  Options options;
  Glyph postScript = test::pathGlyph(nested);
  ASSERT_EQ(removeOverlap(postScript, 0, options), OverlapStatus::kOk);  // default 2
  EXPECT_EQ(test::contourSummary(postScript), "+(0,0)(100,0)(100,100)(0,100) ");
  options.overlapMode = overlap_mode::kAtmFill;
  Glyph atm = test::pathGlyph(nested);
  ASSERT_EQ(removeOverlap(atm, 0, options), OverlapStatus::kOk);
  EXPECT_EQ(test::contourSummary(atm),
            "+(0,0)(100,0)(100,100)(0,100) +(20,20)(80,20)(80,80)(20,80) ");
}

}  // namespace
}  // namespace sorvella
