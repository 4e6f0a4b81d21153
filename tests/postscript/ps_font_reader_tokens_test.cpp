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
using namespace std::string_literals;

// Every token up to the end of the input; the bound turns a tokenizer that stops moving into a
// failure rather than a hang.
std::vector<std::string> tokens(PSFontReader& reader) {
  std::vector<std::string> all;
  std::string token;
  while (reader.nextToken(token)) {
    all.push_back(token);
    if (all.size() > reader.size() + 2) {
      ADD_FAILURE() << "no end";
      break;
    }
  }
  return all;
}

TEST(Tokenizer, TokensOfEachInput) {
  const std::string a1023(1023, 'a');
  const struct {
    std::string input;
    std::vector<std::string> tokens;
  } cases[] = {
      // A slash starts the next name; a pushed-back slash skips blanks before its name, or
      // gives the delimiter that follows it.
      {"/FontName/Foo def", {"/FontName", "/Foo", "def"}},
      {"32/space put", {"32", "/space", "put"}},
      {"abc/ def", {"abc", "/def"}},
      {"abc/[1]", {"abc", "[", "1", "]"}},
      // Each delimiter is a token of its own; strings are not taken apart.
      {"[[]]{}()<>x]y", {"[", "[", "]", "]", "{", "}", "(", ")", "<", ">", "x", "]", "y"}},
      {"/Notice(a b)readonly", {"/Notice", "(", "a", "b", ")", "readonly"}},
      // A comment is the rest of the line, delimiters and tabs included, but not inside a word.
      {"%a{b}/c\t[d]\rnext", {"%a{b}/c\t[d]", "next"}},
      {"abc%def ghi", {"abc%def", "ghi"}},
      // Control and high bytes between tokens are skipped; only blanks and line ends end a word.
      {"a \xA9 b \xFF\x80\xA9[\xA9", {"a", "b", "["}},
      {"\x01\x1F\x0C x \x00\x7F"s, {"x", "\x7F"}},
      {"a\tb\r\nc a\xA9z b\x0C"
       "c",
       {"a", "b", "c", "a\xA9z",
        "b\x0C"
        "c"}},
      // 1023 characters at most; the character where a longer run is cut is lost.
      {a1023 + "a x", {a1023, "x"}},
      {a1023 + "bcdef", {a1023, "cdef"}},
      {a1023 + "]", {a1023, "]"}},
      {"%" + std::string(2000, 'b'), {"%" + std::string(1022, 'b'), std::string(977, 'b')}},
      // The end of the input ends the last word and gives a pending delimiter first.
      {"a]", {"a", "]"}},
      {" \r\n\t\xA9", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.input.substr(0, 40));
    PSFontReader reader(bytesOf(c.input));
    EXPECT_EQ(tokens(reader), c.tokens);
    EXPECT_TRUE(reader.failed());
    std::string token = "stale";
    EXPECT_FALSE(reader.nextToken(token));
    EXPECT_EQ(token, "");
  }
  PSFontReader never;
  std::string token;
  EXPECT_FALSE(never.nextToken(token));
}

}  // namespace
}  // namespace sorvella
