// The keyword table of the font-program readers: numbering, exact matching, length limit.
#include "postscript/ps_keyword_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace sorvella {
namespace {

// The published order, numbered from 1, separated by spaces.
constexpr std::string_view kExpectedWords =
    "/Private /FontInfo /CharStrings /FontMatrix /Encoding /BlueValues /OtherBlues "
    "/FamilyBlues /FamilyOtherBlues /BlueScale /BlueShift /BlueFuzz /StdHW /StdVW /StemSnapH "
    "/StemSnapV /ForceBold /LanguageGroup /RndStemUp /lenIV /MinFeature /password "
    "/ExpansionFactor /UniqueID /OtherSubrs /Subrs /Erode /RD /ND /NP /-| /|- /| /FontBBox "
    "/version /ItalicAngle /Notice /FullName /FamilyName /Weight /isFixedPitch "
    "/UnderlinePosition /UnderlineThickness /PaintType /FontName end eexec def "
    "/BlendDesignPositions /BlendDesignMap /BlendAxisTypes /WeightVector /Blend "
    "/ForceBoldThreshold /CDevProc /CIDCount /CIDFontName /CIDFontType /CIDFontVersion "
    "/CIDMapOffset /CIDSystemInfo /Registry /Ordering /Supplement /FDArray /FDBytes /GDBytes "
    "/UIDBase /XUID StartData %%BeginData %ADOBeginFontDict Binary %ADOEndFontDict "
    "%ADOBeginPrivateDict %ADOEndPrivateDict /SubrMapOffset /SDBytes /SubrCount /Copyright "
    "put currentdict dict begin /FontType dup closefile";

std::vector<std::string_view> expectedWords() {
  std::vector<std::string_view> words;
  for (std::size_t at = 0; at < kExpectedWords.size();) {
    const std::size_t end = std::min(kExpectedWords.find(' ', at), kExpectedWords.size());
    words.push_back(kExpectedWords.substr(at, end - at));
    at = end + 1;
  }
  return words;
}

class KeywordNumbers : public ::testing::Test {};

TEST_F(KeywordNumbers, EveryWordHasItsPlaceInTheList) {
  const std::vector<std::string_view> expected = expectedWords();
  ASSERT_EQ(expected.size(), 87u);
  for (int number = 1; number <= 87; ++number) {
    const std::string_view word = expected[number - 1];
    EXPECT_EQ(psKeywordNumber(word), number) << word;
    EXPECT_EQ(psKeywordText(number), word) << number;
  }
}

TEST_F(KeywordNumbers, NamedNumbersMatchTheList) {
  EXPECT_EQ(kPSPrivate, 1);
  EXPECT_EQ(kPSLenIV, 20);
  EXPECT_EQ(kPSDashBar, 31);
  EXPECT_EQ(kPSBarDash, 32);
  EXPECT_EQ(kPSFontName, 45);
  EXPECT_EQ(kPSForceBoldThreshold, 54);
  EXPECT_EQ(kPSStartData, 70);
  EXPECT_EQ(kPSADOEndFontDict, 74);
  EXPECT_EQ(kPSClosefile, 87);
}

TEST_F(KeywordNumbers, ComparisonIsExactAndCaseSensitive) {
  EXPECT_EQ(psKeywordNumber("/private"), 0);
  EXPECT_EQ(psKeywordNumber("Private"), 0);
  EXPECT_EQ(psKeywordNumber("END"), 0);
  EXPECT_EQ(psKeywordNumber("/Privatx"), 0);
  EXPECT_EQ(psKeywordNumber("/Private "), 0);
  EXPECT_EQ(psKeywordNumber("/lenIV"), 20);
  EXPECT_EQ(psKeywordNumber("/LenIV"), 0);
  EXPECT_EQ(psKeywordNumber(""), 0);
  EXPECT_EQ(psKeywordNumber("/"), 0);
}

TEST_F(KeywordNumbers, LongTokensAreNeverKeywords) {
  EXPECT_EQ(psKeywordNumber("/BlendDesignPositions"), 49);
  EXPECT_EQ(psKeywordNumber("/BlendDesignPositionsXYZ"), 0);
  EXPECT_EQ(psKeywordNumber(std::string(5000, 'a')), 0);
}

TEST_F(KeywordNumbers, NumbersOutsideTheListHaveNoText) {
  EXPECT_EQ(psKeywordText(0), "");
  EXPECT_EQ(psKeywordText(88), "");
  EXPECT_EQ(psKeywordText(-1), "");
}

}  // namespace
}  // namespace sorvella
