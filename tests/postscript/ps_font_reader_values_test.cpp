// The typed readers of the font-program reader (integers, reals, booleans, strings, numeric
// arrays), the skipping helpers, and the font state it keeps for the parsers.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <cfloat>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "postscript/ps_font_reader.h"
#include "support/type1_bytes.h"

namespace sorvella {
namespace {

using test::bytesOf;
using ::testing::DoubleEq;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

class ValuesTest : public ::testing::Test {
 protected:
  static PSFontReader readerOf(std::string_view text) { return PSFontReader(bytesOf(text)); }

  static std::string nextToken(PSFontReader& reader) {
    std::string token;
    reader.nextToken(token);
    return token;
  }
};

class ReadInteger : public ValuesTest {};

TEST_F(ReadInteger, RadixNumbers) {
  PSFontReader reader = readerOf("16#FF 8#17 10#0042 16#0 16#ff 16#000");
  EXPECT_EQ(reader.readInteger(), 255);
  EXPECT_EQ(reader.readInteger(), 15);
  EXPECT_EQ(reader.readInteger(), 42);
  EXPECT_EQ(reader.readInteger(), 0);
  EXPECT_EQ(reader.readInteger(), 255);
  EXPECT_EQ(reader.readInteger(), 0);
}

TEST_F(ReadInteger, RadixDigitsStopAtTheFirstOneOutsideTheBase) {
  PSFontReader reader = readerOf("8#178 16#1G 10#12.5");
  EXPECT_EQ(reader.readInteger(), 15);
  EXPECT_EQ(reader.readInteger(), 1);
  EXPECT_EQ(reader.readInteger(), 12);
}

TEST_F(ReadInteger, OtherBasesFromTwoTo36) {
  PSFontReader reader = readerOf("2#101 36#Zz 1#1 37#1 0#5 x#5");
  EXPECT_EQ(reader.readInteger(), 5);
  EXPECT_EQ(reader.readInteger(), 35 * 36 + 35);
  EXPECT_EQ(reader.readInteger(), 0);
  EXPECT_EQ(reader.readInteger(), 0);
  EXPECT_EQ(reader.readInteger(), 0);
  EXPECT_EQ(reader.readInteger(), 0);
}

TEST_F(ReadInteger, RadixNumbersAre32BitPatterns) {
  PSFontReader reader = readerOf("16#FFFFFFFF 16#7FFFFFFF 16#80000000 16#123456789");
  EXPECT_EQ(reader.readInteger(), -1);
  EXPECT_EQ(reader.readInteger(), INT32_MAX);
  EXPECT_EQ(reader.readInteger(), INT32_MIN);
  EXPECT_EQ(reader.readInteger(), -1);  // too long: all bits set
}

TEST_F(ReadInteger, DecimalReadsTheLeadingNumber) {
  PSFontReader reader = readerOf("12abc 1.5 name -7 +3 -");
  EXPECT_EQ(reader.readInteger(), 12);
  EXPECT_EQ(reader.readInteger(), 1);
  EXPECT_EQ(reader.readInteger(), 0);
  EXPECT_EQ(reader.readInteger(), -7);
  EXPECT_EQ(reader.readInteger(), 3);
  EXPECT_EQ(reader.readInteger(), 0);
}

TEST_F(ReadInteger, HugeNumbersSaturate) {
  PSFontReader reader = readerOf("99999999999999999999999 -99999999999999999999999 2147483648");
  EXPECT_EQ(reader.readInteger(), INT32_MAX);
  EXPECT_EQ(reader.readInteger(), INT32_MIN);
  EXPECT_EQ(reader.readInteger(), INT32_MAX);
}

TEST_F(ReadInteger, NoTokenGivesZero) {
  PSFontReader reader = readerOf("  ");
  EXPECT_EQ(reader.readInteger(), 0);
  EXPECT_TRUE(reader.failed());
}

class ReadReal : public ValuesTest {};

TEST_F(ReadReal, LeadingDecimalNumber) {
  PSFontReader reader = readerOf("0.001 -1.5e2 .5 3 12abc +2.5 4.E1 1e 1e+");
  EXPECT_THAT(reader.readReal(), DoubleEq(0.001));
  EXPECT_THAT(reader.readReal(), DoubleEq(-150.0));
  EXPECT_THAT(reader.readReal(), DoubleEq(0.5));
  EXPECT_THAT(reader.readReal(), DoubleEq(3.0));
  EXPECT_THAT(reader.readReal(), DoubleEq(12.0));
  EXPECT_THAT(reader.readReal(), DoubleEq(2.5));
  EXPECT_THAT(reader.readReal(), DoubleEq(40.0));
  EXPECT_THAT(reader.readReal(), DoubleEq(1.0));
  EXPECT_THAT(reader.readReal(), DoubleEq(1.0));
}

TEST_F(ReadReal, WordsAndOtherFormsGiveZero) {
  PSFontReader reader = readerOf("name inf nan 0x10 - .");
  for (int i = 0; i < 6; ++i) EXPECT_EQ(reader.readReal(), 0.0) << i;
}

TEST_F(ReadReal, OutOfRangeStaysFinite) {
  PSFontReader reader = readerOf("1e999 -1e999 1e-999 123456e400 0.000001e-400");
  EXPECT_EQ(reader.readReal(), DBL_MAX);
  EXPECT_EQ(reader.readReal(), -DBL_MAX);
  EXPECT_EQ(reader.readReal(), 0.0);
  EXPECT_EQ(reader.readReal(), DBL_MAX);
  EXPECT_EQ(reader.readReal(), 0.0);
}

TEST_F(ReadReal, NoTokenGivesZero) {
  PSFontReader reader = readerOf("");
  EXPECT_EQ(reader.readReal(), 0.0);
}

class ReadBoolean : public ValuesTest {};

TEST_F(ReadBoolean, TrueAndFalseInAnyCase) {
  PSFontReader reader = readerOf("true TRUE False FALSE");
  EXPECT_TRUE(reader.readBoolean());
  EXPECT_TRUE(reader.readBoolean());
  EXPECT_FALSE(reader.readBoolean());
  EXPECT_FALSE(reader.readBoolean());
  EXPECT_EQ(reader.status(), 0);
}

TEST_F(ReadBoolean, OtherTokenSetsStatus3AndEndsReading) {
  PSFontReader reader = readerOf("yes true def");
  EXPECT_FALSE(reader.readBoolean());
  EXPECT_EQ(reader.status(), 3);
  EXPECT_TRUE(reader.failed());
  EXPECT_FALSE(reader.readBoolean());
  std::string token;
  EXPECT_FALSE(reader.nextToken(token));
}

TEST_F(ReadBoolean, EarlierStatusIsKept) {
  PSFontReader reader = readerOf("maybe");
  reader.setStatus(12);
  EXPECT_FALSE(reader.readBoolean());
  EXPECT_EQ(reader.status(), 12);
  EXPECT_TRUE(reader.failed());
}

class ReadString : public ValuesTest {};

TEST_F(ReadString, NestedParenthesesStayInTheText) {
  PSFontReader reader = readerOf("(a (b) c) x");
  std::string text;
  EXPECT_TRUE(reader.readString(text));
  EXPECT_EQ(text, "a (b) c");
  EXPECT_EQ(nextToken(reader), "x");
}

TEST_F(ReadString, TokensBeforeTheStringAreSkipped) {
  PSFontReader reader = readerOf("/Notice <41> (Acme Type)readonly def");
  std::string text;
  EXPECT_TRUE(reader.readString(text));
  EXPECT_EQ(text, "Acme Type");
  EXPECT_EQ(nextToken(reader), "readonly");
}

TEST_F(ReadString, ControlAndHighBytesBecomeSpaces) {
  PSFontReader reader = readerOf(
      "(a\xA9"
      "b\tc\r\nd\x1F"
      "e\x7F)");
  std::string text;
  EXPECT_TRUE(reader.readString(text));
  EXPECT_EQ(text, "a b c  d e\x7F");
}

TEST_F(ReadString, BackslashIsNotAnEscape) {
  PSFontReader reader = readerOf("(a\\) b)");
  std::string text;
  EXPECT_TRUE(reader.readString(text));
  EXPECT_EQ(text, "a\\");
  EXPECT_EQ(nextToken(reader), "b");
  EXPECT_EQ(nextToken(reader), ")");
}

TEST_F(ReadString, TextStopsAt1023Bytes) {
  PSFontReader reader = readerOf("(" + std::string(1500, 'x') + ")");
  std::string text;
  EXPECT_TRUE(reader.readString(text));
  EXPECT_EQ(text, std::string(1023, 'x'));
  EXPECT_EQ(nextToken(reader), std::string(477, 'x'));
  EXPECT_EQ(nextToken(reader), ")");
}

TEST_F(ReadString, UnterminatedStringKeepsWhatWasRead) {
  PSFontReader reader = readerOf("(abc (d)");
  std::string text;
  EXPECT_FALSE(reader.readString(text));
  EXPECT_EQ(text, "abc (d)");
  EXPECT_TRUE(reader.failed());
}

TEST_F(ReadString, NoStringBeforeTheEnd) {
  PSFontReader reader = readerOf("abc def");
  std::string text = "stale";
  EXPECT_FALSE(reader.readString(text));
  EXPECT_THAT(text, IsEmpty());
}

TEST_F(ReadString, DeepNestingIsJustText) {
  PSFontReader reader = readerOf(std::string(5000, '('));
  std::string text;
  EXPECT_TRUE(reader.readString(text));
  EXPECT_EQ(text, std::string(1023, '('));
}

class ReadArrays : public ValuesTest {};

TEST_F(ReadArrays, FlatArrayCountsItsElements) {
  PSFontReader reader = readerOf("[-23 0 524 539] def");
  std::array<int32_t, 72> values{};
  PSArrayShape shape;
  EXPECT_TRUE(reader.readIntegerArray(values, shape));
  EXPECT_THAT(std::vector<int32_t>(values.begin(), values.begin() + 4),
              ElementsAre(-23, 0, 524, 539));
  EXPECT_EQ(shape.counts[0], 4);
  EXPECT_EQ(shape.counts[1], 0);
  EXPECT_EQ(shape.values, 4u);
  EXPECT_EQ(shape.stored, 4u);
  EXPECT_EQ(nextToken(reader), "def");
}

TEST_F(ReadArrays, NestedArraysGiveTheShape) {
  PSFontReader reader = readerOf("[[1 2][3 4]]");
  std::array<int32_t, 8> values{};
  PSArrayShape shape;
  EXPECT_TRUE(reader.readIntegerArray(values, shape));
  EXPECT_THAT(values, ElementsAre(1, 2, 3, 4, 0, 0, 0, 0));
  EXPECT_EQ(shape.counts[0], 2);
  EXPECT_EQ(shape.counts[1], 2);
  EXPECT_EQ(shape.counts[2], 0);
}

TEST_F(ReadArrays, InnerCountIsTheLongestRun) {
  PSFontReader reader = readerOf("{[1 2 3]{4}[5 6]}");
  std::array<int32_t, 8> values{};
  PSArrayShape shape;
  EXPECT_TRUE(reader.readIntegerArray(values, shape));
  EXPECT_EQ(shape.counts[0], 3);
  EXPECT_EQ(shape.counts[1], 3);
  EXPECT_EQ(shape.values, 6u);
}

TEST_F(ReadArrays, ExcessNumbersAreDropped) {
  PSFontReader reader = readerOf("[1 2 3 4 5] x");
  std::array<int32_t, 4> values = {-9, -9, -9, -9};
  PSArrayShape shape;
  EXPECT_TRUE(reader.readIntegerArray(std::span(values).first(3), shape));
  EXPECT_THAT(values, ElementsAre(1, 2, 3, -9));
  EXPECT_EQ(shape.values, 5u);
  EXPECT_EQ(shape.stored, 3u);
  EXPECT_EQ(shape.counts[0], 5);
  EXPECT_EQ(nextToken(reader), "x");
}

TEST_F(ReadArrays, IntegersConvertAsScanfDoes) {
  PSFontReader reader = readerOf("[010 0x1F -7 name 2.9 +4 08]");
  std::array<int32_t, 7> values{};
  PSArrayShape shape;
  EXPECT_TRUE(reader.readIntegerArray(values, shape));
  EXPECT_THAT(values, ElementsAre(8, 31, -7, 0, 2, 4, 0));
}

TEST_F(ReadArrays, RealArray) {
  PSFontReader reader = readerOf("[0.001 0 0 0.001 -0.5 1e1]");
  std::array<double, 24> values{};
  PSArrayShape shape;
  EXPECT_TRUE(reader.readRealArray(values, shape));
  EXPECT_THAT(std::vector<double>(values.begin(), values.begin() + 6),
              ElementsAre(DoubleEq(0.001), 0.0, 0.0, DoubleEq(0.001), -0.5, 10.0));
  EXPECT_EQ(shape.counts[0], 6);
}

TEST_F(ReadArrays, FirstTokenMustOpenAnArray) {
  PSFontReader reader = readerOf("1 2 [3]");
  std::array<int32_t, 4> values{};
  PSArrayShape shape;
  EXPECT_FALSE(reader.readIntegerArray(values, shape));
  EXPECT_EQ(shape.values, 0u);
  EXPECT_EQ(nextToken(reader), "2");
  EXPECT_FALSE(reader.failed());
}

TEST_F(ReadArrays, UnterminatedArrayFails) {
  PSFontReader reader = readerOf("[1 2");
  std::array<int32_t, 4> values{};
  PSArrayShape shape;
  EXPECT_FALSE(reader.readIntegerArray(values, shape));
  EXPECT_THAT(values, ElementsAre(1, 2, 0, 0));
  EXPECT_TRUE(reader.failed());
}

TEST_F(ReadArrays, DeepNestingIsCountedOnlyOnSixteenLevels) {
  const int depth = 100000;
  PSFontReader reader = readerOf(std::string(depth, '[') + "7" + std::string(depth, ']') + " x");
  std::array<int32_t, 2> values{};
  PSArrayShape shape;
  EXPECT_TRUE(reader.readIntegerArray(values, shape));
  EXPECT_EQ(values[0], 7);
  for (uint16_t count : shape.counts) EXPECT_EQ(count, 1);
  EXPECT_EQ(nextToken(reader), "x");
}

TEST_F(ReadArrays, CountsSaturateAt65535) {
  std::string text = "[";
  for (int i = 0; i < 70000; ++i) text += "1 ";
  PSFontReader reader = readerOf(text + "]");
  std::array<int32_t, 72> values{};
  PSArrayShape shape;
  EXPECT_TRUE(reader.readIntegerArray(values, shape));
  EXPECT_EQ(shape.counts[0], 65535);
  EXPECT_EQ(shape.values, 70000u);
  EXPECT_EQ(shape.stored, 72u);
}

class SkipHelpers : public ValuesTest {};

TEST_F(SkipHelpers, SkipToIgnoresTheWordInsideBraces) {
  PSFontReader reader = readerOf("/RD {string currentfile exch def} executeonly DEF x");
  EXPECT_TRUE(reader.skipTo("def"));
  EXPECT_EQ(nextToken(reader), "x");
}

TEST_F(SkipHelpers, SkipToStrayClosingBraceDoesNotHideTheWord) {
  PSFontReader reader = readerOf("} } begin x");
  EXPECT_TRUE(reader.skipTo("begin"));
  EXPECT_EQ(nextToken(reader), "x");
}

TEST_F(SkipHelpers, SkipToMissingWordRunsToTheEnd) {
  PSFontReader reader = readerOf("a b c");
  EXPECT_FALSE(reader.skipTo("def"));
  EXPECT_TRUE(reader.failed());
}

TEST_F(SkipHelpers, SkipDefinitionStopsAtTheOuterDef) {
  PSFontReader reader = readerOf(
      "[43 46] systemdict /internaldict known\n{1183615869 systemdict /internaldict get exec\n"
      "/StemSnapLength 2 copy known { get 12 lt } { pop pop true } ifelse }\n"
      "{ true } ifelse { pop [78 81] } if def /ForceBold");
  EXPECT_TRUE(reader.skipDefinition());
  EXPECT_EQ(nextToken(reader), "/ForceBold");
}

TEST_F(SkipHelpers, SkipDefinitionIgnoresDefInsideBraces) {
  PSFontReader reader = readerOf("/Erode{ 1 def { Def } } DEF x");
  EXPECT_TRUE(reader.skipDefinition());
  EXPECT_EQ(nextToken(reader), "x");
}

TEST_F(SkipHelpers, SkipDefinitionStopsAtTheDefinitionEndWordAnywhere) {
  PSFontReader reader = readerOf("{ 1 nd 2 } def");
  EXPECT_TRUE(reader.skipDefinition());
  EXPECT_EQ(nextToken(reader), "2");
}

TEST_F(SkipHelpers, SkipDefinitionUsesTheFontsOwnWord) {
  PSFontReader reader = readerOf("{ ND } |- x def");
  reader.setDefinitionEndWord("|-");
  EXPECT_TRUE(reader.skipDefinition());
  EXPECT_EQ(nextToken(reader), "x");
}

TEST_F(SkipHelpers, SkipArrayDropsTheOperatorAfterIt) {
  PSFontReader reader = readerOf(
      "[{}{}{}\n{systemdict /internaldict known not {pop 3} if} executeonly\n"
      "] noaccess def /Subrs");
  EXPECT_TRUE(reader.skipArray());
  EXPECT_EQ(nextToken(reader), "def");
}

TEST_F(SkipHelpers, SkipArrayFollowsNestedBracketsAndBraces) {
  PSFontReader reader = readerOf("[ [1] {2 [3]} ] readonly tail");
  EXPECT_TRUE(reader.skipArray());
  EXPECT_EQ(nextToken(reader), "tail");
}

TEST_F(SkipHelpers, SkipArrayNeedsAnOpeningBracket) {
  PSFontReader reader = readerOf("{1} x");
  EXPECT_FALSE(reader.skipArray());
  EXPECT_EQ(nextToken(reader), "1");
}

TEST_F(SkipHelpers, SkipArrayUnterminatedFails) {
  PSFontReader reader = readerOf("[ 1 [ 2 ]");
  EXPECT_FALSE(reader.skipArray());
  EXPECT_TRUE(reader.failed());
}

class FontState : public ValuesTest {};

TEST_F(FontState, InitialValues) {
  PSFontReader reader = readerOf("x");
  EXPECT_EQ(reader.lenIV(), 4);
  EXPECT_EQ(reader.definitionEndWord(), "ND");
  EXPECT_EQ(reader.status(), 0);
  EXPECT_FALSE(reader.decrypting());
  EXPECT_FALSE(reader.hexInput());
  EXPECT_THAT(reader.subroutines(), IsEmpty());
}

TEST_F(FontState, DefinitionEndWordIsCutTo23Characters) {
  PSFontReader reader = readerOf("");
  reader.setDefinitionEndWord("abcdefghijklmnopqrstuvwxyz");
  EXPECT_EQ(reader.definitionEndWord(), "abcdefghijklmnopqrstuvw");
}

TEST_F(FontState, FirstStatusRaisedIsKept) {
  PSFontReader reader = readerOf("");
  reader.raiseStatus(22);
  reader.raiseStatus(100);
  EXPECT_EQ(reader.status(), 22);
  reader.setStatus(0);
  EXPECT_EQ(reader.status(), 0);
}

class Subroutines : public ValuesTest {};

TEST_F(Subroutines, FoundByNumberInTheOrderAdded) {
  PSFontReader reader = readerOf("");
  EXPECT_TRUE(reader.addSubroutine({{1, 2, 3}, 7}));
  EXPECT_TRUE(reader.addSubroutine({{4}, 0}));
  EXPECT_TRUE(reader.addSubroutine({{5, 6}, 7}));
  EXPECT_EQ(reader.findSubroutine(7), 0);
  EXPECT_EQ(reader.findSubroutine(0), 1);
  EXPECT_EQ(reader.findSubroutine(3), 65535);
  ASSERT_EQ(reader.subroutines().size(), 3u);
  EXPECT_EQ(reader.subroutines()[0].length(), 3u);
  EXPECT_EQ(reader.subroutines()[2].number, 7);
}

TEST_F(Subroutines, ClearForgetsEveryRecord) {
  PSFontReader reader = readerOf("");
  reader.addSubroutine({{1}, 4});
  reader.clearSubroutines();
  EXPECT_EQ(reader.findSubroutine(4), 65535);
  EXPECT_THAT(reader.subroutines(), IsEmpty());
}

TEST_F(Subroutines, AtMost65535Records) {
  PSFontReader reader = readerOf("");
  for (int i = 0; i < 65535; ++i) ASSERT_TRUE(reader.addSubroutine({{}, static_cast<uint16_t>(i)}));
  EXPECT_FALSE(reader.addSubroutine({{}, 65535}));
  EXPECT_EQ(reader.findSubroutine(65534), 65534);
  EXPECT_EQ(reader.findSubroutine(65535), 65535);
}

}  // namespace
}  // namespace sorvella
