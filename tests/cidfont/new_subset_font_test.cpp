// The New subset font command's name rule.
#include "cidfont/new_subset_font.h"

#include <gtest/gtest.h>

namespace sorvella {
namespace {

TEST(NewFontName, BlanksAnywhereAreDroppedAndNothingLeftIsUntitled) {
  EXPECT_EQ(newSubsetFontName(" My\tFont "), "MyFont");
  EXPECT_EQ(newSubsetFontName("    "), "Untitled");
  EXPECT_EQ(newSubsetFontName(""), "Untitled");
}

}  // namespace
}  // namespace sorvella
