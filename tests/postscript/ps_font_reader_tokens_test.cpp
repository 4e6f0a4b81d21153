// The font-program tokenizer: names, delimiters, comments, separators, the token length limit
// and the end of the input.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "postscript/ps_font_reader.h"
#include "support/type1_bytes.h"

namespace sorvella {
namespace {

using test::bytesOf;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using namespace std::string_literals;

class TokenizerTest : public ::testing::Test {
 protected:
  // Every token up to the end of the input; the bound turns a tokenizer that stops moving into
  // a failure rather than a hang.
  static std::vector<std::string> tokens(PSFontReader& reader) {
    std::vector<std::string> all;
    std::string token;
    const std::size_t bound = reader.size() + 2;
    while (reader.nextToken(token)) {
      all.push_back(token);
      if (all.size() > bound) {
        ADD_FAILURE() << "no end after " << bound << " tokens";
        break;
      }
    }
    return all;
  }

  static std::vector<std::string> tokens(std::string_view text) {
    PSFontReader reader(bytesOf(text));
    return tokens(reader);
  }
};

class TokenizerNames : public TokenizerTest {};

TEST_F(TokenizerNames, SlashStartsTheNextName) {
  EXPECT_THAT(tokens("/FontName/Foo def"), ElementsAre("/FontName", "/Foo", "def"));
  EXPECT_THAT(tokens("/a/b/c"), ElementsAre("/a", "/b", "/c"));
  EXPECT_THAT(tokens("32/space put"), ElementsAre("32", "/space", "put"));
}

TEST_F(TokenizerNames, SlashAloneIsAToken) {
  EXPECT_THAT(tokens("/ x"), ElementsAre("/", "x"));
}

TEST_F(TokenizerNames, PushedBackSlashSkipsWhiteSpaceBeforeItsName) {
  // The slash that ended "abc" goes on at the skipping of separators.
  EXPECT_THAT(tokens("abc/ def"), ElementsAre("abc", "/def"));
}

TEST_F(TokenizerNames, PushedBackSlashBeforeADelimiterGivesTheDelimiter) {
  EXPECT_THAT(tokens("abc/[1]"), ElementsAre("abc", "[", "1", "]"));
}

class TokenizerDelimiters : public TokenizerTest {};

TEST_F(TokenizerDelimiters, EachDelimiterIsATokenOfItsOwn) {
  EXPECT_THAT(tokens("[1 2]{3}"), ElementsAre("[", "1", "2", "]", "{", "3", "}"));
  EXPECT_THAT(tokens("x]y"), ElementsAre("x", "]", "y"));
  EXPECT_THAT(tokens("<a>"), ElementsAre("<", "a", ">"));
}

TEST_F(TokenizerDelimiters, StringsAreNotTakenApart) {
  EXPECT_THAT(tokens("/Notice(a b)readonly"),
              ElementsAre("/Notice", "(", "a", "b", ")", "readonly"));
}

TEST_F(TokenizerDelimiters, DelimitersFollowOneAnother) {
  EXPECT_THAT(tokens("[[]]{}()<>"), ElementsAre("[", "[", "]", "]", "{", "}", "(", ")", "<", ">"));
}

class TokenizerComments : public TokenizerTest {};

TEST_F(TokenizerComments, CommentIsTheWholeLine) {
  EXPECT_THAT(tokens("% abc def\nx"), ElementsAre("% abc def", "x"));
}

TEST_F(TokenizerComments, CommentKeepsDelimitersSlashesAndTabs) {
  EXPECT_THAT(tokens("%a{b}/c\t[d]\rnext"), ElementsAre("%a{b}/c\t[d]", "next"));
}

TEST_F(TokenizerComments, PercentInsideAWordIsPartOfTheWord) {
  EXPECT_THAT(tokens("abc%def ghi"), ElementsAre("abc%def", "ghi"));
}

TEST_F(TokenizerComments, CommentAfterADelimiter) {
  EXPECT_THAT(tokens("}%%EOF"), ElementsAre("}", "%%EOF"));
}

class TokenizerSeparators : public TokenizerTest {};

TEST_F(TokenizerSeparators, HighBytesBetweenTokensAreSkippedLikeSpaces) {
  EXPECT_THAT(tokens("a \xA9 b \xFF\x80"), ElementsAre("a", "b"));
  EXPECT_THAT(tokens("\xA9[\xA9"), ElementsAre("["));
}

TEST_F(TokenizerSeparators, ControlBytesBetweenTokensAreSkipped) {
  EXPECT_THAT(tokens("\x01\x1F\x0C x \x00\x7F"s), ElementsAre("x", "\x7F"));
}

TEST_F(TokenizerSeparators, OnlySpaceTabAndLineEndsEndAWord) {
  EXPECT_THAT(tokens("a\tb\r\nc d"), ElementsAre("a", "b", "c", "d"));
  // Inside a word, other control bytes and high bytes are kept.
  EXPECT_THAT(tokens("a\xA9z b\x0C"
                     "c"),
              ElementsAre("a\xA9z",
                          "b\x0C"
                          "c"));
}

class TokenizerLengthLimit : public TokenizerTest {};

TEST_F(TokenizerLengthLimit, TokenOf1023CharactersIsWhole) {
  EXPECT_THAT(tokens(std::string(1023, 'a') + " x"), ElementsAre(std::string(1023, 'a'), "x"));
}

TEST_F(TokenizerLengthLimit, CharacterWhereALongerRunIsCutIsLost) {
  EXPECT_THAT(tokens(std::string(1024, 'a') + " x"), ElementsAre(std::string(1023, 'a'), "x"));
  EXPECT_THAT(tokens(std::string(1023, 'a') + "b" + "cdef"),
              ElementsAre(std::string(1023, 'a'), "cdef"));
}

TEST_F(TokenizerLengthLimit, DelimiterRightAfterAFullTokenIsKept) {
  EXPECT_THAT(tokens(std::string(1023, 'a') + "]"), ElementsAre(std::string(1023, 'a'), "]"));
}

TEST_F(TokenizerLengthLimit, LongCommentIsCutToo) {
  const std::vector<std::string> all = tokens("%" + std::string(2000, 'b'));
  ASSERT_EQ(all.size(), 2u);
  EXPECT_EQ(all[0], "%" + std::string(1022, 'b'));
  // 2000 - 1022 in the comment - 1 lost; the rest is an ordinary word.
  EXPECT_EQ(all[1], std::string(977, 'b'));
}

class TokenizerEndOfInput : public TokenizerTest {};

TEST_F(TokenizerEndOfInput, LastWordEndsAtTheEndOfTheInput) {
  PSFontReader reader(bytesOf("1 def"));
  EXPECT_THAT(tokens(reader), ElementsAre("1", "def"));
  EXPECT_TRUE(reader.failed());
  std::string token = "stale";
  EXPECT_FALSE(reader.nextToken(token));
  EXPECT_THAT(token, IsEmpty());
}

TEST_F(TokenizerEndOfInput, NothingButSeparatorsGivesNoToken) {
  EXPECT_THAT(tokens(""), IsEmpty());
  EXPECT_THAT(tokens(" \r\n\t\xA9"), IsEmpty());
}

TEST_F(TokenizerEndOfInput, ReaderThatWasNeverOpenedGivesNoToken) {
  PSFontReader reader;
  std::string token;
  EXPECT_FALSE(reader.isOpen());
  EXPECT_FALSE(reader.nextToken(token));
}

TEST_F(TokenizerEndOfInput, PendingDelimiterComesBeforeTheEnd) {
  EXPECT_THAT(tokens("a]"), ElementsAre("a", "]"));
  EXPECT_THAT(tokens("a/"), ElementsAre("a"));
}

class TokenizerKeywords : public TokenizerTest {};

TEST_F(TokenizerKeywords, TokensLookUpTheirKeywordNumbers) {
  std::vector<int> numbers;
  for (const std::string& token : tokens("/Private 8 dict dup begin /lenIV 4 def end eexec"))
    numbers.push_back(PSFontReader::keywordNumber(token));
  EXPECT_THAT(numbers, ElementsAre(1, 0, 83, 86, 84, 20, 0, 48, 46, 47));
}

}  // namespace
}  // namespace sorvella
