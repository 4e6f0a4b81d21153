// The Private keys both font readers share: the same text gives the same values in a Type 1
// font and in a CIDFont's font dictionary.
#include "postscript/private_dict_keys.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <span>
#include <string>

#include "postscript/cid_keyed_font_reader.h"
#include "support/bytes.h"
#include "support/charstring_bytes.h"
#include "support/cid_font_bytes.h"
#include "support/type1_font_builder.h"
#include "support/type1_read.h"

namespace sorvella {
namespace {

using ::testing::ElementsAre;

constexpr const char* kPrivateKeys =
    "/BlueValues [-15 0 721 736 500 510] def\n/OtherBlues [-250 -240] def\n"
    "/FamilyBlues [-16 0 720 735] def\n/FamilyOtherBlues [-251 -241] def\n"
    "/BlueScale 0.0375 def\n/BlueShift 9 def\n/BlueFuzz 2 def\n/StdHW [41] def\n"
    "/StdVW [87 90] def\n/StemSnapH [41 47] def\n/StemSnapV [87 95 102] def\n"
    "/ForceBold true def\n";
// Keys the readers pass over, the following keys left intact.
constexpr const char* kPassedOver =
    "/MinFeature {16 16} def\n"
    "/OtherSubrs [ {ct_CffDict/F0Subr get exec} {[/x] {pop 3} ifelse} ] noaccess def\n"
    "/LanguageGroup 1 def\n/ExpansionFactor 0.06 def\n/RndStemUp true def\n"
    "/Erode {12 dup 86 mul 100 idiv} ND\n";

TEST(SharedPrivateKeys, TheType1AndCidReadersTakeTheSameValues) {
  test::Type1FontSource source;
  source.privateKeys = std::string(kPassedOver) + kPrivateKeys;
  using namespace test::charstring_op;
  source.charstrings = {{"A", test::assembleCharstring({0, 500, kHsbw, kEndchar})}};
  const test::Type1ReadResult type1 =
      test::readType1Bytes(test::buildType1Font(source, test::Type1Form::kSegmented));
  ASSERT_TRUE(type1.font);

  test::HandCidFont cid;
  cid.dicts = {{"Hand0", {}, {}}};
  const std::string begin = "/Private 4 dict dup begin\n";
  CidKeyedFontReader reader(
      test::bytesOf(test::replacedOnce(cid.header(), begin, begin + kPrivateKeys)));
  ASSERT_TRUE(reader.parseHeader({}));
  const SubsetFont* dict = reader.fontDictInfo(0);
  ASSERT_NE(dict, nullptr);

  const PerMasterBlock& values = type1.font->master(0).privateValues;
  EXPECT_EQ(dict->master(0).privateValues, values);
  EXPECT_EQ(dict->info().zoneCounts, type1.font->info().zoneCounts);
  ASSERT_EQ(type1.font->info().zoneCounts, (ZoneCounts{6, 2, 4, 2, 2, 3}));
  EXPECT_THAT(std::span(values.blueValues).first(6), ElementsAre(-15, 0, 721, 736, 500, 510));
  EXPECT_THAT(std::span(values.otherBlues).first(2), ElementsAre(-250, -240));
  EXPECT_THAT(std::span(values.familyBlues).first(4), ElementsAre(-16, 0, 720, 735));
  EXPECT_THAT(std::span(values.familyOtherBlues).first(2), ElementsAre(-251, -241));
  EXPECT_THAT(std::span(values.stemSnapH).first(2), ElementsAre(41, 47));
  EXPECT_THAT(std::span(values.stemSnapV).first(3), ElementsAre(87, 95, 102));
  EXPECT_DOUBLE_EQ(values.blueScale, 0.0375);
  EXPECT_EQ(values.blueShift, 9);
  EXPECT_EQ(values.blueFuzz, 2);
  EXPECT_EQ(values.stdHW, 41);
  EXPECT_EQ(values.stdVW, 87);
  EXPECT_EQ(values.forceBold, 1);
  EXPECT_THAT(test::glyphNames(*type1.font), ElementsAre("A"));
}

}  // namespace
}  // namespace sorvella
