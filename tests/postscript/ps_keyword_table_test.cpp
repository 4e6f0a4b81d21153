// The keyword table of the font-program readers: exact matching and the length limit. The
// numbering itself is checked by every font the readers read.
#include "postscript/ps_keyword_table.h"

#include <gtest/gtest.h>

#include <string>

namespace sorvella {
namespace {

TEST(KeywordNumbers, ComparisonIsExactCaseSensitiveAndBounded) {
  const struct {
    std::string token;
    int number;
  } cases[] = {
      {"/lenIV", kPSLenIV},
      {"/BlendDesignPositions", kPSBlendDesignPositions},
      {"closefile", kPSClosefile},
      {"/LenIV", 0},
      {"/private", 0},
      {"/Private ", 0},
      {"/BlendDesignPositionsXYZ", 0},
      {std::string(5000, 'a'), 0},
      {"", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(psKeywordNumber(c.token), c.number) << c.token;
}

}  // namespace
}  // namespace sorvella
