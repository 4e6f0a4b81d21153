// The zone list of a subset font: the baseline pair, the further BlueValues pairs and the
// OtherBlues pairs, for the master asked for.
#include "outline/hint_zones.h"

#include <gtest/gtest.h>

namespace sorvella {
namespace {

using Zones = std::vector<AlignmentZone>;

TEST(HintZones, BaselineAndOtherBluesRiseFurtherBlueValuesFall) {
  SubsetFont font;
  font.setMasterCount(2);
  font.info().zoneCounts = {.blueValues = 6, .otherBlues = 2};
  font.master(0).privateValues.blueValues = {-15, 0, 700, 712, 500, 510};
  font.master(0).privateValues.otherBlues = {-250, -240};
  font.master(1).privateValues.blueValues = {-20, 0, 650, 670, 480, 495};
  EXPECT_EQ(alignmentZones(font, 0), (Zones{{-15, 15}, {712, -12}, {510, -10}, {-250, 10}}));
  EXPECT_EQ(alignmentZones(font, 7), (Zones{{-20, 20}, {670, -20}, {495, -15}, {0, 0}}));
  // Only whole pairs within the arrays count, whatever a damaged count says.
  font.info().zoneCounts = {.blueValues = 3, .otherBlues = 400};
  EXPECT_EQ(alignmentZones(font, 0).size(), 1u + 5u);
}

}  // namespace
}  // namespace sorvella
