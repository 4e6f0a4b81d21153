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

TEST_F(ValuesTest, ReadIntegerTakesRadixOrLeadingDecimalNumbers) {
  const struct {
    const char* input;
    std::vector<int32_t> values;
  } cases[] = {
      {"16#FF 8#17 10#0042 16#0 16#ff 16#000", {255, 15, 42, 0, 255, 0}},
      // Radix digits stop at the first one outside the base; bases run from 2 to 36.
      {"8#178 16#1G 10#12.5", {15, 1, 12}},
      {"2#101 36#Zz 1#1 37#1 0#5 x#5", {5, 35 * 36 + 35, 0, 0, 0, 0}},
      // Radix numbers are 32-bit patterns; a too long one has all bits set.
      {"16#FFFFFFFF 16#7FFFFFFF 16#80000000 16#123456789", {-1, INT32_MAX, INT32_MIN, -1}},
      {"12abc 1.5 name -7 +3 -", {12, 1, 0, -7, 3, 0}},
      // Huge decimal numbers saturate.
      {"99999999999999999999999 -99999999999999999999999 2147483648",
       {INT32_MAX, INT32_MIN, INT32_MAX}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.input);
    PSFontReader reader = readerOf(c.input);
    for (int32_t value : c.values) EXPECT_EQ(reader.readInteger(), value);
  }
  PSFontReader blank = readerOf("  ");
  EXPECT_EQ(blank.readInteger(), 0);
  EXPECT_TRUE(blank.failed());
}

