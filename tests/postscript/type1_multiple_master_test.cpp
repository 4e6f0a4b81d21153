// Multiple Master Type 1 fonts made by hand: masters from the design positions, their names,
// weight vector and design maps, per-master Private values, blended charstrings and the
// statuses of malformed design data.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "postscript/ps_font_reader.h"
#include "support/charstring_bytes.h"
#include "support/type1_font_builder.h"
#include "support/type1_read.h"

namespace sorvella {
namespace {

using namespace test::charstring_op;
using ::testing::ElementsAre;

class Type1MultipleMaster : public ::testing::Test {
 protected:
  void SetUp() override {
    fontInfo_ =
        "/BlendDesignPositions [[0 0] [1000 0] [0 1] [1000 1]] def\n"
        "/BlendDesignMap [[[0 0] [400 0.5] [1000 1]] [[0 0] [1 1]]] def\n"
        "/BlendAxisTypes [/Weight /Width] def\n";
    source_.privateKeys =
        "/Blend 3 dict dup begin\n"
        "/BlueValues [[-10 0 700 710] [-20 0 720 740] [-11 0 701 711] [-21 0 721 741]] def\n"
        "/BlueScale [0.04 0.05 0.06 0.07] def\n"
        "/BlueShift [5 6 7 8] def\n"
        "/StdHW [[50] [90] [51] [91]] def\n"
        "/ForceBold [false true false true] def\n"
        "end def\n"
        "/BlueValues [-15 0 710 725] def\n"
        "/StdHW [70] def\n"
        "/BlueFuzz 2 def\n";
    // Four masters, two results: side bearing 20 + (0, 10, 0, 10), width 600 + (0, 50, 0, 50).
    source_.charstrings = {{"A", test::assembleCharstring({20,
                                                           600,
                                                           10,
                                                           0,
                                                           10,
                                                           50,
                                                           0,
                                                           50,
                                                           8,
                                                           15,
                                                           kCallothersubr,
                                                           kPop,
                                                           kPop,
                                                           kHsbw,
                                                           0,
                                                           0,
                                                           kRmoveto,
                                                           100,
                                                           kHlineto,
                                                           kClosepath,
                                                           kEndchar})}};
  }

  test::Type1ReadResult read() {
    source_.clearText =
        "%!PS-AdobeFont-1.0: TestMM 001.000\n"
        "14 dict begin\n"
        "/FontInfo 12 dict dup begin\n"
        "/FullName (Test MM) readonly def\n" +
        fontInfo_ +
        "end readonly def\n"
        "/FontName /TestMM def\n"
        "/WeightVector [0.1 0.2 0.3 0.4] def\n"
        "/Blend 3 dict dup begin\n"
        "/FontBBox {{-10 -20 -10 -20} {-5 -5 -5 -5} {900 950 900 950} {1000 1000 1000 1000}} def\n"
        "/Private 14 dict def\n"
        "end def\n"
        "/FontMatrix [0.001 0 0 0.001 0 0] readonly def\n"
        "/Encoding StandardEncoding def\n"
        "currentdict end\n";
    return test::readType1Bytes(test::buildType1Font(source_, test::Type1Form::kSegmented));
  }

