// The Encoding of Type 1 fonts made by hand: named encodings through the encoding files, and
// encoding arrays that become the font's own table.
#include <gtest/gtest.h>

#include <string>

#include "postscript/ps_font_reader.h"
#include "support/charstring_bytes.h"
#include "support/type1_font_builder.h"
#include "support/type1_read.h"

namespace sorvella {
namespace {

using namespace test::charstring_op;

class Type1Encodings : public ::testing::Test {
 protected:
  test::Type1ReadResult readWithEncoding(const std::string& definition) {
    source_.clearText =
        "%!FontType1-1.0: Enc 001.000\n"
        "/FontName /Enc def\n"
        "/Encoding " +
        definition +
        "\n"
        "/FontMatrix [0.001 0 0 0.001 0 0] readonly def\n";
    source_.charstrings = {{"A", test::assembleCharstring({0, 500, kHsbw, kEndchar, kEndchar})}};
    return test::readType1Bytes(test::buildType1Font(source_, test::Type1Form::kSegmented));
  }

  test::Type1FontSource source_;
};

TEST_F(Type1Encodings, StandardEncodingIsNumberOne) {
  const auto result = readWithEncoding("StandardEncoding def");
  ASSERT_TRUE(result.font);
  EXPECT_EQ(result.font->encoding().number, 1);
  EXPECT_EQ(result.font->encoding().glyphNames[65], "A");
  EXPECT_EQ(result.font->encoding().glyphNames[39], "quoteright");
}

TEST_F(Type1Encodings, SymbolAndIsoLatin1EncodingsAreNumbersSevenAndThree) {
  const auto symbol = readWithEncoding("SymbolEncoding def");
  ASSERT_TRUE(symbol.font);
  EXPECT_EQ(symbol.font->encoding().number, 7);
  EXPECT_EQ(symbol.font->encoding().glyphNames[97], "alpha");
  const auto latin1 = readWithEncoding("ISOLatin1Encoding def");
  ASSERT_TRUE(latin1.font);
  EXPECT_EQ(latin1.font->encoding().number, 3);
  EXPECT_EQ(latin1.font->encoding().glyphNames[233], "eacute");
}

TEST_F(Type1Encodings, OtherNameLeavesNumberOne) {
  const auto result = readWithEncoding("ExpertEncoding def");
  ASSERT_TRUE(result.font);
  EXPECT_EQ(result.font->encoding().number, 1);
}

TEST_F(Type1Encodings, ArrayKeepsTheFirstCodeOfANameAndFillsPlaceholders) {
  const auto result = readWithEncoding(
      "256 array\n0 1 255 {1 index exch /.notdef put} for\n"
      "dup 65 /A put\ndup 193 /A put\ndup 66 /B put\nreadonly def");
  ASSERT_TRUE(result.succeeded);
  ASSERT_TRUE(result.font);
  const SubsetFontEncoding& encoding = result.font->encoding();
  EXPECT_EQ(encoding.number, 0);
  EXPECT_EQ(encoding.glyphNames[65], "A");
  EXPECT_EQ(encoding.glyphNames[66], "B");
  EXPECT_EQ(encoding.glyphNames[193], ".0193");
  EXPECT_EQ(encoding.glyphNames[0], ".0000");
  EXPECT_EQ(encoding.glyphNames[255], ".0255");
}

TEST_F(Type1Encodings, LaterNameAtTheSameCodeReplacesTheEarlier) {
  const auto result =
      readWithEncoding("256 array\ndup 65 /A put\ndup 65 /Aring put\ndup 66 /A put\nreadonly def");
  ASSERT_TRUE(result.font);
  EXPECT_EQ(result.font->encoding().glyphNames[65], "Aring");
  EXPECT_EQ(result.font->encoding().glyphNames[66], "A");
}

TEST_F(Type1Encodings, NewNameAtCode300Fails) {
  const auto result = readWithEncoding("256 array\ndup 65 /A put\ndup 300 /B put\nreadonly def");
  EXPECT_FALSE(result.succeeded);
  EXPECT_EQ(result.status, PSFontStatus::kEncodingCodeTooLarge);
  EXPECT_FALSE(result.font);
}

TEST_F(Type1Encodings, KnownNameAtCode300IsIgnored) {
  const auto result = readWithEncoding("256 array\ndup 65 /A put\ndup 300 /A put\nreadonly def");
  ASSERT_TRUE(result.font);
  EXPECT_EQ(result.status, PSFontStatus::kFinished);
  EXPECT_EQ(result.font->encoding().glyphNames[65], "A");
}

}  // namespace
}  // namespace sorvella
