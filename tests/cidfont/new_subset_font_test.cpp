// The New subset font command's pure rules: the name, and the coupled index font fields.
#include "cidfont/new_subset_font.h"

#include <gtest/gtest.h>

namespace sorvella {
namespace {

class NewFontName : public ::testing::Test {};

TEST_F(NewFontName, SpacesBeforeBetweenAndAfterAreDropped) {
  EXPECT_EQ(newSubsetFontName(" My Font "), "MyFont");
}

TEST_F(NewFontName, NothingLeftGivesUntitled) {
  EXPECT_EQ(newSubsetFontName("    "), "Untitled");
  EXPECT_EQ(newSubsetFontName(""), "Untitled");
}

TEST_F(NewFontName, EmptyFontCarriesTheName) {
  auto font = makeEmptySubsetFont("Kana");
  EXPECT_EQ(font->info().fontName(), "Kana");
  EXPECT_EQ(font->slotCount(), 0);
  EXPECT_EQ(font->masterCount(), 1);
}

class IndexFontFieldCoupling : public ::testing::Test {};

TEST_F(IndexFontFieldCoupling, FirstAboveLastPullsLastAlong) {
  IndexFontFields f;
  f.setLast(5);
  f.setFirst(20);
  EXPECT_EQ(f.last, 20u);
  EXPECT_EQ(f.count, 1u);
  f.setCount(3);
  EXPECT_EQ(f.last, 22u);
}

TEST_F(IndexFontFieldCoupling, LastBelowFirstPullsFirstAlong) {
  IndexFontFields f;
  f.setFirst(10);
  f.setLast(4);
  EXPECT_EQ(f.first, 4u);
  EXPECT_EQ(f.count, 1u);
  f.setLast(9);
  EXPECT_EQ(f.count, 6u);
}

TEST_F(IndexFontFieldCoupling, FirstBelowLastCounts) {
  IndexFontFields f;
  f.setLast(12);
  f.setFirst(8);
  EXPECT_EQ(f.count, 5u);
}

TEST_F(IndexFontFieldCoupling, GlyphNamesHaveFourDigits) {
  EXPECT_EQ(indexGlyphName(8), "IND-0008");
  EXPECT_EQ(indexGlyphName(12345), "IND-12345");
}

}  // namespace
}  // namespace sorvella
