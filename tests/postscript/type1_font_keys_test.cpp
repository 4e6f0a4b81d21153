// The keys of Type 1 fonts made by hand: font information in the clear text, Private values,
// the other spellings of the procedure names and the keys that are passed over.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "postscript/ps_font_reader.h"
#include "postscript/type1_font_file.h"
#include "support/charstring_bytes.h"
#include "support/temp_folder.h"
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

TEST_F(Type1FontInformation, FontDictionaryAndFontInfoReachTheFont) {
  const auto read = readType1Bytes(buildType1Font(source_, Type1Form::kSegmented));
  ASSERT_TRUE(read.font);
  const SubsetFontInfo& info = read.font->info();
  EXPECT_EQ(info.fontName(), "Acme-Bold");
  EXPECT_EQ(info.fullName(), "Acme Bold");
  EXPECT_EQ(info.familyName(), "Acme");
  EXPECT_EQ(info.weight(), "Bold");
  EXPECT_EQ(read.facts.weightClass, 13);
  // The version gives major and minor, the notice the copyright year and the vendor.
  EXPECT_EQ(info.version(), "001.002");
  EXPECT_EQ(info.versionMajor, 1);
  EXPECT_EQ(info.versionMinor, 2);
  EXPECT_EQ(info.notice(), "Copyright (c) 1990, 1991 Acme Type Inc. All Rights Reserved.");
  EXPECT_EQ(info.copyrightYear, 1991);
  EXPECT_EQ(info.text(FontText::kVendorName), "Acme Type Inc");
  EXPECT_DOUBLE_EQ(info.italicAngle, -12.5);
  EXPECT_EQ(info.isFixedPitch, 1);
  EXPECT_EQ(info.underlinePosition, -100);
  EXPECT_EQ(info.underlineThickness, 50);
  EXPECT_EQ(info.uniqueId, 4000123);
  EXPECT_THAT(read.font->master(0).privateValues.fontMatrix,
              ElementsAre(0.002, 0, 0.0003, 0.002, 5, 6));
  // An ordinary font has one untitled master.
  ASSERT_EQ(read.font->masterCount(), 1);
  EXPECT_EQ(read.font->master(0).name(), "Untitled");
  EXPECT_TRUE(read.facts.designPositions.empty());
}

TEST_F(Type1FontInformation, FileReadKeepsItsPath) {
  test::TempFolder folder;
  const std::filesystem::path path = folder / "acme.pfb";
  const std::vector<uint8_t> bytes = buildType1Font(source_, Type1Form::kSegmented);
  test::writeFile(path, std::string(bytes.begin(), bytes.end()));
  PSFontStatus status = PSFontStatus::kFine;
  const auto font = readType1Font(path, test::shippedEncodings(), {}, &status);
  ASSERT_TRUE(font);
  EXPECT_EQ(status, PSFontStatus::kFinished);
  EXPECT_EQ(font->fileName(), path);
  EXPECT_EQ(font->info().fontName(), "Acme-Bold");
}

TEST_F(Type1FontInformation, MissingFileGivesNothing) {
  test::TempFolder folder;
  PSFontStatus status = PSFontStatus::kCancelled;
  EXPECT_FALSE(readType1Font(folder / "none.pfb", test::shippedEncodings(), {}, &status));
  EXPECT_EQ(status, PSFontStatus::kFine);
}

class Type1PrivateValues : public ::testing::Test {
 protected:
  void SetUp() override { source_.charstrings = {{"A", squareGlyph()}}; }

  test::Type1FontSource source_;
};

TEST_F(Type1PrivateValues, ZonesStemsAndFlagsReachTheMaster) {
  source_.privateKeys =
      "/BlueValues [-15 0 700 715 500 510] def\n"
      "/OtherBlues [-250 -240] def\n"
      "/FamilyBlues [-16 0 701 716] def\n"
      "/FamilyOtherBlues [-251 -241] def\n"
      "/BlueScale 0.04379 def\n"
      "/BlueShift 9 def\n"
      "/BlueFuzz 2 def\n"
      "/StdHW [88] def\n"
      "/StdVW [97] def\n"
      "/StemSnapH [80 88 95] def\n"
      "/StemSnapV [90 97] def\n"
      "/ForceBold true def\n";
  const auto read = readType1Bytes(buildType1Font(source_, Type1Form::kSegmented));
  ASSERT_TRUE(read.font);
  const PerMasterBlock& p = read.font->master(0).privateValues;
  const ZoneCounts& counts = read.font->info().zoneCounts;
  ASSERT_EQ(counts, (ZoneCounts{6, 2, 4, 2, 3, 2}));
  EXPECT_THAT(std::span(p.blueValues).first(6), ElementsAre(-15, 0, 700, 715, 500, 510));
  EXPECT_THAT(std::span(p.otherBlues).first(2), ElementsAre(-250, -240));
  EXPECT_THAT(std::span(p.familyBlues).first(4), ElementsAre(-16, 0, 701, 716));
  EXPECT_THAT(std::span(p.familyOtherBlues).first(2), ElementsAre(-251, -241));
  EXPECT_DOUBLE_EQ(p.blueScale, 0.04379);
  EXPECT_EQ(p.blueShift, 9);
  EXPECT_EQ(p.blueFuzz, 2);
  EXPECT_EQ(p.stdHW, 88);
  EXPECT_EQ(p.stdVW, 97);
  EXPECT_THAT(std::span(p.stemSnapH).first(3), ElementsAre(80, 88, 95));
  EXPECT_THAT(std::span(p.stemSnapV).first(2), ElementsAre(90, 97));
  EXPECT_EQ(p.forceBold, 1);
}

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

TEST_F(Type1PrivateValues, PassedOverKeysLeaveTheFollowingKeysIntact) {
  source_.privateKeys =
      "/MinFeature {16 16} def\n"
      "/OtherSubrs [ {ct_CffDict/F0Subr get exec} {[/x] {pop 3} ifelse} ] noaccess def\n"
      "/LanguageGroup 1 def\n"
      "/ExpansionFactor 0.06 def\n"
      "/RndStemUp true def\n"
      "/Erode {12 dup 86 mul 100 idiv} ND\n"
      "/BlueFuzz 3 def\n";
  const auto read = readType1Bytes(buildType1Font(source_, Type1Form::kSegmented));
  ASSERT_TRUE(read.font);
  EXPECT_EQ(read.font->master(0).privateValues.blueFuzz, 3);
  EXPECT_THAT(test::glyphNames(*read.font), ElementsAre("A"));
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
