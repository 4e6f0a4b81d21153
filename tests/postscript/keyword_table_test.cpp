#include "postscript/keyword_table.h"

#include <gtest/gtest.h>

namespace sorvella {
namespace {

// Resources want the first character exact; index files ignore the case of every letter.
TEST(KeywordTable, TheTwoLookupsDifferOnlyInTheFirstCharacter) {
  const struct {
    const char* word;
    Keyword resource, index;
  } cases[] = {
      {"FontName", kKwFontName, kKwFontName},
      {"fontname", kKwNone, kKwFontName},
      {"beginCMAP", kKwBegincmap, kKwBegincmap},
      {"BeginCMap", kKwNone, kKwBegincmap},
      {"GLYPH:", kKwGLYPH, kKwGLYPH},
      {"cid:", kKwNone, kKwCID},
      {"GLYPH", kKwNone, kKwNone},
      {"", kKwNone, kKwNone},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(keywordNumber(c.word), c.resource) << c.word;
    EXPECT_EQ(indexKeywordNumber(c.word), c.index) << c.word;
  }
}

}  // namespace
}  // namespace sorvella
