// The New subset font command's rules: the name, and the coupled index font fields.
#include "cidfont/new_subset_font.h"

#include <gtest/gtest.h>

namespace sorvella {
namespace {

TEST(NewFontName, BlanksAnywhereAreDroppedAndNothingLeftIsUntitled) {
  EXPECT_EQ(newSubsetFontName(" My\tFont "), "MyFont");
  EXPECT_EQ(newSubsetFontName("    "), "Untitled");
  EXPECT_EQ(newSubsetFontName(""), "Untitled");
}

// Each field typed adjusts the others: the last never stays below the first, and the count
// is the number of indexes from the first to the last.
TEST(IndexFontFieldCoupling, EachFieldAdjustsTheOthers) {
  IndexFontFields f;
  f.setLast(5);
  f.setFirst(20);
  EXPECT_EQ(std::tuple(f.first, f.last, f.count), std::tuple(20u, 20u, 1u));
  f.setCount(3);
  EXPECT_EQ(f.last, 22u);
  f.setLast(4);
  EXPECT_EQ(std::tuple(f.first, f.last, f.count), std::tuple(4u, 4u, 1u));
  f.setLast(9);
  EXPECT_EQ(f.count, 6u);
  f.setFirst(8);
  EXPECT_EQ(std::tuple(f.first, f.last, f.count), std::tuple(8u, 9u, 2u));
}

}  // namespace
}  // namespace sorvella