  std::string fontInfo_;
  test::Type1FontSource source_;
};

TEST_F(Type1MultipleMaster, DesignPositionsGiveTheMastersAndTheirNames) {
  const auto result = read();
  ASSERT_TRUE(result.font);
  ASSERT_EQ(result.font->masterCount(), 4);
  EXPECT_EQ(result.facts.axisCount, 2);
  EXPECT_THAT(result.facts.designPositions[1], ElementsAre(1000, 0));
  EXPECT_THAT(result.facts.axisTypes, ElementsAre("Weight", "Width"));
  EXPECT_THAT(result.font->axes().names(), ElementsAre("Weight", "Width"));
  EXPECT_EQ(result.font->master(0).name(), "Weight=0 Width=0 ");
  EXPECT_EQ(result.font->master(1).name(), "Weight=1000 Width=0 ");
  EXPECT_EQ(result.font->master(3).name(), "Weight=1000 Width=1 ");
}

TEST_F(Type1MultipleMaster, WeightVectorAndDesignMapsAreKept) {
  const auto result = read();
  ASSERT_TRUE(result.font);
  EXPECT_THAT(result.facts.weightVector, ElementsAre(0.1, 0.2, 0.3, 0.4));
  EXPECT_DOUBLE_EQ(result.font->master(2).weight, 0.3);
  ASSERT_EQ(result.facts.designMaps.size(), 2u);
  EXPECT_THAT(result.facts.designMaps[0],
              ElementsAre(DesignMapPoint{0, 0}, DesignMapPoint{400, 0.5}, DesignMapPoint{1000, 1}));
  EXPECT_THAT(result.facts.designMaps[1], ElementsAre(DesignMapPoint{0, 0}, DesignMapPoint{1, 1}));
}

TEST_F(Type1MultipleMaster, BlendValuesGoToEachMasterAndPlainOnesFillTheRest) {
  const auto result = read();
  ASSERT_TRUE(result.font);
  const SubsetFont& font = *result.font;
  EXPECT_EQ(font.info().zoneCounts.blueValues, 4);
  EXPECT_THAT(std::span(font.master(1).privateValues.blueValues).first(4),
              ElementsAre(-20, 0, 720, 740));
  EXPECT_THAT(std::span(font.master(3).privateValues.blueValues).first(4),
              ElementsAre(-21, 0, 721, 741));
  EXPECT_DOUBLE_EQ(font.master(2).privateValues.blueScale, 0.06);
  EXPECT_EQ(font.master(3).privateValues.blueShift, 8);
  EXPECT_EQ(font.master(0).privateValues.stdHW, 50);
  EXPECT_EQ(font.master(1).privateValues.stdHW, 90);
  EXPECT_EQ(font.master(0).privateValues.forceBold, 0);
  EXPECT_EQ(font.master(1).privateValues.forceBold, 1);
  // Not in the Blend dictionary: the plain value for every master.
  EXPECT_EQ(font.master(0).privateValues.blueFuzz, 2);
  EXPECT_EQ(font.master(3).privateValues.blueFuzz, 2);
}

TEST_F(Type1MultipleMaster, BlendedCharstringGivesEachMasterItsValues) {
  const auto result = read();
  ASSERT_TRUE(result.font);
  ASSERT_EQ(result.font->slotCount(), 1);
  const Glyph& a = *result.font->glyph(0);
  EXPECT_EQ(a.masterCount(), 4);
  EXPECT_EQ(a.advance(0), (Point{600, 0}));
  EXPECT_EQ(a.advance(1), (Point{650, 0}));
  EXPECT_EQ(a.point(0, 0, 0), (Point{20, 0}));
  EXPECT_EQ(a.point(0, 0, 1), (Point{30, 0}));
  EXPECT_EQ(a.point(1, 0, 3), (Point{130, 0}));
}

TEST_F(Type1MultipleMaster, AxisTypesWithoutBracketFailWithStatus17) {
  fontInfo_ = "/BlendDesignPositions [[0] [1000]] def\n/BlendAxisTypes /Weight def\n";
  const auto result = read();
  EXPECT_EQ(result.status, PSFontStatus::kBracketExpected);
  EXPECT_FALSE(result.succeeded);
  EXPECT_FALSE(result.font);
}

TEST_F(Type1MultipleMaster, DesignMapWithoutBracketFailsWithStatus17) {
  fontInfo_ = "/BlendDesignPositions [[0] [1000]] def\n/BlendDesignMap 5 def\n";
  const auto result = read();
  EXPECT_EQ(result.status, PSFontStatus::kBracketExpected);
  EXPECT_FALSE(result.font);
}

TEST_F(Type1MultipleMaster, DesignMapBeforeThePositionsFailsWithStatus15) {
  fontInfo_ = "/BlendDesignMap [[[0 0] [1000 1]]] def\n/BlendDesignPositions [[0] [1000]] def\n";
  const auto result = read();
  EXPECT_EQ(result.status, PSFontStatus::kAxesUnknown);
  EXPECT_FALSE(result.font);
}

TEST_F(Type1MultipleMaster, DesignMapOfOtherThanPairsFailsWithStatus14) {
  fontInfo_ = "/BlendDesignPositions [[0] [1000]] def\n/BlendDesignMap [[0 0 1000 1]] def\n";
  const auto result = read();
  EXPECT_EQ(result.status, PSFontStatus::kDesignMapNotPairs);
  EXPECT_FALSE(result.font);
}

TEST_F(Type1MultipleMaster, BlendValueWithoutOneElementPerMasterFailsWithStatus16) {
  source_.privateKeys =
      "/Blend 3 dict dup begin\n/BlueValues [[-10 0 700 710] [-20 0 720 740]] def\nend def\n";
  const auto result = read();
  EXPECT_EQ(result.status, PSFontStatus::kWrongMasterCount);
  EXPECT_FALSE(result.font);
}

}  // namespace
}  // namespace sorvella
