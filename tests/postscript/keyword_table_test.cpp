#include "postscript/keyword_table.h"

#include <gtest/gtest.h>

namespace sorvella {
namespace {

TEST(KeywordTable, NumbersFollowTheTableOrder) {
  EXPECT_EQ(kKeywords.size(), 55u);
  EXPECT_EQ(keywordNumber("FontName"), 0);
  EXPECT_EQ(keywordNumber("BaseFont"), 13);
  EXPECT_EQ(keywordNumber("begincmap"), 20);
  EXPECT_EQ(keywordNumber("def"), 32);
  EXPECT_EQ(keywordNumber("EndIndexData"), 49);
  EXPECT_EQ(keywordNumber("GLYPH:"), 54);
  EXPECT_EQ(keywordNumber("GLYPH"), -1);
}

TEST(KeywordTable, ResourceLookupWantsTheFirstCharacterExact) {
  EXPECT_EQ(keywordNumber("beginCMAP"), 20);
  EXPECT_EQ(keywordNumber("BeginCMap"), -1);
  EXPECT_EQ(keywordNumber("fontname"), -1);
  EXPECT_EQ(keywordNumber(""), -1);
}

TEST(KeywordTable, IndexLookupIgnoresCaseOfEveryLetter) {
  EXPECT_EQ(indexKeywordNumber("fontname"), 0);
  EXPECT_EQ(indexKeywordNumber("begincharacterdata"), 12);
  EXPECT_EQ(indexKeywordNumber("BeginCMap"), 20);
  EXPECT_EQ(indexKeywordNumber("cid:"), 52);
  EXPECT_EQ(indexKeywordNumber("CID"), -1);
  EXPECT_EQ(indexKeywordNumber(""), -1);
}

}  // namespace
}  // namespace sorvella