TEST_F(ValuesTest, ReadRealTakesTheLeadingDecimalNumberAndStaysFinite) {
  const struct {
    const char* input;
    std::vector<double> values;
  } cases[] = {
      {"0.001 -1.5e2 .5 3 12abc +2.5 4.E1 1e 1e+", {0.001, -150, 0.5, 3, 12, 2.5, 40, 1, 1}},
      {"name inf nan 0x10 - .", {0, 0, 0, 0, 0, 0}},
      {"1e999 -1e999 1e-999 123456e400 0.000001e-400", {DBL_MAX, -DBL_MAX, 0, DBL_MAX, 0}},
      {"", {0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.input);
    PSFontReader reader = readerOf(c.input);
    for (double value : c.values) EXPECT_THAT(reader.readReal(), DoubleEq(value));
  }
}

class ReadBoolean : public ValuesTest {};

TEST_F(ReadBoolean, TrueAndFalseInAnyCase) {
  PSFontReader reader = readerOf("true TRUE False FALSE");
  EXPECT_TRUE(reader.readBoolean());
  EXPECT_TRUE(reader.readBoolean());
  EXPECT_FALSE(reader.readBoolean());
  EXPECT_FALSE(reader.readBoolean());
  EXPECT_EQ(reader.status(), PSFontStatus::kFine);
}

TEST_F(ReadBoolean, OtherTokenSetsStatus3AndEndsReading) {
  PSFontReader reader = readerOf("yes true def");
  EXPECT_FALSE(reader.readBoolean());
  EXPECT_EQ(reader.status(), PSFontStatus::kBooleanExpected);
  EXPECT_TRUE(reader.failed());
  EXPECT_FALSE(reader.readBoolean());
  std::string token;
  EXPECT_FALSE(reader.nextToken(token));
}

TEST_F(ReadBoolean, EarlierStatusIsKept) {
  PSFontReader reader = readerOf("maybe");
  reader.setStatus(PSFontStatus::kEncodingCodeTooLarge);
  EXPECT_FALSE(reader.readBoolean());
  EXPECT_EQ(reader.status(), PSFontStatus::kEncodingCodeTooLarge);
  EXPECT_TRUE(reader.failed());
}

TEST_F(ValuesTest, ReadString) {
  const struct {
    std::string input;
    bool read;
    std::string text, next;
  } cases[] = {
      {"(a (b) c) x", true, "a (b) c", "x"},
      {"/Notice <41> (Acme Type)readonly def", true, "Acme Type", "readonly"},
      // Control and high bytes become spaces.
      {"(a\xA9"
       "b\tc\r\nd\x1F"
       "e\x7F)",
       true, "a b c  d e\x7F", ""},
      // The backslash is no escape.
      {"(a\\) b)", true, "a\\", "b"},
      {"(" + std::string(1500, 'x') + ")", true, std::string(1023, 'x'), std::string(477, 'x')},
      {"(abc (d)", false, "abc (d)", ""},
      {"abc def", false, "", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.input.substr(0, 40));
    PSFontReader reader = readerOf(c.input);
    std::string text = "stale";
    EXPECT_EQ(reader.readString(text), c.read);
    EXPECT_EQ(text, c.text);
    if (!c.read && !c.text.empty()) {
      EXPECT_TRUE(reader.failed());  // unterminated
    }
    EXPECT_EQ(nextToken(reader), c.next);
  }
  PSFontReader deep = readerOf(std::string(5000, '('));
  std::string text;
  EXPECT_TRUE(deep.readString(text));
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

TEST_F(ValuesTest, SkipHelpers) {
  enum Skip { kTo, kDefinition, kArray };
  const struct {
    Skip skip;
    const char* input;
    bool found;
    const char* next;  // "" when the reader has failed
  } cases[] = {
      // skipTo ignores the word inside braces, but a stray closing brace hides nothing.
      {kTo, "/RD {string currentfile exch def} executeonly DEF x", true, "x"},
      {kTo, "} } def x", true, "x"},
      {kTo, "a b c", false, ""},
      {kDefinition,
       "[43 46] systemdict /internaldict known\n{1183615869 systemdict /internaldict get exec\n"
       "/StemSnapLength 2 copy known { get 12 lt } { pop pop true } ifelse }\n"
       "{ true } ifelse { pop [78 81] } if def /ForceBold",
       true, "/ForceBold"},
      {kDefinition, "/Erode{ 1 def { Def } } DEF x", true, "x"},
      // The definition end word ends it anywhere.
      {kDefinition, "{ 1 nd 2 } def", true, "2"},
      // skipArray drops the operator after the array.
      {kArray,
       "[{}{}{}\n{systemdict /internaldict known not {pop 3} if} executeonly\n"
       "] noaccess def /Subrs",
       true, "def"},
      {kArray, "[ [1] {2 [3]} ] readonly tail", true, "tail"},
      {kArray, "{1} x", false, "1"},
      {kArray, "[ 1 [ 2 ]", false, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.input);
    PSFontReader reader = readerOf(c.input);
    const bool found = c.skip == kTo           ? reader.skipTo("def")
                       : c.skip == kDefinition ? reader.skipDefinition()
                                               : reader.skipArray();
    EXPECT_EQ(found, c.found);
    if (*c.next == '\0') {
      EXPECT_TRUE(reader.failed());
    }
    EXPECT_EQ(nextToken(reader), c.next);
  }
  PSFontReader ownWord = readerOf("{ ND } |- x def");
  ownWord.setDefinitionEndWord("|-");
  EXPECT_TRUE(ownWord.skipDefinition());
  EXPECT_EQ(nextToken(ownWord), "x");
}

class FontState : public ValuesTest {};

TEST_F(FontState, InitialValues) {
  PSFontReader reader = readerOf("x");
  EXPECT_EQ(reader.lenIV(), 4);
  EXPECT_EQ(reader.definitionEndWord(), "ND");
  EXPECT_EQ(reader.status(), PSFontStatus::kFine);
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
  reader.raiseStatus(PSFontStatus::kBadHexDigit);
  reader.raiseStatus(PSFontStatus::kCancelled);
  EXPECT_EQ(reader.status(), PSFontStatus::kBadHexDigit);
  reader.setStatus(PSFontStatus::kFine);
  EXPECT_EQ(reader.status(), PSFontStatus::kFine);
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
