#include "base/rounding.h"

#include <gtest/gtest.h>

#include <limits>

namespace sorvella {
namespace {

TEST(Rounding, ExactHalvesGoDown) {
  EXPECT_EQ(roundHalfDown(2.5), 2.0);
  EXPECT_EQ(roundHalfDown(-2.5), -3.0);
  EXPECT_EQ(roundHalfDown(2.5000001), 3.0);
  EXPECT_EQ(roundHalfDown(-0.4), 0.0);
  EXPECT_EQ(roundToInt16(1.5), 1);
}

TEST(Rounding, CoordinatesSaturateInsteadOfWrapping) {
  EXPECT_EQ(roundToInt16(40000.2), 32767);
  EXPECT_EQ(roundToInt16(-40000.0), -32768);
  EXPECT_EQ(roundToInt16(std::numeric_limits<double>::quiet_NaN()), 0);
  EXPECT_EQ(roundToInt32(1e12), INT32_MAX);
  EXPECT_EQ(roundToInt32(-1e12), INT32_MIN);
}

}  // namespace
}  // namespace sorvella
