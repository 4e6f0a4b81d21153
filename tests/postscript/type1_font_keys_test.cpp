// The keys of Type 1 fonts made by hand: font information in the clear text, long Private
// lists and the other spellings of the procedure names. Each Private key's value and the keys
// passed over are checked with the CIDFont reader's in private_dict_keys_test.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "postscript/ps_font_reader.h"
#include "support/charstring_bytes.h"
#include "support/type1_font_builder.h"
#include "support/type1_read.h"

namespace sorvella {
namespace {

using namespace test::charstring_op;
using test::assembleCharstring;
using test::buildType1Font;
using test::readType1Bytes;
using test::Type1Form;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

std::vector<uint8_t> squareGlyph() {
  return assembleCharstring({20, 600, kHsbw, 0, 0, kRmoveto, 500, kHlineto, 700, kVlineto, -500,
                             kHlineto, kClosepath, kEndchar});
}

class Type1FontInformation : public ::testing::Test {
 protected:
  void SetUp() override {
    source_.clearText =
        "%!PS-AdobeFont-1.0: Acme-Bold 001.002\n"
        "12 dict begin\n"
        "/FontInfo 10 dict dup begin\n"
        "/version (001.002) readonly def\n"
        "/Notice (Copyright (c) 1990, 1991 Acme Type Inc. All Rights Reserved.) readonly def\n"
        "/FullName (Acme Bold) readonly def\n"
        "/FamilyName (Acme) readonly def\n"
        "/Weight (Bold) readonly def\n"
        "/ItalicAngle -12.5 def\n"
        "/isFixedPitch true def\n"
        "/UnderlinePosition -100 def\n"
        "/UnderlineThickness 50 def\n"
        "end readonly def\n"
        "/FontName /Acme-Bold def\n"
        "/PaintType 0 def\n"
        "/FontType 1 def\n"
        "/FontMatrix [0.002 0 0.0003 0.002 5 6] readonly def\n"
        "/Encoding StandardEncoding def\n"
        "/FontBBox {-10 -20 900 1000} readonly def\n"
        "/UniqueID 4000123 def\n"
        "currentdict end\n";
    source_.charstrings = {{"A", squareGlyph()}};
  }

  test::Type1FontSource source_;
};

// Names and metrics keys are checked against fontTools on the URW fonts; here what those lack.
TEST_F(Type1FontInformation, FontDictionaryAndFontInfoReachTheFont) {
  const auto read = readType1Bytes(buildType1Font(source_, Type1Form::kSegmented));
  ASSERT_TRUE(read.font);
  const SubsetFontInfo& info = read.font->info();
  EXPECT_EQ(info.fontName(), "Acme-Bold");
  EXPECT_EQ(read.facts.weightClass, 13);
  // The version gives major and minor, the notice the copyright year and the vendor.
  EXPECT_EQ(info.version(), "001.002");
  EXPECT_EQ(info.versionMajor, 1);
  EXPECT_EQ(info.versionMinor, 2);
  EXPECT_EQ(info.notice(), "Copyright (c) 1990, 1991 Acme Type Inc. All Rights Reserved.");
  EXPECT_EQ(info.copyrightYear, 1991);
  EXPECT_EQ(info.text(FontText::kVendorName), "Acme Type Inc");
  EXPECT_EQ(info.uniqueId, 4000123);
  EXPECT_THAT(read.font->master(0).privateValues.fontMatrix,
              ElementsAre(0.002, 0, 0.0003, 0.002, 5, 6));
  // An ordinary font has one untitled master.
  ASSERT_EQ(read.font->masterCount(), 1);
  EXPECT_EQ(read.font->master(0).name(), "Untitled");
  EXPECT_TRUE(read.facts.designPositions.empty());
}

class Type1PrivateValues : public ::testing::Test {
 protected:
  void SetUp() override { source_.charstrings = {{"A", squareGlyph()}}; }

  test::Type1FontSource source_;
};

TEST_F(Type1PrivateValues, ListsBeyondTheFontsLimitKeepTheirFirstEntries) {
  source_.privateKeys =
      "/BlueValues [1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16] def\n"
      "/StemSnapH [1 2 3 4 5 6 7 8 9 10 11 12 13] def\n";
  const auto read = readType1Bytes(buildType1Font(source_, Type1Form::kSegmented));
  ASSERT_TRUE(read.font);
  EXPECT_EQ(read.font->info().zoneCounts.blueValues, 14);
  EXPECT_EQ(read.font->info().zoneCounts.stemSnapH, 12);
  EXPECT_THAT(read.font->master(0).privateValues.blueValues,
              ElementsAre(1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14));
}

TEST_F(Type1PrivateValues, OtherProcedureSpellingEndsDefinitionsToo) {
  source_.readData = "-|";
  source_.definitionEnd = "|-";
  source_.put = "|";
  // Without `def`, only the font's own word ends the definition.
  source_.privateKeys = "/BlueValues [-5 0 650 660] |-\n/StdHW [71] |-\n/BlueShift 8 |-\n";
  source_.subroutines = {assembleCharstring({kReturn})};
  const auto read = readType1Bytes(buildType1Font(source_, Type1Form::kSegmented));
  ASSERT_TRUE(read.font);
  EXPECT_EQ(read.facts.readDataName, "-|");
  EXPECT_EQ(read.facts.definitionEndName, "|-");
  EXPECT_EQ(read.facts.putName, "|");
  EXPECT_THAT(std::span(read.font->master(0).privateValues.blueValues).first(4),
              ElementsAre(-5, 0, 650, 660));
  EXPECT_EQ(read.font->master(0).privateValues.stdHW, 71);
  EXPECT_EQ(read.font->master(0).privateValues.blueShift, 8);
  EXPECT_THAT(test::glyphNames(*read.font), ElementsAre("A"));
}

}  // namespace
}  // namespace sorvella
