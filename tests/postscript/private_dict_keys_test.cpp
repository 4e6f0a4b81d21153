// The Private keys both font readers share: the same text gives the same values in a Type 1
// font and in a CIDFont's font dictionary.
#include "postscript/private_dict_keys.h"

#include <gtest/gtest.h>

#include <string>

#include "postscript/cid_keyed_font_reader.h"
#include "support/bytes.h"
#include "support/cid_font_bytes.h"
#include "support/type1_font_builder.h"
#include "support/type1_read.h"

namespace sorvella {
namespace {

constexpr const char* kPrivateKeys =
    "/BlueValues [-15 0 721 736] def\n/OtherBlues [-250 -240] def\n"
    "/FamilyBlues [-16 0 720 735] def\n/FamilyOtherBlues [-251 -241] def\n"
    "/BlueScale 0.0375 def\n/BlueShift 9 def\n/BlueFuzz 0 def\n/StdHW [41] def\n"
    "/StdVW [87 90] def\n/StemSnapH [41 47] def\n/StemSnapV [87 95 102] def\n"
    "/ForceBold true def\n";

TEST(SharedPrivateKeys, TheType1AndCidReadersTakeTheSameValues) {
  test::Type1FontSource source;
  source.privateKeys = kPrivateKeys;
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
  EXPECT_EQ(values.stemSnapV[2], 102);
  EXPECT_EQ(values.stdVW, 87);
  EXPECT_EQ(values.forceBold, 1);
  EXPECT_EQ(type1.font->info().zoneCounts.otherBlues, 2);
}

TEST(SharedPrivateKeys, OnlyThePrivateValuesAreInTheTable) {
  for (int keyword : {kPSBlueValues, kPSStemSnapV, kPSStdHW, kPSBlueScale, kPSForceBold})
    EXPECT_NE(findPrivateDictKey(keyword), nullptr) << keyword;
  for (int keyword : {kPSLenIV, kPSSubrs, kPSFontMatrix, kPSUniqueID, kPSFontName})
    EXPECT_EQ(findPrivateDictKey(keyword), nullptr) << keyword;
}

}  // namespace
}  // namespace sorvella
